// The judgement of catalog motors on the example projects, checked against the
// standard hand method: peak torque, effective torque, inertia ratio and the energy a
// deceleration returns.
#include "app/SizingSession.h"
#include "base/Catalog.h"
#include "app/KinemoContext.h"
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
    EXPECT_EQ(m->MaxTorqueAdjudication, 0);
    EXPECT_EQ(m->EffectiveTorque, 0);
}

// Example 03: 25 kg carriage on a vertical ball screw, lead 10 mm: JL = 1.052538e-4,
// TF = 0.02652582, TH = 0.4335491 N·m (gravity lifted through the screw efficiency).
// Pattern: 150 mm up in 0.6 s with 0.1 s ramps (1800 r/min), hold 1 s, down, hold 1 s.
// Motor KRS0402ANS0 (J_M = 0.62e-4):
//   α = 1800·2π/60 / 0.1 = 1884.96 rad/s²; J = 1.672538e-4
//   upward start: J·α + TF + TH = 0.31527 + 0.02653 + 0.43355 = 0.77535 N·m (peak)
//   holding: TH = 0.43355 N·m for 2 × 1 s
//   lowering at constant speed: T = −TF + TH = 0.40702 N·m against the motion: it
//   regenerates T·ω·t = 0.40702 · 188.50 · 0.4 = 30.689 J.
TEST(ExampleJudgement, VerticalBallScrewHoldsAndRegeneratesWhileLowering) {
    Job job("03_ball_screw_vertical.kjb");
    std::unique_ptr<TMotor> m = job.Judge("KRS0402ANS0");
    const double jl = 1.052538e-4, tf = 0.02652582, th = 0.4335491, jm = 0.62e-4;
    const double w = 1800 * 2 * kPi / 60, alpha = w / 0.1, j = jl + jm;
    EXPECT_LT(Rel(m->MotorNecessityMaxTorque, j * alpha + tf + th), kRelTol);
    EXPECT_LT(Rel(m->MotorEpigeneTorqueMax, th), kRelTol);
    EXPECT_LT(Rel(m->MotorInertiaRatio, jl / jm), kRelTol);
    const double lowering = (th - tf) * w * 0.4;
    const TMomentaryDischargeList& table = job.session->Discharge().MomentaryTable();
    ASSERT_EQ(table.Count(), 8);
    EXPECT_LT(Rel(std::stod(table.Row(5).Er), lowering), kRelTol) << table.Row(5).Er << " vs " << lowering;
    EXPECT_EQ(table.Row(5).Behavior, "-1");
    EXPECT_GT(m->maxP, 0);
}
