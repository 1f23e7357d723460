// The motor detail window's rules: verdict groups, resistor advice, speed ratio, small
// numbers, the torque chart steps and the display condition dialog's OK.
#include "selection/DisplayConditionForm.h"
#include "base/ErrorMessage.h"
#include "selection/MotorDetailModel.h"
#include "selection/Verdict.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "support/ExampleSession.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

namespace kinemo {
namespace {

constexpr double kTol = 1e-9;

TEST(VerdictTest, CodesGroupIntoPassWarningFail) {
    struct Case { int code; bool judged; TVerdict expected; };
    const Case cases[] = {{0, true, TVerdict::Pass},    {1, true, TVerdict::Warning}, {2, true, TVerdict::Fail},
                          {3, true, TVerdict::Pass},    {4, true, TVerdict::Pass},    {5, true, TVerdict::Warning},
                          {6, true, TVerdict::Warning}, {7, true, TVerdict::Fail},    {8, true, TVerdict::None},
                          {0, false, TVerdict::None},   {2, false, TVerdict::None}};
    for (const Case& c : cases) EXPECT_EQ(VerdictOf(c.code, c.judged), c.expected) << c.code << " " << c.judged;
}

struct DetailFixture : ::testing::Test {
    DetailFixture() : catalog(test::SampleCatalogPath()), query(catalog), format(2) {
        labels = LoadMotorResultLabels(query);
        model = std::make_unique<TMotorDetailModel>(format, labels);
        model->LoadTexts(query);
    }
    TMotor Judged(int result) {
        TMotor m;
        m.Judged = true;
        m.ResultCode = result;
        m.MotorExternalResistor = 60.5;
        m.MotorExternalResistorCapacity = 41.5;
        m.maxP = 36.5;
        m.msv_pureexternalresistor = "KRX-2050 (50 Ω, 120 W)";
        m.MotorRatedSpeed = 3000;
        m.MotorMaxSpeedMax = 1500;
        m.RegenerationResistanceLoadRate = "-";
        return m;
    }
    TCatalog catalog;
    TCatalogQuery query;
    TValueFormat format;
    TNameValueList labels;
    std::unique_ptr<TMotorDetailModel> model;
};

TEST_F(DetailFixture, ResistorAdviceByResult) {
    const std::string standard = model->Text("GridMotorOpt[2,0]"), needed = model->Text("GridMotorOpt[3,0]");
    ASSERT_FALSE(standard.empty());
    struct Case { int result; std::string c2, c3, c4; };
    // Halves go to the even neighbour: 60.5 -> 60, 41.5 -> 42; 36.5 x 3 = 109.5 -> 110.
    const Case cases[] = {{3, "", "", ""},
                          {4, "-", "-", "-"},
                          {5, "60" + standard, "110" + needed, model->Text("GridMotorOpt[1,4](5)")},
                          {6, "60" + standard, "42" + needed, "KRX-2050 (50 Ω, 120 W)"},
                          {7, standard, needed, model->Text("GridMotorOpt[4,0]")}};
    for (const Case& c : cases) {
        model->Fill(Judged(c.result), {});
        EXPECT_EQ(model->Opt().Cell(2, 0), c.c2) << c.result;
        EXPECT_EQ(model->Opt().Cell(3, 0), c.c3) << c.result;
        EXPECT_EQ(model->Opt().Cell(4, 0), c.c4) << c.result;
        EXPECT_EQ(model->Opt().Cell(1, 0), labels.Value(std::to_string(c.result)));
    }
}

TEST_F(DetailFixture, SpeedRatioLoadRateAndSmallNumbers) {
    TMotor m = Judged(3);
    m.MotorRotorInertia = 3.7e-05;
    model->Fill(m, {});
    EXPECT_EQ(model->Calc().Cell(7, 2), "50.00");
    EXPECT_EQ(model->Calc().Cell(7, 7), model->Text("GridMotorCalc[7,7]"));  // "-" keeps the caption
    EXPECT_EQ(model->Calc().Cell(1, 1), "3.7E-5");  // not "0.00"
    EXPECT_EQ(model->Calc().Cell(2, 1), model->Text("GridMotorCalc[2,1]"));
    m.MotorRatedSpeed = 0;
    m.RegenerationResistanceLoadRate = "12.345";
    model->Fill(m, {});
    EXPECT_EQ(model->Calc().Cell(7, 2), model->Text("GridMotorCalc[7,2]"));
    EXPECT_EQ(model->Calc().Cell(7, 7), "12.35");
}

TEST_F(DetailFixture, BaseGridDashesAndStoppingAccuracyLine) {
    TMotor m = Judged(3);
    m.msv_model_all = "KRS0402ANS0";
    TMotorDetailInput in;
    in.PositionRange = "10";
    in.StoppingAccuracy = 0.0012;
    in.Shaft = "Straight";
    model->Fill(m, in);
    EXPECT_EQ(model->Base().Cell(1, 1), "KRS0402ANS0");
    EXPECT_EQ(model->Base().Cell(1, 9), "-");
    EXPECT_EQ(model->Base().Cell(1, 11), "-");
    EXPECT_EQ(model->Base().Cell(1, 12), "Straight");
    EXPECT_EQ(model->Base().Cell(1, 13), "-");
    EXPECT_NE(model->Opt().Cell(1, 1).find("10"), std::string::npos);
    EXPECT_NE(model->Opt().Cell(1, 1).find("mm"), std::string::npos);
    in.Rolling = true;
    model->Fill(m, in);
    EXPECT_NE(model->Opt().Cell(1, 1).find("deg"), std::string::npos);
}

TEST(MotorDetailOnExample, CellsAgainstTheJudgedFigures) {
    test::ExampleSession ex("02_ball_screw_through_gear.kjb");
    std::unique_ptr<TMotor> m = LoadMotorByModel(ex.ctx->Query(), "KRS0402ANS0");
    ASSERT_TRUE(m);
    TSizingSession& s = *ex.session;
    s.Search().SetInputSupplyText("200");
    ASSERT_TRUE(s.Candidates().JudgeOneMotor(*m));
    TMotorDetailModel model(ex.ctx->ValueFormat(), s.ResultLabels());
    model.LoadTexts(ex.ctx->Query());
    model.Fill(*m, {});
    const TValueFormat& f = ex.ctx->ValueFormat();
    EXPECT_EQ(model.Calc().Cell(5, 3), f.Display(m->MotorEffectiveTorque));
    EXPECT_EQ(model.Calc().Cell(7, 3), f.Display(m->MotorEffectiveTorquePercent));
    EXPECT_EQ(model.Calc().Cell(5, 5), f.Display(m->MotorNecessityMaxTorque));
    EXPECT_EQ(model.Calc().Cell(3, 3), f.Display(m->msv_m_warningtorquedef * 100));
    EXPECT_EQ(model.Calc().Cell(9, 1), s.ResultLabels().Value(std::to_string(m->InertiaCode)));
    EXPECT_EQ(model.Calc().Verdict(9, 3), VerdictOf(m->EffectiveTorqueCode, true));

    // Torque chart: one step per interval from (0, 0), ending at the pattern's total time.
    ASSERT_TRUE(m->Torques);
    const TChartPointList points = TMotorDetailModel::TorqueChartPoints(*m->Torques, nullptr);
    ASSERT_EQ(points.size(), 1 + 2 * static_cast<size_t>(m->Torques->Count()));
    EXPECT_NEAR(points.back().X, m->Torques->TotalTime, kTol);
    for (int i = 0; i < m->Torques->Count(); ++i) {
        EXPECT_NEAR(points[1 + 2 * i].Y, m->Torques->Value(i).IntervalTorqueS, kTol);
        EXPECT_NEAR(points[1 + 2 * i].Y, points[2 + 2 * i].Y, kTol);
    }
    const auto axis = TMotorDetailModel::TorqueAxisRange(*m->Torques);
    EXPECT_NEAR(axis.second, 1.1 * m->Torques->NecessityMaxTorqueS, 1e-6);
    EXPECT_NEAR(axis.first, -axis.second, kTol);
}

// A threshold typed as no number used to become 0 on OK, hiding every motor.
TEST(DisplayConditionFormTest, TextsAndOkReadsNumbersAndRefusesTheRest) {
    TCatalog catalog(test::SampleCatalogPath());
    TCatalogQuery query(catalog);
    TErrorMessage errors(query);
    TValueFormat format(4);
    TDisplayConditionForm form(format, errors);
    form.LoadTexts(query);
    EXPECT_FALSE(form.Title().empty());
    EXPECT_FALSE(form.RowLabel(4).empty());
    TDisplayCondition c;
    c.MaxTorque = 90;
    c.EffectiveTorque = 85.5;
    c.MaxFrequency = 5000;
    c.RunningTorque = 70;
    c.Inertia = 20;
    form.SetCondition(c);
    EXPECT_EQ(form.ValueText(1), "85.5");
    for (const char* bad : {"abc", "12,5", "1,000"}) {
        try {
            form.SetValueText(0, bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const TKinemoError& e) {
            EXPECT_EQ(std::string(e.what()), errors.GetFormattedText("IllegalThreshold", bad));
        }
    }
    EXPECT_EQ(form.ValueText(0), "90");
    form.SetValueText(4, "12.5");
    form.Accept();
    EXPECT_NEAR(form.Condition().MaxTorque, 90, kTol);
    EXPECT_NEAR(form.Condition().Inertia, 12.5, kTol);
    EXPECT_NEAR(form.Condition().MaxFrequency, 5000, kTol);
    // With the user's decimal comma the comma is the point.
    format.SetDecimalMark(',');
    form.SetValueText(1, "77,5");
    form.Accept();
    EXPECT_NEAR(form.Condition().EffectiveTorque, 77.5, kTol);
}

}  // namespace
}  // namespace kinemo
