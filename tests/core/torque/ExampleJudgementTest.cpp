// The judgement of catalog motors on the example projects, checked against the
// standard hand method: peak torque, effective torque, inertia ratio and the energy a
// deceleration returns.
#include "session/SizingSession.h"
#include "base/Catalog.h"
#include "session/KinemoContext.h"
#include "support/ExampleSession.h"
#include "torque/MotorReferenceQuery.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kinemo;

namespace {

constexpr double kRelTol = 0.01;
const double kPi = 3.14159265358979323846;

struct Job : test::ExampleSession {
    explicit Job(const std::string& example) : ExampleSession(example) {}
    std::unique_ptr<TMotor> Judge(const std::string& model) {
        std::unique_ptr<TMotor> m = LoadMotorByModel(ctx->Query(), model);
        EXPECT_NE(m, nullptr) << model;
        torques = session->Discharge().BuildMotorTorques(*m);
        session->Discharge().JudgeMotor(*m, *torques, 200);
        return m;
    }
    std::unique_ptr<TTorqueList> torques;
};

double Rel(double actual, double expected) { return std::fabs(actual - expected) / std::fabs(expected); }

}  // namespace

// Example 01: 50 kg table on a horizontal ball screw, lead 10 mm; at the motor shaft
// JL = 2.12636e-4 kg·m², TF = TU = 0.1041639 N·m (hand figures of examples/README.md).
// Pattern: 300 mm in 1.0 s with 0.2 s ramps, 0.5 s dwell, back, 0.5 s dwell; 2250 r/min.
// Motor KRS0402ANS0: J_M = 0.62e-4 kg·m², 1.27 N·m rated, 3.82 N·m peak.
//   α = 2250·2π/60 / 0.2 = 1178.10 rad/s²; J = JL + J_M = 2.74636e-4 kg·m²
//   T_acc = J·α + TF = 0.32354 + 0.10416 = 0.42770 N·m (peak)
//   T_run = TF = 0.10416; T_dec = −J·α + TF = −0.21938 N·m
//   T_rms = √((2·0.42770²·0.2 + 2·0.10416²·0.6 + 2·0.21938²·0.2) / 3.0) = 0.18753 N·m
//   inertia ratio = 2.12636e-4 / 0.62e-4 = 3.4296
//   energy returned by one deceleration: ½·J·ω² − TF·(ω/2)·t = 7.6235 − 2.4545 = 5.1691 J
TEST(ExampleJudgement, HorizontalBallScrewMatchesTheHandMethod) {
    Job job("01_ball_screw_horizontal.kjb");
    std::unique_ptr<TMotor> m = job.Judge("KRS0402ANS0");
    ASSERT_TRUE(m->Judged);
    const double jl = 2.12636e-4, tf = 0.1041639, jm = 0.62e-4;
    const double w = 2250 * 2 * kPi / 60, alpha = w / 0.2, j = jl + jm;
    const double tAcc = j * alpha + tf, tDec = -j * alpha + tf;
    const double rms = std::sqrt((2 * tAcc * tAcc * 0.2 + 2 * tf * tf * 0.6 + 2 * tDec * tDec * 0.2) / 3.0);
    EXPECT_LT(Rel(m->MotorNecessityMaxTorque, tAcc), kRelTol) << m->MotorNecessityMaxTorque << " vs " << tAcc;
    EXPECT_LT(Rel(m->MotorEffectiveTorque, rms), kRelTol) << m->MotorEffectiveTorque << " vs " << rms;
    EXPECT_LT(Rel(m->MotorInertiaRatio, jl / jm), kRelTol);
    EXPECT_LT(Rel(m->MotorMaxTorquePercent, tAcc / 3.82 * 100), kRelTol);
    EXPECT_EQ(job.torques->Count(), 8);  // three phases per move, one per dwell
    const double returned = 0.5 * j * w * w - tf * (w / 2) * 0.2;
    const TMomentaryDischargeList& table = job.session->Discharge().MomentaryTable();
    ASSERT_EQ(table.Count(), 8);
    EXPECT_LT(Rel(std::stod(table.Row(2).Er), returned), kRelTol) << table.Row(2).Er << " vs " << returned;
    EXPECT_EQ(m->MaxTorqueAdjudicationCode, 0);
    EXPECT_EQ(m->EffectiveTorqueCode, 0);
}

// Example 03: 25 kg carriage on a vertical ball screw, lead 10 mm: JL = 1.052538e-4,
// TF = 0.02652582, TH = 0.4335491 N·m (gravity lifted through the screw efficiency η = 0.9),
// TD = W·k·η = TH·η² = 0.3511748 N·m (gravity delivered by the load while lowering).
// Pattern: 150 mm up in 0.6 s with 0.1 s ramps (1800 r/min), hold 1 s, down, hold 1 s.
// Motor KRS0402ANS0 (J_M = 0.62e-4):
//   α = 1800·2π/60 / 0.1 = 1884.96 rad/s²; J = 1.672538e-4
//   upward start: J·α + TF + TH = 0.31527 + 0.02653 + 0.43355 = 0.77535 N·m (peak)
//   holding: TH = 0.43355 N·m for 2 × 1 s
//   lowering at constant speed: T = −TF + TD = 0.32465 N·m against the motion: it
//   regenerates T·ω·t = 0.32465 · 188.50 · 0.4 = 24.478 J.
TEST(ExampleJudgement, VerticalBallScrewHoldsAndRegeneratesWhileLowering) {
    Job job("03_ball_screw_vertical.kjb");
    std::unique_ptr<TMotor> m = job.Judge("KRS0402ANS0");
    const double jl = 1.052538e-4, tf = 0.02652582, th = 0.4335491, td = th * 0.9 * 0.9, jm = 0.62e-4;
    const double w = 1800 * 2 * kPi / 60, alpha = w / 0.1, j = jl + jm;
    EXPECT_LT(Rel(m->MotorNecessityMaxTorque, j * alpha + tf + th), kRelTol);
    EXPECT_LT(Rel(m->MotorEpigeneTorqueMax, th), kRelTol);
    EXPECT_LT(Rel(m->MotorInertiaRatio, jl / jm), kRelTol);
    const double lowering = (td - tf) * w * 0.4;
    const TMomentaryDischargeList& table = job.session->Discharge().MomentaryTable();
    ASSERT_EQ(table.Count(), 8);
    EXPECT_LT(Rel(std::stod(table.Row(5).Er), lowering), kRelTol) << table.Row(5).Er << " vs " << lowering;
    EXPECT_EQ(table.Row(5).Behavior, "-1");
    EXPECT_GT(m->maxP, 0);
}

// Example 08: 60 kg lifted by a vertical ball screw (lead 20 mm, η = 0.9) through a 1:1.5 gear
// (η = 0.95), overall efficiency 0.855 (hand calculation in examples/README.md):
// JL = 3.345658e-4, TF = 0.04963897, TH = W·k/(η·R) = 1.460376, TD = W·k·η/R = 1.067571 N·m.
// Pattern: 300 mm up in 1.2 s with 0.2 s ramps (300 mm/s, 1350 r/min), hold 0.5 s, down,
// hold 0.5 s. Motor KRS0752ABS0 (J_M = 1.65e-4): α = 706.8583 rad/s², J = 4.995658e-4.
//   lifting: 1.863137 (start), 1.510015 (constant speed), 1.156893 (braking) N·m
//   lowering: 0.6648101 (start), 1.017932 (constant speed), 1.371055 (braking) N·m
//   holding: TH = 1.460376 N·m
//   energy returned while lowering: 9.398531 + 115.1254 + 19.38283 = 143.9068 J
//   = W·s·η − Fo·s/η (potential energy less the transmission losses less the seals).
TEST(ExampleJudgement, VerticalScrewThroughGearLowersWithTheTextbookTorques) {
    Job job("08_vertical_screw_through_reducer.kjb");
    std::unique_ptr<TMotor> m = job.Judge("KRS0752ABS0");
    ASSERT_TRUE(m->Judged);
    constexpr double kHandTol = 0.005;
    const double expected[] = {1.863137, 1.510015, 1.156893, 1.460376, 0.6648101, 1.017932, 1.371055, 1.460376};
    ASSERT_EQ(job.torques->Count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_LT(Rel(job.torques->Value(i).IntervalTorque, expected[i]), kHandTol)
            << "interval " << i << ": " << job.torques->Value(i).IntervalTorque << " vs " << expected[i];
    EXPECT_LT(Rel(m->MotorEpigeneTorqueMax, 1.460376), kHandTol);
    const TMomentaryDischargeList& table = job.session->Discharge().MomentaryTable();
    ASSERT_EQ(table.Count(), 8);
    double returned = 0;
    for (int i = 4; i <= 6; ++i) returned += std::stod(table.Row(i).Er);
    EXPECT_LT(Rel(returned, 143.9068), kHandTol) << returned;
    const double w = 588.399 * 0.3, losses = w * (1 - 0.855) + 20 * 0.3 / 0.855;
    EXPECT_LT(Rel(returned, w - losses), kHandTol) << "energy balance";
    for (int i = 0; i < 4; ++i) EXPECT_EQ(std::stod(table.Row(i).Er), 0) << "lifting and holding return nothing";
}

// Example 09: a 250 N air spring pushes the slide forward (fixed-direction force −250 N) on a
// lead 10 mm screw, η = 0.9: TH = −250·k/η = −0.4420971, TD = −250·k·η = −0.3580986 N·m;
// friction TF = 0.1·(40·g + 300 N gib)·k/η = 0.1224195 N·m. Moving forward the spring drives
// the motor: at constant speed T = TF + TD = −0.2356791 N·m (it was TF + TH = −0.3196776
// before the share followed the power flow); moving back the motor drives against the spring:
// T = −TF + TH = −0.5645166 N·m, as before.
TEST(ExampleJudgement, ForceAlongTheMotionReducesTheMotorTorque) {
    Job job("09_screw_with_assisting_force.kjb");
    std::unique_ptr<TMotor> m = job.Judge("KRS0402ANS0");
    ASSERT_TRUE(m->Judged);
    constexpr double kHandTol = 0.005;
    ASSERT_EQ(job.torques->Count(), 8);
    const TTorqueValue& forward = job.torques->Value(1);
    const TTorqueValue& back = job.torques->Value(5);
    ASSERT_EQ(forward.Stop, 1);
    ASSERT_EQ(back.Stop, -1);
    EXPECT_LT(Rel(forward.IntervalTorque, -0.2356791), kHandTol) << forward.IntervalTorque;
    EXPECT_LT(std::fabs(forward.IntervalTorque), std::fabs(0.1224195 - 0.4420971)) << "reduced by the efficiency";
    EXPECT_LT(Rel(back.IntervalTorque, -0.5645166), kHandTol) << back.IntervalTorque;
    EXPECT_LT(Rel(job.torques->Value(3).IntervalTorque, -0.4420971), kHandTol) << "holding against the spring";
}
