// The variant table judges each variant in a session of its own: the pages keep their
// verdicts, and each row holds the figures of its variant opened and judged on its own.
#include "session/DesignVariants.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "support/TestSupport.h"
#include "torque/Motor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace kinemo;

namespace {

struct Job {
    Job() : ctx(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs) {
        EXPECT_TRUE(ctx.ReadCatalogConfig());
    }
    std::unique_ptr<TSizingSession> Session() {
        auto s = std::make_unique<TSizingSession>(ctx);
        s->Initialize();
        return s;
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    TKinemoContext ctx;
};

// The project text with the ball screw's lead (item 30101) of the pages changed.
std::string WithLead(const std::string& text, const std::string& lead) {
    const std::string key = "<Value InputDataID=\"30101\">";
    const size_t at = text.find(key);
    EXPECT_NE(at, std::string::npos);
    const size_t start = at + key.size();
    return text.substr(0, start) + lead + text.substr(text.find('<', start));
}

std::vector<std::string> Verdicts(TSizingSession& s) {
    std::vector<std::string> list;
    for (const TMotor* m : s.Candidates().DisplayList())
        list.push_back(m->msv_model_all + (m->Judged ? " judged " + std::to_string(m->ResultCode) : " unjudged"));
    return list;
}

}  // namespace

TEST(VariantSessions, TheTableLeavesThePagesAndTheirVerdicts) {
    Job job;
    std::unique_ptr<TSizingSession> s = job.Session();
    ASSERT_EQ(s->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb"),
              TProjectDocument::TLoadResult::Accepted);
    s->Variants().Add("Lead 10");
    ASSERT_EQ(s->LoadProjectText(WithLead(s->ProjectText(), "10")), TProjectDocument::TLoadResult::Accepted);
    s->ClearModified();
    ASSERT_TRUE(s->JudgeAll(TAdjudicationLevel::All));
    const std::vector<std::string> before = Verdicts(*s);
    ASSERT_FALSE(before.empty());
    const std::string text = s->ProjectText();

    const std::vector<TVariantFigures> table = s->Variants().Evaluate();
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(Verdicts(*s), before);
    EXPECT_FALSE(s->Modified());
    EXPECT_EQ(s->ProjectText(), text);
    EXPECT_EQ(s->Variants().Current(), 1);
}

TEST(VariantSessions, EachRowIsItsVariantJudgedOnItsOwn) {
    Job job;
    std::unique_ptr<TSizingSession> s = job.Session();
    ASSERT_EQ(s->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb"),
              TProjectDocument::TLoadResult::Accepted);
    s->Variants().Add("Lead 10");
    ASSERT_EQ(s->LoadProjectText(WithLead(s->ProjectText(), "10")), TProjectDocument::TLoadResult::Accepted);
    s->SetLevel(TAdjudicationLevel::All);
    const std::vector<TVariantFigures> table = s->Variants().Evaluate();
    ASSERT_EQ(table.size(), 2u);

    // Each variant shown on the pages, written without the others, opened in a fresh session.
    for (int i = 0; i < 2; ++i) {
        s->Variants().Switch(i);
        std::string text = s->ProjectText();
        const size_t at = text.find("<Variants");
        ASSERT_NE(at, std::string::npos);
        text.erase(at, text.find("</Variants>") + std::string("</Variants>").size() - at);
        std::unique_ptr<TSizingSession> alone = job.Session();
        ASSERT_EQ(alone->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
        ASSERT_TRUE(alone->JudgeAll(TAdjudicationLevel::All));
        const TMotor* best = nullptr;
        for (const TMotor* m : alone->Candidates().DisplayList())
            if (m->msv_model_all == table[static_cast<size_t>(i)].Motor) best = m;
        const TVariantFigures& row = table[static_cast<size_t>(i)];
        ASSERT_TRUE(row.HasMotor) << row.Name << row.Error;
        ASSERT_NE(best, nullptr) << row.Motor;
        EXPECT_DOUBLE_EQ(row.PeakTorque, best->MotorNecessityMaxTorque) << row.Name;
        EXPECT_DOUBLE_EQ(row.EffectiveTorque, best->MotorEffectiveTorque) << row.Name;
        EXPECT_DOUBLE_EQ(row.PeakPercent, best->MotorMaxTorquePercent) << row.Name;
        EXPECT_DOUBLE_EQ(row.InertiaRatio, best->MotorInertiaRatio) << row.Name;
    }
    EXPECT_NE(table[0].JL, table[1].JL);
}
