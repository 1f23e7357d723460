// A whole sizing job without a window: results survive saving and loading, and a
// committed motor comes back committed with the first page read-only.
#include "session/SizingSession.h"
#include "session/KinemoContext.h"
#include "base/Catalog.h"
#include "support/TestSupport.h"
#include "torque/MotorReferenceQuery.h"

#include "base/AtomicFile.h"
#include "base/KinemoError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace kinemo;

namespace {

struct Job {
    Job() {
        ctx = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    void Load(const std::string& example) {
        ASSERT_EQ(session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/" + example),
                  TProjectDocument::TLoadResult::Accepted);
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> out;
        auto& list = session->Candidates();
        for (int r = 0; r < static_cast<int>(list.DisplayList().size()); ++r) {
            std::string row;
            for (int c = 0; c < kCandidateColumns; ++c) row += list.CellText(r, c) + "|";
            out.push_back(row);
        }
        return out;
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

}  // namespace

TEST(SizingSession, ResultsAreTheSameAfterSavingAndLoading) {
    Job a;
    a.Load("02_ball_screw_through_gear.kjb");
    ASSERT_TRUE(a.session->JudgeAll(TAdjudicationLevel::L100));
    const std::vector<std::string> before = a.Rows();
    ASSERT_EQ(before.size(), 2u);
    const std::string text = a.session->ProjectText();
    EXPECT_EQ(a.session->ProjectText(), text);  // saving twice gives the same bytes

    Job b;
    ASSERT_EQ(b.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(b.session->Candidates().Level(), TAdjudicationLevel::L100);
    ASSERT_TRUE(b.session->JudgeAll(b.session->Candidates().Level()));
    EXPECT_EQ(b.Rows(), before);
    EXPECT_EQ(b.session->ProjectText(), text);
}

TEST(SizingSession, CommittedMotorReloadsCommitted) {
    Job a;
    a.Load("01_ball_screw_horizontal.kjb");
    ASSERT_TRUE(a.session->JudgeAll(TAdjudicationLevel::All));
    const TMotor chosen = *a.session->Candidates().DisplayList().back();
    a.session->CommitMotor(chosen);
    EXPECT_FALSE(a.session->Machine().Editable());
    EXPECT_EQ(a.session->Candidates().LockedRow(),
              static_cast<int>(a.session->Candidates().DisplayList().size()) - 1);
    const std::string path = a.dir.File("committed.kjb");
    a.session->SaveProject(path);

    Job b;
    ASSERT_EQ(b.session->LoadProject(path), TProjectDocument::TLoadResult::Accepted);
    ASSERT_NE(b.session->CommittedMotor(), nullptr);
    EXPECT_EQ(b.session->CommittedMotor()->msv_model_all, chosen.msv_model_all);
    EXPECT_EQ(b.session->CommittedMotor()->mxc_cd, chosen.mxc_cd);
    EXPECT_FALSE(b.session->Machine().Editable());
    EXPECT_FALSE(b.session->Pattern().Editable());
    EXPECT_TRUE(b.session->Search().Committed());
    b.session->ReleaseCommit();
    EXPECT_TRUE(b.session->Machine().Editable());
    EXPECT_EQ(b.session->Candidates().LockedRow(), -1);
}

// Verdicts go only with an input of the judgement: the level, the custom condition, the
// position range, commitment, release and the CAD page's motor leave them; an edit of the
// machine or pattern drops them at the next preparation, the input supply at once.
TEST(SizingSession, VerdictsStayWithTheirInputs) {
    Job a;
    a.Load("01_ball_screw_horizontal.kjb");
    ASSERT_TRUE(a.session->JudgeAll(TAdjudicationLevel::All));
    const std::vector<std::string> judged = a.Rows();
    auto allJudged = [&] {
        for (const auto& m : a.session->Candidates().FullList())
            if (!m->Judged) return false;
        return true;
    };
    auto noneJudged = [&] {
        for (const auto& m : a.session->Candidates().FullList())
            if (m->Judged) return false;
        return true;
    };
    a.session->SetLevel(TAdjudicationLevel::L60);
    TDisplayCondition custom = a.session->Candidates().CustomCondition();
    custom.MaxTorque = 50;
    a.session->SetCustomLevel(custom);
    a.session->SetPositionRange("20");
    const TMotor chosen = *a.session->Candidates().DisplayList().front();
    a.session->CommitMotor(chosen);
    a.session->ReleaseCommit();
    a.session->ShowCadDetail(TMotorReference{chosen.msv_cd, chosen.mxc_cd});
    EXPECT_TRUE(a.session->Modified());
    a.session->PrepareJudgement();
    EXPECT_TRUE(allJudged());
    EXPECT_EQ(a.Rows(), judged);  // a level filters at the next judgement run only
    EXPECT_EQ(a.session->Candidates().Level(), TAdjudicationLevel::Custom);

    a.session->MarkInputsChanged();  // an element or pattern edit
    EXPECT_TRUE(allJudged());
    a.session->PrepareJudgement();
    EXPECT_TRUE(noneJudged());

    ASSERT_TRUE(a.session->JudgeAll(TAdjudicationLevel::All));
    a.session->SetInputSupply("230");
    EXPECT_TRUE(noneJudged());
}

// A saved project opens with the motors it was saved with judged, the same verdicts and
// the committed row locked, on the first open after the start and without any message.
TEST(SizingSession, AReopenedProjectShowsItsVerdicts) {
    Job a;
    a.Load("02_ball_screw_through_gear.kjb");
    ASSERT_TRUE(a.session->JudgeAll(TAdjudicationLevel::L100));
    const std::vector<std::string> judged = a.Rows();
    ASSERT_EQ(judged.size(), 2u);
    const TMotor chosen = *a.session->Candidates().DisplayList().back();
    a.session->CommitMotor(chosen);
    const std::string path = a.dir.File("judged.kjb");
    a.session->SaveProject(path);

    Job b;
    ASSERT_EQ(b.session->LoadProject(path), TProjectDocument::TLoadResult::Accepted);
    EXPECT_TRUE(b.dialogs.messages.empty());
    EXPECT_FALSE(b.session->Modified());
    std::vector<std::string> shown;
    for (const std::string& row : b.Rows())
        if (std::find(judged.begin(), judged.end(), row) != judged.end()) shown.push_back(row);
    EXPECT_EQ(shown, judged);
    const auto& list = b.session->Candidates().DisplayList();
    const int locked = b.session->Candidates().LockedRow();
    ASSERT_GE(locked, 0);
    EXPECT_EQ(list[static_cast<size_t>(locked)]->msv_model_all, chosen.msv_model_all);
    EXPECT_TRUE(list[static_cast<size_t>(locked)]->Judged);
    b.session->ReleaseCommit();
    b.session->PrepareJudgement();  // entering the motor page keeps them
    EXPECT_TRUE(list[static_cast<size_t>(locked)]->Judged);
}

// A catalog motor that a later catalog dropped: the project opens with no motor committed
// and without a message.
TEST(SizingSession, ACommittedMotorTheCatalogLacksOpensUncommitted) {
    Job a;
    a.Load("01_ball_screw_horizontal.kjb");
    a.session->CommitMotor(TMotorReference{6001, 601});
    std::string text = a.session->ProjectText();
    const std::string commit = "<Commit>\n    <MsvID>6001</MsvID>";
    ASSERT_NE(text.find(commit), std::string::npos);
    text.replace(text.find(commit), commit.size(), "<Commit>\n    <MsvID>987654</MsvID>");
    Job b;
    ASSERT_EQ(b.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(b.session->CommittedMotor(), nullptr);
    EXPECT_FALSE(b.session->Commit().Committed());
    EXPECT_TRUE(b.session->Machine().Editable());
    EXPECT_TRUE(b.dialogs.messages.empty());
}

// The committed-motor debug command judges the committed motor again, as the candidate
// list judges the same motor, and gives its debug text with the pattern's.
TEST(SizingSession, TheDebugCommandJudgesTheCommittedMotorAgain) {
    Job job;
    job.Load("18_feeder_committed_with_options.kjb");
    const TMotor* committed = job.session->CommittedMotor();
    ASSERT_NE(committed, nullptr);
    EXPECT_FALSE(committed->Judged);
    const std::string text = job.session->JudgeCommittedMotorAgain();
    EXPECT_TRUE(committed->Judged);
    EXPECT_NE(text.find("=================="), std::string::npos);  // the hand-over log
    EXPECT_NE(text.find(committed->JudgementLog.back()), std::string::npos);
    EXPECT_NE(text.find(job.session->Pattern().PatternText()), std::string::npos);
    std::unique_ptr<TMotor> same = LoadMotorByReference(job.ctx->Query(), static_cast<int>(committed->msv_cd),
                                                        static_cast<int>(committed->mxc_cd));
    ASSERT_NE(same, nullptr);
    job.session->PrepareJudgement();
    ASSERT_TRUE(job.session->Candidates().JudgeOneMotor(*same));
    EXPECT_NEAR(committed->MotorMaxTorquePercent, same->MotorMaxTorquePercent, 1e-9);
    EXPECT_NEAR(committed->MotorEffectiveTorquePercent, same->MotorEffectiveTorquePercent, 1e-9);
    EXPECT_EQ(committed->ResultCode, same->ResultCode);
}

TEST(SizingSession, GearedCommittedMotorKeepsItsRatio) {
    Job a;
    // The lookup joins no gear ratio of its own; a geared motor must not come back at 1.
    TCatalogQuery& q = a.ctx->Query();
    q.SetSQL("select mmp_msv_cd, mmp_mxc_cd from m_motor_price join t_motor_value on msv_cd = mmp_msv_cd "
             "where msv_msmg_cd = 1 order by mmp_cd limit 1");
    q.Open();
    const int msv = static_cast<int>(q.AsInteger(0)), mxc = static_cast<int>(q.AsInteger(1));
    q.Close();
    std::unique_ptr<TMotor> m = LoadMotorByReference(q, msv, mxc);
    ASSERT_NE(m, nullptr);
    EXPECT_GT(m->msgr_value, 1);
}

// Opening a project and saving it again must never change it: every section is written,
// also those of pages without a screen.
TEST(SizingSession, EveryExampleSavesToTheSameBytes) {
    for (const auto& entry : std::filesystem::directory_iterator(std::string(KINEMO_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() != ".kjb") continue;
        Job job;
        const std::string name = entry.path().filename().string();
        job.Load(name);
        EXPECT_FALSE(job.session->Modified()) << name;
        const std::string saved = job.dir.File("saved.kjb");
        job.session->SaveProject(saved);
        // KINEMO_REWRITE_EXAMPLES=1 writes them back in the program's own form, once, after
        // an example was edited by hand.
        if (std::getenv("KINEMO_REWRITE_EXAMPLES")) job.session->SaveProject(entry.path().string());
        EXPECT_EQ(ReadWholeFile(saved), ReadWholeFile(entry.path().string())) << name;
    }
}

TEST(SizingSession, TheOptionPageFollowsTheCommitAndNewForgetsIt) {
    Job job;
    job.Load("18_feeder_committed_with_options.kjb");
    ASSERT_TRUE(job.session->OptionDetail().Motor());
    EXPECT_EQ(job.session->OptionDetail().PrintTitle, "Feeder axes, ball screw through gear");
    EXPECT_NE(job.session->ProjectText().find("<PrintTitle>Feeder axes"), std::string::npos);
    job.session->NewProject();
    EXPECT_FALSE(job.session->OptionDetail().Motor());
    EXPECT_EQ(job.session->ProjectText().find("Feeder axes"), std::string::npos);  // New forgets them
}

TEST(SizingSession, AFailedLoadLeavesTheProjectAndItsModifiedFlag) {
    Job job;
    job.Load("02_ball_screw_through_gear.kjb");
    job.session->PrintHeaderText = "line 4";
    job.session->MarkModified();
    const std::string before = job.session->ProjectText();
    EXPECT_THROW(job.session->LoadProjectText("<KINEMO><FrameChoiceFactor>"), std::exception);
    // A section that fails half-way through reading: the pages were already reset.
    std::string broken = ReadWholeFile(std::string(KINEMO_SOURCE_DIR) + "/examples/01_ball_screw_horizontal.kjb");
    broken.replace(broken.find("<FrameChoiceMotor>"), 18, "<FrameChoiceMotor><InputSupply>abc</InputSupply>");
    EXPECT_THROW(job.session->LoadProjectText(broken), std::exception);
    EXPECT_EQ(job.session->ProjectText(), before);
    EXPECT_TRUE(job.session->Modified());
}

TEST(SizingSession, CommittedGearedMotorRoundTripsWithItsRatio) {
    Job a;
    a.Load("01_ball_screw_horizontal.kjb");
    a.session->CommitMotor(TMotorReference{6001, 601});
    ASSERT_NE(a.session->CommittedMotor(), nullptr);
    const double ratio = a.session->CommittedMotor()->msgr_value;
    EXPECT_GT(ratio, 1.0);
    EXPECT_TRUE(a.session->Modified());
    Job b;
    ASSERT_EQ(b.session->LoadProjectText(a.session->ProjectText()), TProjectDocument::TLoadResult::Accepted);
    ASSERT_NE(b.session->CommittedMotor(), nullptr);
    EXPECT_EQ(b.session->CommittedMotor()->msv_model_all, a.session->CommittedMotor()->msv_model_all);
    EXPECT_DOUBLE_EQ(b.session->CommittedMotor()->msgr_value, ratio);
    EXPECT_TRUE(b.session->Commit().Committed());
    EXPECT_FALSE(b.session->Modified());
    EXPECT_THROW(b.session->CommitMotor(TMotorReference{999999, 1}), TKinemoError);
    EXPECT_EQ(b.session->CommittedMotor()->msv_model_all, a.session->CommittedMotor()->msv_model_all);
}
