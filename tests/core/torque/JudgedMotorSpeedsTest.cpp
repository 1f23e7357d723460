// A motor is judged at its own speeds: the motor speeds, accelerations and times of the
// pattern follow the judged motor's gear, whatever the motor search happens to name, and
// the texts of a judgement print the figures it used, exponents included.
#include "session/SizingSession.h"
#include "base/Catalog.h"
#include "session/KinemoContext.h"
#include "pattern/InputPatternGridData.h"
#include "support/ExampleSession.h"
#include "torque/JudgeOneMotor.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

using namespace kinemo;

namespace {

constexpr double kRelTol = 0.005;
const double kPi = 3.14159265358979323846;

double Rel(double actual, double expected) { return std::fabs(actual - expected) / std::fabs(expected); }

// Every figure, verdict, log line and table row of a judged motor as one text.
std::string Outcome(const TMotor& m) {
    std::string s = m.GetDebugText();
    for (double v : {m.JL, m.MotorMaxSpeedMax, m.MotorRunningTorqueMax, m.MotorRunningTorqueMaxPercent,
                     m.MotorEpigeneTorqueMax, m.MotorEpigeneTorqueMaxPercent, m.MotorInertiaRatio,
                     m.MotorMaxTorquePercent, m.MotorNecessityMaxTorque, m.MotorEffectiveTorque,
                     m.MotorEffectiveTorquePercent, m.maxP, m.maxPm})
        s += FloatToText(v) + ";";
    for (int c : {m.MaxTorqueAdjudicationCode, m.EffectiveTorqueCode, m.MaxSpeedCode, m.RunningTorqueCode, m.EpigeneTorqueCode, m.InertiaCode,
                  m.AllowableDischargeAdjudicationCode, m.WarningMomentaryDischargeAdjudicationCode, m.ResultCode,
                  static_cast<int>(m.Judged)})
        s += std::to_string(c) + ";";
    return s + m.RegenerationResistanceLoadRate;
}

// Where a motor sits in the motor search: function, series, gear and gear ratio codes.
using SearchPlace = std::tuple<int, int, int, int>;

SearchPlace PlaceOf(TCatalogQuery& q, int msvCd) {
    q.Close();
    q.SetSQL("SELECT tms_mmf_cd, msv_tms_cd, msv_msmg_cd, msv_msgr_cd FROM t_motor_value AS msv "
             "INNER JOIN t_motor_series AS tms ON tms.tms_cd = msv.msv_tms_cd WHERE msv_cd = :ID");
    q.SetParam("ID", msvCd);
    q.Open();
    SearchPlace p{static_cast<int>(q.AsInteger(0)), static_cast<int>(q.AsInteger(1)), static_cast<int>(q.AsInteger(2)),
                  static_cast<int>(q.AsInteger(3))};
    q.Close();
    return p;
}

struct Job : test::ExampleSession {
    explicit Job(const std::string& example) : ExampleSession(example) {}

    // Judged as the command line's judge does: the search left as the project has it.
    std::unique_ptr<TMotor> JudgeDirectly(int msvCd, int mxcCd) {
        std::unique_ptr<TMotor> m = LoadMotorByReference(ctx->Query(), msvCd, mxcCd);
        session->PrepareJudgement();
        EXPECT_TRUE(JudgeOneMotor(session->Discharge(), *m, FloatToText(m->MotorRatedSupply), ctx->ErrorMessages(),
                                  dialogs));
        return m;
    }

    // A user's way: the motor's function, series, gear and gear ratio chosen in the search.
    void ChooseInSearch(const SearchPlace& place) {
        TMotorChoiceModel& search = session->Search();
        const auto [function, series, gear, ratio] = place;
        ASSERT_TRUE(search.SelectFunctionByCode(function));
        const auto& list = search.Functions()[static_cast<size_t>(search.CurrentFunction())].Series;
        const auto it = std::find_if(list.begin(), list.end(), [code = series](const TMotorSeries& s) { return s.Code == code; });
        ASSERT_NE(it, list.end());
        search.SelectSeries(static_cast<int>(it - list.begin()));
        for (auto [item, code] : {std::pair{siGear, gear}, std::pair{siGearRate, ratio}})
            if (search.Item(item).Enabled && search.Item(item).IndexOfCode(code) >= 0)
                search.SelectEntry(item, search.Item(item).IndexOfCode(code));
        session->PrepareJudgement();  // as entering the motor page does: the pattern follows the search
    }

    // The candidate of that motor when the search lists it, else the motor read afresh,
    // judged through the candidate list.
    std::unique_ptr<TMotor> JudgeAsCandidate(int msvCd, int mxcCd) {
        std::unique_ptr<TMotor> m = LoadMotorByReference(ctx->Query(), msvCd, mxcCd);
        TMotor* target = m.get();
        for (const auto& c : session->Candidates().FullList())
            if (c->msv_cd == msvCd && c->mxc_cd == mxcCd && !c->Judged) target = c.get(), ++listed;
        session->Search().SetInputSupplyText(FloatToText(m->MotorRatedSupply));
        EXPECT_TRUE(session->Candidates().JudgeOneMotor(*target));
        if (target != m.get()) *m = *target;
        return m;
    }
    int listed = 0;
};

class EveryMotorOwnSpeeds : public testing::TestWithParam<const char*> {};

}  // namespace

// Before, a motor was judged with the motor speeds the pattern held for the gear the
// search named: a geared motor judged outside its own search turned as slowly as a
// plain one.
TEST_P(EveryMotorOwnSpeeds, DirectlyAndThroughItsOwnSearchAlike) {
    Job direct(GetParam()), searched(GetParam());
    std::vector<std::unique_ptr<TMotor>> motors = LoadEveryCatalogMotor(direct.ctx->Query());
    ASSERT_GT(motors.size(), 300u);
    std::map<SearchPlace, std::vector<const TMotor*>> byPlace;  // one search per place
    for (const auto& m : motors) byPlace[PlaceOf(direct.ctx->Query(), m->msv_cd)].push_back(m.get());
    ASSERT_GT(byPlace.size(), 3u);
    size_t compared = 0, geared = 0;
    for (const auto& [place, group] : byPlace) {
        searched.ChooseInSearch(place);
        if (HasFatalFailure()) return;
        for (const TMotor* m : group) {
            std::unique_ptr<TMotor> a = direct.JudgeDirectly(m->msv_cd, m->mxc_cd);
            std::unique_ptr<TMotor> b = searched.JudgeAsCandidate(m->msv_cd, m->mxc_cd);
            ASSERT_TRUE(a->Judged && b->Judged) << m->msv_model_all;
            EXPECT_EQ(Outcome(*a), Outcome(*b)) << m->msv_model_all;
            ++compared;
            if (m->msv_msmg_cd == 1 && m->msgr_value != 1) ++geared;
        }
    }
    EXPECT_EQ(compared, motors.size());
    EXPECT_GT(geared, 20u);
    EXPECT_GT(searched.listed, 20);  // many were judged as the candidate list's own records
}

// A linear position pattern, a linear speed pattern and a rotary position pattern.
INSTANTIATE_TEST_SUITE_P(Examples, EveryMotorOwnSpeeds,
                         testing::Values("01_ball_screw_horizontal.kjb", "04_belt_axis_through_reducer.kjb",
                                         "05_rotary_disc_through_reducer.kjb"));

// Example 01 (375 mm/s, 0.2 s ramps, V = 6 r/min per mm/s at a plain motor) on the 1/5
// gear head HNP0052BBP05K (η 0.87, gear inertia 1e-6 kg·m², gear friction 0.008 N·m,
// J_M = 2.7e-6 kg·m², maximum speed 6000 r/min):
//   V = 30, n = 375 · 30 = 11,250 r/min > 6000: not suitable
//   JL = 2.12636e-4 / 25 + 1e-6 = 9.5054e-6; TF = 0.1041639 / (5 · 0.87) + 0.008 = 0.031946
//   α = 11250 · 2π/60 / 0.2 = 5890.5 rad/s²; J = JL + J_M = 1.22054e-5
//   peak = J·α + TF = 0.10384 N·m; deceleration = −J·α + TF = −0.039950 N·m
//   T_rms = √((2·0.10384²·0.2 + 2·0.031946²·0.6 + 2·0.039950²·0.2) / 3.0) = 0.04537 N·m
//   the deceleration returns 0.039950 · (ω/2) · 0.2 = 4.706 J: regeneration exists.
// Judged while the project's search names a plain motor, it got 2250 r/min and OK.
TEST(JudgedMotorSpeeds, GearedMotorOnAPlainSearchTurnsAtItsOwnSpeed) {
    Job job("01_ball_screw_horizontal.kjb");
    std::unique_ptr<TMotor> m = LoadMotorByModel(job.ctx->Query(), "HNP0052BBP05K");
    ASSERT_NE(m, nullptr);
    ASSERT_TRUE(JudgeOneMotor(job.session->Discharge(), *m, "200", job.ctx->ErrorMessages(), job.dialogs));
    const double n = 11250, w = n * 2 * kPi / 60, alpha = w / 0.2;
    const double jl = 2.12636e-4 / 25 + 1e-6, tf = 0.1041639 / (5 * 0.87) + 0.008, j = jl + 2.7e-6;
    const double peak = j * alpha + tf, dec = -j * alpha + tf;
    const double rms = std::sqrt((2 * peak * peak * 0.2 + 2 * tf * tf * 0.6 + 2 * dec * dec * 0.2) / 3.0);
    EXPECT_LT(Rel(m->MotorMaxSpeedMax, n), 1e-9) << m->MotorMaxSpeedMax;
    EXPECT_EQ(m->MaxSpeedCode, 2);  // above the maximum speed: not suitable
    EXPECT_LT(Rel(m->MotorNecessityMaxTorque, peak), kRelTol) << m->MotorNecessityMaxTorque << " vs " << peak;
    EXPECT_LT(Rel(m->MotorEffectiveTorque, rms), kRelTol) << m->MotorEffectiveTorque << " vs " << rms;
    EXPECT_LT(Rel(m->MotorInertiaRatio, jl / 2.7e-6), kRelTol);
    EXPECT_LT(Rel(std::stod(job.session->Discharge().MomentaryTable().Row(6).Er), -dec * (w / 2) * 0.2), kRelTol);
    EXPECT_NE(m->ResultCode, 4);  // regeneration exists
    ASSERT_NE(m->Torques, nullptr);
    EXPECT_LT(Rel(m->Torques->MaxSpeed, 375), 1e-9);  // the load still moves at 375 mm/s
    EXPECT_LT(Rel(m->Torques->MaxFrequency, n), 1e-9);
    // The pattern as the user sees it keeps the motor speeds of the search's plain motor.
    const TInputPatternGridData& pattern = job.session->Pattern().CurrentGrid().Data();
    EXPECT_LT(Rel(pattern.Cell(1, TInputPatternGridData::kFrequency).Value(), 2250), 1e-9);
}

// The other way round: a plain motor judged while the search names a 1/5 gear head.
TEST(JudgedMotorSpeeds, PlainMotorOnAGearedSearchTurnsAtItsOwnSpeed) {
    Job job("01_ball_screw_horizontal.kjb");
    std::unique_ptr<TMotor> geared = LoadMotorByModel(job.ctx->Query(), "HNP0052BBP05K");
    ASSERT_NE(geared, nullptr);
    job.ChooseInSearch(PlaceOf(job.ctx->Query(), geared->msv_cd));
    const TInputPatternGridData& pattern = job.session->Pattern().CurrentGrid().Data();
    ASSERT_LT(Rel(pattern.Cell(1, TInputPatternGridData::kFrequency).Value(), 11250), 1e-9);  // the search's gear
    std::unique_ptr<TMotor> plain = LoadMotorByModel(job.ctx->Query(), "KRS0402ANS0");
    ASSERT_TRUE(JudgeOneMotor(job.session->Discharge(), *plain, "200", job.ctx->ErrorMessages(), job.dialogs));
    EXPECT_LT(Rel(plain->MotorMaxSpeedMax, 2250), 1e-9) << plain->MotorMaxSpeedMax;
    EXPECT_EQ(plain->MaxSpeedCode, 0);
}

// The debug text's interval summary prints the figures the verdicts were drawn from; the
// regeneration table keeps the exponent of small energies (example 07, row 2: Ec ≈ 2.96e-6 J).
TEST(JudgedMotorSpeeds, PrintedFiguresAreTheOnesUsed) {
    Job job("07_vertical_belt_counterweight.kjb");
    std::unique_ptr<TMotor> m = LoadMotorByModel(job.ctx->Query(), "KRF0402BNS0");
    ASSERT_NE(m, nullptr);
    ASSERT_TRUE(JudgeOneMotor(job.session->Discharge(), *m, "200", job.ctx->ErrorMessages(), job.dialogs));
    const TMomentaryDischargeList& table = job.session->Discharge().MomentaryTable();
    ASSERT_GT(table.Count(), 2);
    const double ec = std::stod(table.Row(2).Ec);
    ASSERT_GT(ec, 1e-7);
    ASSERT_LT(ec, 1e-4);
    const std::string row = m->MomentaryTableText.at(2);
    EXPECT_NE(row.find(FitNumberText(table.Row(2).Ec, 11)), std::string::npos) << row;
    EXPECT_NE(row.find("E-6"), std::string::npos) << row;
    const std::string text = m->GetDebugText();
    ASSERT_GT(m->MotorRunningTorqueMax, 0);
    EXPECT_NE(text.find("最大走行トルク=" + FloatToText(m->MotorRunningTorqueMax) + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("最大速度=" + FloatToText(m->Torques->MaxSpeed) + "\r\n"), std::string::npos);
}

// A pattern that moves only backwards has a top speed too: the largest magnitude.
TEST(JudgedMotorSpeeds, ANegativeOnlyPatternShowsItsMaximumSpeed) {
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    TKinemoContext ctx(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
    TTorqueValueFormula formulas = TTorqueValueFormula::Load(ctx.Query());
    TTorqueEnvironment env{&formulas, &ctx.Constants(), "1"};
    CarryOutput c;
    c.JL = 0.0002;
    c.TF = 0.1;
    c.V = 6;
    TTorqueList list;
    list.Add(std::make_unique<TTorqueValue>(env, c, -1800, 0, 0.2, 0.0001));
    list.Add(std::make_unique<TTorqueValue>(env, c, -1800, -1800, 0.6, 0.0001));
    list.Add(std::make_unique<TTorqueValue>(env, c, 0, -1800, 0.2, 0.0001));
    list.Calculate(formulas);
    EXPECT_LT(Rel(list.MaxSpeed, 300), 1e-12) << list.MaxSpeed;
    EXPECT_LT(Rel(list.MaxFrequency, 1800), 1e-12);
    EXPECT_NE(list.Text().find("最大速度=300\r\n"), std::string::npos);
}
