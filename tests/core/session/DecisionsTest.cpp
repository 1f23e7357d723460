// Weighing a choice: motors compared figure by figure, machine variants kept and judged
// side by side, and explanations that reproduce the figures they explain.
#include "session/DesignVariants.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "options/OptionDetailModel.h"
#include "base/AmountText.h"
#include "base/AtomicFile.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "selection/ExplanationText.h"
#include "selection/MotorComparison.h"
#include "support/TestSupport.h"
#include "torque/FigureExplanation.h"
#include "torque/JudgeOneMotor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kinemo;

namespace {

constexpr double kRelative = 1e-12;

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
    std::unique_ptr<TMotor> Judged(const std::string& model) {
        session->PrepareJudgement();
        std::unique_ptr<TMotor> m = LoadMotorByModel(ctx->Query(), model);
        EXPECT_TRUE(m);
        EXPECT_TRUE(JudgeOneMotor(session->Discharge(), *m, FloatToText(m->MotorRatedSupply), ctx->ErrorMessages(),
                                  dialogs));
        return m;
    }
    TFigureExplanation Explain(const TMotor& m, const std::string& figure) {
        return ExplainFigure(figure, m, m.JudgementLog.at(0), session->JudgementFormulas(), session->TorqueFormulas());
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

const TExplainedInput& Input(const TFigureExplanation& e, const std::string& name) {
    for (const auto& in : e.Inputs)
        if (in.Name == name) return in;
    throw std::runtime_error("no input " + name);
}

const TExplainedArray& Array(const TFigureExplanation& e, const std::string& name) {
    for (const auto& a : e.Arrays)
        if (a.Name == name) return a;
    throw std::runtime_error("no array " + name);
}

}  // namespace

TEST(Decisions, NamesAFormulaReadsLeaveOutWhatItAssignsAndTheLanguage) {
    const struct {
        const char* formula;
        std::vector<std::string> names;
    } cases[] = {
        {"If MotorRotorInertia > 0 Then MotorInertiaRatio = JL / MotorRotorInertia Else MotorInertiaRatio = 0",
         {"MotorRotorInertia", "JL"}},
        {"SumSquare = 0\nFor i = 1 To UBound(IntervalTorque)\n  SumSquare = SumSquare + IntervalTorque(i) ^ 2 * "
         "IntervalTime(i)\nNext\nIf SumSquare > 0 Then E = Sqr(SumSquare)",
         {"IntervalTorque", "IntervalTime"}},
        {"x = 1.5E-3 * Speed ' a comment naming Ghost\ny = \"Text Ghost\" & x : z = y + Other", {"Speed", "Other"}},
        {"If a = b Then c = a", {"a", "b"}},
    };
    for (const auto& c : cases) EXPECT_EQ(NamesReadBy(c.formula), c.names) << c.formula;
}

TEST(Decisions, EffectiveTorqueExplanationReproducesTheFigureFromItsIntervals) {
    Job job;
    job.Load("02_ball_screw_through_gear.kjb");
    const auto motor = job.Judged("KRS0402ANS0");
    const TFigureExplanation percent = job.Explain(*motor, "MotorEffectiveTorquePercent");
    EXPECT_EQ(percent.FormulaKey, "MotorEffectiveTorquePercent");
    EXPECT_DOUBLE_EQ(percent.Result, motor->MotorEffectiveTorquePercent);
    const TExplainedInput& rated = Input(percent, "MotorRatedTorque");
    EXPECT_EQ(rated.Source, TFigureSource::MotorCatalog);
    EXPECT_EQ(rated.Origin, "msv_s_ratedtorque");
    const TExplainedInput& effective = Input(percent, "TorqueEffectiveTorque");
    EXPECT_EQ(effective.Source, TFigureSource::TorqueFigure);
    EXPECT_NEAR(effective.Value / rated.Value * 100, percent.Result, kRelative * percent.Result);

    ASSERT_EQ(percent.Details.size(), 1u);
    const TFigureExplanation& list = percent.Details.front();
    EXPECT_EQ(list.FormulaKey, "EffectiveTorqueFormula");
    const TExplainedArray& torque = Array(list, "IntervalTorque");
    const TExplainedArray& time = Array(list, "IntervalTime");
    ASSERT_EQ(torque.Values.size(), static_cast<size_t>(motor->Torques->Count()));
    ASSERT_EQ(time.Values.size(), torque.Values.size());
    double sumSquare = 0, sumTime = 0;
    for (size_t i = 0; i < torque.Values.size(); ++i) {
        sumSquare += torque.Values[i] * torque.Values[i] * time.Values[i];
        sumTime += time.Values[i];
    }
    EXPECT_NEAR(std::sqrt(sumSquare / sumTime), list.Result, kRelative * list.Result);
    EXPECT_NEAR(list.Result, effective.Value, 1e-9 * list.Result);  // the hand-over text rounds to 15 digits

    // The inertia ratio: a carry value over a catalog value.
    const TFigureExplanation ratio = job.Explain(*motor, "MotorInertiaRatio");
    EXPECT_EQ(Input(ratio, "JL").Source, TFigureSource::Carry);
    EXPECT_NEAR(Input(ratio, "JL").Value / Input(ratio, "MotorRotorInertia").Value, ratio.Result,
                kRelative * ratio.Result);

    // The words: every value with its unit and origin, and the result.
    TExplanationText words;
    words.LoadTexts(job.ctx->Query());
    const std::string text = words.Joined(percent);
    EXPECT_NE(text.find("MotorRatedTorque = " + rated.ValueText + " N·m"), std::string::npos) << text;
    EXPECT_NE(text.find("msv_s_ratedtorque"), std::string::npos);
    EXPECT_NE(text.find("IntervalTorque [N·m]"), std::string::npos);
    EXPECT_NE(text.find("Result: MotorEffectiveTorquePercent = " + FloatToText(percent.Result) + " %"),
              std::string::npos);

    EXPECT_THROW(job.Explain(*motor, "NoSuchFigure"), TKinemoError);
    TMotor unjudged;
    EXPECT_THROW(ExplainFigure("MotorInertiaRatio", unjudged, "", job.session->JudgementFormulas(),
                               job.session->TorqueFormulas()),
                 TKinemoError);
}

TEST(Decisions, ComparisonRepeatsTheDetailFiguresAndMarksTheBest) {
    Job job;
    job.Load("02_ball_screw_through_gear.kjb");
    const auto big = job.Judged("KRS0752ANS0");
    const auto mid = job.Judged("KRS0402ANS0");
    const auto small = job.Judged("KRS0202ANS0");  // fails the effective torque
    TMotorComparison cmp(job.ctx->ValueFormat(), job.session->ResultLabels());
    cmp.LoadTexts(job.ctx->Query());
    const TMotorDetailInput input = job.session->DetailInput(big.get());
    cmp.Fill({small.get(), big.get(), mid.get()}, input);

    // Passing motors first, the cheaper of them first; the failing one last.
    ASSERT_EQ(cmp.Motors().size(), 3u);
    EXPECT_EQ(cmp.Motors()[0]->msv_model_all, "KRS0402ANS0");
    EXPECT_EQ(cmp.Motors()[1]->msv_model_all, "KRS0752ANS0");
    EXPECT_EQ(cmp.Motors()[2]->msv_model_all, "KRS0202ANS0");

    // Every cell of the detail window's calculation grid is in the comparison.
    for (size_t col = 0; col < cmp.Motors().size(); ++col) {
        TMotorDetailModel detail(job.ctx->ValueFormat(), job.session->ResultLabels());
        detail.LoadTexts(job.ctx->Query());
        detail.Fill(*cmp.Motors()[col], input);
        for (int r = 1; r < 7; ++r)
            for (int c : {1, 3, 5, 7, 9}) {
                bool found = false;
                for (const TComparisonRow& row : cmp.Rows())
                    if (row.Group == detail.Calc().Cell(0, r) && row.Label == detail.Calc().Cell(c, 0)) {
                        EXPECT_EQ(row.Cells[col], detail.Calc().Cell(c, r)) << row.Group << " " << row.Label;
                        found = true;
                    }
                EXPECT_TRUE(found) << r << "," << c;
            }
    }
    // The lowest effective torque ratio is the largest motor's; the cheapest price the
    // failing small motor's.
    for (const TComparisonRow& row : cmp.Rows()) {
        if (row.Figure == "MotorEffectiveTorquePercent") {
            EXPECT_EQ(row.Best, (std::vector<bool>{false, true, false}));
        }
        if (row.Label == cmp.Text("LabelTotalPrice")) {
            EXPECT_EQ(row.Best, (std::vector<bool>{false, false, true}));
        }
        if (row.Figure == "EffectiveTorque") {
            EXPECT_EQ(row.Best, (std::vector<bool>{true, true, false}));
        }
        if (row.Better == TBetter::None) {
            EXPECT_EQ(row.Best, std::vector<bool>(3, false));
        }
    }
    const std::string csv = cmp.CsvText();
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "Check,Figure,Unit,KRS0402ANS0,KRS0752ANS0,KRS0202ANS0");
    EXPECT_EQ(cmp.Amount(1090), "$1,090");
    EXPECT_EQ(cmp.Amount(0), "");

    // Wrong choices leave the comparison as it was, with the catalog's words.
    auto message = [&](std::vector<const TMotor*> motors) {
        try {
            cmp.Fill(motors, input);
        } catch (const TKinemoError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message({big.get()}), cmp.Text("CountError"));
    EXPECT_EQ(message({big.get(), mid.get(), small.get(), big.get(), mid.get()}), cmp.Text("CountError"));
    EXPECT_EQ(message({big.get(), big.get()}), "The motor KRS0752ANS0 is marked twice.");
    TMotor unjudged = *big;
    unjudged.Judged = false;
    EXPECT_EQ(message({&unjudged, mid.get()}), "The motor KRS0752ANS0 has not been judged: judge the candidates first.");
    EXPECT_EQ(cmp.Motors().size(), 3u);
}

namespace {

// The project text with the ball screw's lead (item 30101) of the pages changed.
std::string WithLead(const std::string& text, const std::string& lead) {
    const std::string key = "<Value InputDataID=\"30101\">";
    const size_t at = text.find(key);
    EXPECT_NE(at, std::string::npos);
    const size_t start = at + key.size();
    return text.substr(0, start) + lead + text.substr(text.find('<', start));
}

std::string ShownLead(const std::string& text) {
    const std::string key = "<Value InputDataID=\"30101\">";
    const size_t start = text.find(key) + key.size();
    return text.substr(start, text.find('<', start) - start);
}

}  // namespace

TEST(Decisions, VariantsKeepTheirOwnMachineAndAProjectWithoutThemIsUnchanged) {
    Job job;
    const std::string path = std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb";
    job.Load("02_ball_screw_through_gear.kjb");
    const std::string plain = job.session->ProjectText();
    EXPECT_EQ(plain.find("<Variants"), std::string::npos);
    EXPECT_EQ(plain, ReadWholeFile(path));  // the example file is read and written byte for byte

    TDesignVariants& v = job.session->Variants();
    ASSERT_EQ(v.Names(), (std::vector<std::string>{"Variant 1"}));
    v.Add("Lead 10");
    EXPECT_TRUE(job.session->Modified());
    ASSERT_EQ(job.session->LoadProjectText(WithLead(job.session->ProjectText(), "10")),
              TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(job.session->Variants().Names(), (std::vector<std::string>{"Variant 1", "Lead 10"}));
    EXPECT_EQ(job.session->Variants().Current(), 1);
    const std::string saved = job.session->ProjectText();
    EXPECT_EQ(ShownLead(saved), "10");

    // Another session reads and writes the same bytes.
    Job other;
    ASSERT_EQ(other.session->LoadProjectText(saved), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(other.session->ProjectText(), saved);

    // Switching shows the other variant's values; the one left keeps its own.
    job.session->Variants().Switch(0);
    EXPECT_EQ(ShownLead(job.session->ProjectText()), "20");
    job.session->Variants().Switch(1);
    EXPECT_EQ(ShownLead(job.session->ProjectText()), "10");
    EXPECT_EQ(job.session->ProjectText(), saved);

    // The table: the lead enters the load inertia squared, the project comes back as it was.
    const std::vector<TVariantFigures> table = job.session->Variants().Evaluate();
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(job.session->ProjectText(), saved);
    for (const auto& f : table) {
        EXPECT_TRUE(f.Error.empty()) << f.Error;
        EXPECT_TRUE(f.HasMotor) << f.Name;
        EXPECT_GT(f.EffectiveTorque, 0);
        EXPECT_LT(f.EffectivePercent, 100);
    }
    EXPECT_GT(table[0].JL, table[1].JL);
    EXPECT_LE(table[1].Price, table[0].Price);  // a shorter lead needs no larger motor

    // Back to one variant: the file is the example's again.
    job.session->Variants().Switch(0);
    job.session->Variants().Remove(1);
    EXPECT_EQ(job.session->ProjectText(), plain);
}

TEST(Decisions, VariantMistakesChangeNothing) {
    Job job;
    job.Load("02_ball_screw_through_gear.kjb");
    TDesignVariants& v = job.session->Variants();
    auto message = [&](auto action) {
        try {
            action();
        } catch (const TKinemoError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { v.Add("  "); }), "Enter a name for the variant.");
    EXPECT_EQ(message([&] { v.Add(std::string(41, 'x')); }), "A variant name has at most 40 characters.");
    EXPECT_EQ(message([&] { v.Add("Variant 1"); }), "There is already a variant named \"Variant 1\".");
    EXPECT_EQ(message([&] { v.Remove(0); }),
              "The variant shown on the pages cannot be removed: show another variant first.");
    EXPECT_EQ(message([&] { v.Switch(3); }), "There is no such variant.");
    EXPECT_EQ(v.Count(), 1);
    v.Add("B");
    ASSERT_TRUE(job.session->JudgeAll(TAdjudicationLevel::All));
    job.session->CommitMotor(*job.session->Candidates().DisplayList().front());
    EXPECT_EQ(message([&] { v.Switch(0); }), "A motor is committed: release it before changing the variant shown.");
    EXPECT_EQ(v.Current(), 1);
    job.session->ReleaseCommit();

    // A damaged variants element refuses the file and keeps what was open.
    const std::string before = job.session->ProjectText();
    std::string damaged = before;
    const size_t at = damaged.find("Name=\"B\"");
    ASSERT_NE(at, std::string::npos);
    damaged.replace(at, 8, "Name=\"Variant 1\"");
    EXPECT_THROW(job.session->LoadProjectText(damaged), TKinemoError);
    EXPECT_EQ(job.session->ProjectText(), before);
}

TEST(Decisions, AProjectWithVariantsSavesToTheSameBytes) {
    Job job;
    const std::string path = std::string(KINEMO_SOURCE_DIR) + "/tests/data/variants_lead.kjb";
    ASSERT_EQ(job.session->LoadProject(path), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(job.session->Variants().Names(), (std::vector<std::string>{"Lead 20 mm", "Lead 10 mm"}));
    EXPECT_EQ(job.session->ProjectText(), ReadWholeFile(path));
}

TEST(Decisions, AmountsGroupThousandsAfterTheMoneySymbol) {
    const struct {
        long long value;
        const char* text;
    } cases[] = {{0, ""},          {7, "$7"},          {999, "$999"},          {1000, "$1,000"},
                 {1234567, "$1,234,567"}, {-1090, "$-1,090"},
                 {std::numeric_limits<long long>::min(), "$-9,223,372,036,854,775,808"}};
    for (const auto& c : cases) EXPECT_EQ(AmountText("$", c.value), c.text) << c.value;
}

TEST(Decisions, ComparisonAddsThePriceOfTheOptionSetChosenForAMotor) {
    Job job;
    job.Load("18_feeder_committed_with_options.kjb");
    const TOptionDetailModel& page = job.session->OptionDetail();
    ASSERT_NE(page.Motor(), nullptr);
    const auto quoted = job.Judged(page.Motor()->msv_model_all);
    const auto other = job.Judged("KRS0752ANS0");
    const long long options = job.session->OptionSetPrice(*quoted);
    EXPECT_EQ(options, page.GrandTotal() - page.MotorPrice() * page.MotorQty() - page.AmpPrice() * page.AmpQty());
    EXPECT_GT(options, 0);
    EXPECT_EQ(job.session->OptionSetPrice(*other), -1);

    TMotorComparison cmp(job.ctx->ValueFormat(), job.session->ResultLabels());
    cmp.LoadTexts(job.ctx->Query());
    cmp.Fill({other.get(), quoted.get()}, job.session->DetailInput(quoted.get()),
             {job.session->OptionSetPrice(*other), options});
    const size_t col = cmp.Motors()[0] == quoted.get() ? 0 : 1;
    bool optionRow = false, totalRow = false;
    for (const TComparisonRow& row : cmp.Rows()) {
        if (row.Label == cmp.Text("LabelOptionPrice")) {
            optionRow = true;
            EXPECT_EQ(row.Cells[col], cmp.Amount(options));
            EXPECT_EQ(row.Cells[1 - col], "");
        }
        if (row.Label == cmp.Text("LabelGrandTotal")) {
            totalRow = true;
            EXPECT_EQ(row.Cells[col], cmp.Amount(TMotorComparison::Price(*quoted) + options));
        }
    }
    EXPECT_TRUE(optionRow);
    EXPECT_TRUE(totalRow);
}
