// The report builders' rules on example 02: external-force cases of the motor record, gear
// keys, the judgement table's special cases, the resistor advice, the regeneration and
// pattern edge cases, and the print menu's CSV export with its refusals.
#include "session/ReportJob.h"
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/InputData.h"
#include "reports/ElementRecord.h"
#include "reports/ReportBuilders.h"
#include "support/ExampleSession.h"
#include "torque/CalcDischarge.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace kinemo {
namespace {

std::tm FixedTime() {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 0, t.tm_mday = 2, t.tm_hour = 8;
    return t;
}

struct ReportBuilders : ::testing::Test {
    ReportBuilders() : example("02_ball_screw_through_gear.kjb"), job(*example.ctx, *example.session) {}
    TReportEnvironment& Env() { return job.Environment(); }
    TCalcCarryValue& Chain() { return example.session->Chain(); }
    // The external-force element of the example (its force acts on the whole pattern).
    TExternalForceInputData* ForceChoice() {
        for (TFactor* f : Chain().Factors())
            if (f->AcceptsExternalForce && f->ExternalForceItem()) return f->ExternalForceItem();
        return nullptr;
    }
    test::ExampleSession example;
    TReportJob job;
};

TEST_F(ReportBuilders, MotorRecordHoldsTheCasesOfTheExternalForces) {
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    TExternalForceInputData* choice = ForceChoice();
    ASSERT_TRUE(choice);
    struct Case { int choice; std::vector<std::string> present, absent; };
    const Case cases[] = {{0, {"FF_JLout"}, {"TF_JLout", "FT_JLout", "TT_JLout"}},
                          {1, {"FF_JLout", "TF_TUout"}, {"FT_JLout", "TT_JLout", "FF_Vout", "FF_Aout"}}};
    for (const Case& c : cases) {
        choice->Choice = c.choice;
        ASSERT_EQ(Chain().CountExternalForceFactors(), c.choice);
        const auto data = BuildBlockData(Env(), job.Motor());
        for (const std::string& k : c.present) EXPECT_TRUE(data->FooterPairs.Contains(k)) << c.choice << " " << k;
        for (const std::string& k : c.absent) EXPECT_FALSE(data->FooterPairs.Contains(k)) << c.choice << " " << k;
        EXPECT_EQ(data->RowCount(), Chain().Count() - 1);  // the motor element has no row
    }
}

TEST_F(ReportBuilders, GearKeysOnlyForAGearedMotor) {
    struct Case { const char* model; const char* gear; bool keys; };
    // Gear code 1: a built-in gear head; 2: none.
    const Case cases[] = {{"KRS0402ANS0", "2", false}, {"HNP0052BBP05K", "1", true}};
    for (const Case& c : cases) {
        ASSERT_TRUE(job.OpenModel(c.model, FixedTime())) << c.model;
        const TNameValueList& motor = job.Menu().Data(TReportPage::Block).FooterPairs;
        EXPECT_EQ(motor.Value("GearMotor"), c.gear) << c.model;
        for (const char* k : {"ReducingRatio", "GearInertia", "GearTorque", "GearEta", "BacklashValue"})
            EXPECT_EQ(motor.Contains(k), c.keys) << c.model << " " << k;
    }
}

TEST_F(ReportBuilders, SummaryJudgementSpecialCases) {
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    TMotor m = job.Motor();
    struct Case { double ratedSpeed; std::string loadRate; std::string frequencyPercent; bool dischargePercent; };
    const Case cases[] = {{0, "-", "0", false}, {3000, "12.5", "75.0000", true}};
    for (const Case& c : cases) {
        m.MotorRatedSpeed = c.ratedSpeed;
        m.MotorMaxSpeedMax = 2250;
        m.RegenerationResistanceLoadRate = c.loadRate;
        const auto data = BuildSummaryData(Env(), m, "10", 0.25);
        EXPECT_EQ(data->HeaderPairs.Value("FrequencyPercent"), c.frequencyPercent);
        EXPECT_EQ(data->HeaderPairs.Contains("AllowableDischargePercent"), c.dischargePercent);
        EXPECT_EQ(data->HeaderPairs.Value("FrequencyRatedMeasure"), "r/min");
        EXPECT_NE(data->HeaderPairs.Value("StoppingAccuracy").find("0.2500"), std::string::npos);
        EXPECT_NE(data->HeaderPairs.Value("StoppingAccuracy").find("10"), std::string::npos);
    }
}

TEST_F(ReportBuilders, ResistorAdviceByResult) {
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    TMotor m = job.Motor();
    m.MotorExternalResistor = 60.5;
    m.MotorExternalResistorCapacity = 41.5;
    m.maxP = 36.5;
    m.msv_pureexternalresistor = "KRX-2050";
    struct Case { int result; bool present; const char* resistor; const char* capacityStart; const char* pure; };
    // Halves go to the even neighbour: 60.5 -> 60, 41.5 -> 42, 36.5 x 3 = 109.5 -> 110.
    const Case cases[] = {{3, false, "", "", ""},
                          {4, true, "-", "-", "-"},
                          {5, true, "60 W standard", "110 W needed", "the amplifier's standard resistor"},
                          {6, true, "60 W standard", "42 W needed", "KRX-2050"},
                          {7, false, "", "", ""}};
    for (const Case& c : cases) {
        m.ResultCode = c.result;
        const auto data = BuildSummaryData(Env(), m, "10", 0);
        const TNameValueList& h = data->HeaderPairs;
        EXPECT_EQ(h.Contains("ExternalResistor"), c.present) << c.result;
        EXPECT_EQ(h.Value("ExternalResistor"), c.resistor) << c.result;
        EXPECT_EQ(h.Value("AllowableDischargeMax"), c.capacityStart) << c.result;
        EXPECT_EQ(h.Value("PureExternalResistor"), c.pure) << c.result;
    }
}

TEST_F(ReportBuilders, RegenerationRowsAndLoadFactor) {
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    TMotor m = job.Motor();
    TMomentaryDischargeList table;
    table.Add({"1", "1.5", "", "0.25", "1.25", "0.1", "12.5", "30", "-1", "0"});
    table.Add({"2", "0", "0", "0", "0", "0.2", "0", "0", "7", "0"});
    struct Case { double allowable; const char* factor; };
    const Case cases[] = {{0, "0"}, {50, "25.0000"}};
    for (const Case& c : cases) {
        m.maxP = 12.5;
        m.MotorAllowableDischarge = c.allowable;
        const auto data = BuildDischargeData(Env(), m, table);
        EXPECT_EQ(data->FooterPairs.Value("DischargeLoadFactor"), c.factor);
        ASSERT_EQ(data->RowCount(), 2);
        EXPECT_EQ(data->Row(0).Value("No"), "0");      // zero-based, not the row's own number
        EXPECT_FALSE(data->Row(0).Contains("Ec"));     // an empty field stays out
        EXPECT_EQ(data->Row(0).Value("Er"), "1.5000");
        EXPECT_EQ(data->Row(0).Value("Behavior"), "reverse");
        EXPECT_FALSE(data->Row(1).Contains("Behavior"));  // no motion text for code 7
    }
}

TEST_F(ReportBuilders, PatternRowsEndAtTheFirstZeroElapsedTime) {
    const auto data = BuildDrivePatternData(Env(), example.session->Pattern().CurrentGrid());
    ASSERT_GE(data->RowCount(), 2);
    EXPECT_EQ(data->Row(0).Value("Value0"), "0");  // the origin
    for (int r = 1; r < data->RowCount(); ++r) EXPECT_NE(data->Row(r).Value("CheckValue0"), "0.0000") << r;
    example.session->NewProject();
    const auto empty = BuildDrivePatternData(Env(), example.session->Pattern().CurrentGrid());
    EXPECT_EQ(empty->RowCount(), 1);  // only the origin
}

TEST_F(ReportBuilders, FormatCarryValueConvertsIntoTheUserUnit) {
    const TCarryValueUnit units(Env().Query, Env().Measures);
    struct Case { const char* value; const char* symbol; const char* expected; };
    const Case cases[] = {{"", "JLout", ""},
                          {"0.00064", "JLout", "6.4000kg·cm²"},  // kg·m² shown in the user's kg·cm²
                          {"6", "Vout", "6.0000"},               // no unit for the speed coefficient
                          {"1.5", "NoSuchSymbol", "1.5000"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatCarryValue(c.value, c.symbol, units, Env().Measures, Env().Format), c.expected) << c.value;
}

TEST_F(ReportBuilders, CsvOfEveryPageFollowsItsTemplate) {
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    for (TReportPage page : AllReportPages()) {
        const TTemplate t = LoadCsvTemplate(Env().Query, ReportDataClass(page));
        const std::vector<std::string> lines = job.Menu().CsvLines(page);
        const size_t expected = 1 + job.Menu().Data(page).RowCount() + (t.Foot.empty() ? 0 : 1);
        EXPECT_EQ(lines.size(), expected) << ReportPageName(page);
        for (const std::string& line : lines) EXPECT_EQ(line.find("{[%]"), std::string::npos) << line;
    }
    job.Menu().HeaderText = "Axis X";
    job.Menu().CommentText = "line 1\nline 2";
    job.Menu().ApplyHeaderAndComment();
    EXPECT_EQ(job.Menu().Data(TReportPage::Summary).HeaderPairs.Value("PrintComment"), "line 1\r\nline 2");
    EXPECT_NE(job.Menu().CsvLines(TReportPage::Summary)[0].find("\"Title\",\"Axis X\""), std::string::npos);
}

TEST_F(ReportBuilders, UnwritableCsvPathLeavesNoFile) {
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    const std::string path = example.dir.File("no/such/folder/torque.csv");
    EXPECT_THROW(job.Menu().SaveCsv(TReportPage::Torque, path), TKinemoError);
    EXPECT_FALSE(FileExists(path));
    const std::string good = example.dir.File("torque.csv");
    WriteFileAtomically(good, "old");
    job.Menu().SaveCsv(TReportPage::Torque, good);
    EXPECT_NE(ReadWholeFile(good).find("Interval torques"), std::string::npos);
}

TEST_F(ReportBuilders, PaperCodesAndPrintOrder) {
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    TCommitMotorPrintMenuModel& menu = job.Menu();
    ASSERT_GE(menu.PaperSizeItems().size(), 2u);
    struct Case { int index; int code; };
    for (const Case& c : {Case{0, kPaperA4}, Case{1, kPaperLetter}, Case{5, kPaperA4}}) {
        menu.SetPaperSizeIndex(c.index);
        EXPECT_EQ(menu.PaperCode(), c.code) << c.index;
    }
    menu.SetPrintChecked(TReportPage::Block, false);
    menu.SetPrintChecked(TReportPage::Summary, false);
    EXPECT_EQ(menu.PagesToPrint(), (std::vector<TReportPage>{TReportPage::DrivePattern, TReportPage::Torque,
                                                              TReportPage::Discharge}));
}

TEST_F(ReportBuilders, MotorWithoutJudgementIsRefused) {
    std::unique_ptr<TMotor> motor = LoadMotorByModel(Env().Query, "KRS0402ANS0");
    ASSERT_TRUE(motor);
    try {
        job.Open(*motor, FixedTime());
        FAIL() << "an unjudged motor was reported";
    } catch (const TErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "ReportMotorNotJudged");
        EXPECT_FALSE(std::string(e.what()).empty());
    }
}

TEST_F(ReportBuilders, UnknownMotorModelIsNamed) {
    try {
        job.OpenModel("NO-SUCH-MOTOR", FixedTime());
        FAIL();
    } catch (const TFormatErrorMessageException& e) {
        EXPECT_STREQ(e.what(), "No motor with the model name \"NO-SUCH-MOTOR\" in the catalog.");
    }
}

// With an S-curve the judged peak (the S-curve's) is above the trapezoid's: the torque
// report prints the figures its load factors, its verdicts and the summary are made from.
TEST(ReportTorqueFigures, AreTheJudgedOnesBesideTheirPercentages) {
    test::ExampleSession example("05_rotary_disc_through_reducer.kjb");
    TReportJob job(*example.ctx, *example.session);
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    const TMotor& m = job.Motor();
    ASSERT_TRUE(m.Torques);
    // The case is only a test while the two peaks differ at the shown precision.
    ASSERT_GT(std::fabs(m.Torques->NecessityMaxTorqueS - m.Torques->NecessityMaxTorque), 1e-3);
    const TNameValueList& torque = job.Menu().Data(TReportPage::Torque).FooterPairs;
    const TNameValueList& summary = job.Menu().Data(TReportPage::Summary).HeaderPairs;
    EXPECT_EQ(torque.Value("NecessityMaxTorque"), summary.Value("MaxTorqueResult"));
    EXPECT_EQ(torque.Value("NecessityMaxTorqueLoadFactor"), summary.Value("MaxTorquePercent"));
    EXPECT_EQ(torque.Value("EffectiveTorque"), summary.Value("EffectiveTorqueResult"));
    EXPECT_EQ(torque.Value("EffectiveTorqueLoadFactor"), summary.Value("EffectiveTorquePercent"));
    const double peak = std::stod(torque.Value("NecessityMaxTorque"));
    const double percent = std::stod(torque.Value("NecessityMaxTorqueLoadFactor"));
    EXPECT_NEAR(peak / m.MotorMaxTorque * 100, percent, 0.01);
}

// A catalog whose torque template names a key the torque report does not have.
TEST(ReportCatalogTemplate, UnknownPlaceholderIsRefusedBeforeWriting) {
    test::TempDir dir;
    const std::string catalog = dir.File("Kinemo.db");
    std::filesystem::copy_file(test::SampleCatalogPath(), catalog);
    test::ApplyCatalogSql(catalog, "update s_message set msg_value='{[%]Row[%]},{[%]IntervalTorqe[%]}' "
                                   "where msg_class='form_print_torque' and msg_control='CsvTemplateBody';");
    test::TRecordingDialogs dialogs;
    TKinemoContext ctx(catalog, TSpecialFolder(dir.File("cfg")), dialogs);
    ctx.SetProgramFolder(KINEMO_BIN_DIR);  // the pictures
    ASSERT_TRUE(ctx.ReadCatalogConfig());
    TSizingSession session(ctx);
    session.Initialize();
    ASSERT_EQ(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb"),
              TProjectDocument::TLoadResult::Accepted);
    TReportJob job(ctx, session);
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    const std::string path = dir.File("torque.csv");
    try {
        job.Menu().SaveCsv(TReportPage::Torque, path);
        FAIL() << "the template was used";
    } catch (const TFormatErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "CsvTemplateUnknownKey");
        EXPECT_STREQ(e.what(), "The CSV template of form_print_torque names keys this report does not have: "
                               "IntervalTorqe. Correct the template in the catalog.");
    }
    EXPECT_FALSE(FileExists(path));
    EXPECT_NO_THROW(job.Menu().SaveCsv(TReportPage::Summary, path));  // other templates still work
}

}  // namespace
}  // namespace kinemo
