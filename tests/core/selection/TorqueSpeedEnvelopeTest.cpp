// The torque-speed envelope: the rule, the catalog's series curves, unusable tables and
// the operating points of a judged pattern.
#include "selection/TorqueSpeedEnvelope.h"

#include "base/Catalog.h"
#include "support/ExampleSession.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kinemo {
namespace {

constexpr double kTol = 1e-9;
using Env = TTorqueSpeedEnvelope;

TMotor Motor(double rated, double maxSpeed, double ratedTorque, double peakTorque) {
    TMotor m;
    m.MotorRatedSpeed = rated;
    m.MotorMaxSpeed = maxSpeed;
    m.MotorRatedTorque = ratedTorque;
    m.MotorMaxTorque = peakTorque;
    return m;
}

TEST(TorqueSpeedEnvelopeTest, RuleKeepsTorqueToRatedSpeedThenConstantPower) {
    const Env e = Env::FromRule(Motor(3000, 5000, 1.27, 3.82));
    struct Case { double speed, continuous, peak; };
    const Case cases[] = {{0, 1.27, 3.82},
                          {-2000, 1.27, 3.82},
                          {3000, 1.27, 3.82},
                          {5000, 1.27 * 0.6, 3.82 * 0.6},
                          {5001, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_NEAR(Env::Limit(e.Continuous(), c.speed), c.continuous, 1e-3) << c.speed;
        EXPECT_NEAR(Env::Limit(e.Peak(), c.speed), c.peak, 1e-3) << c.speed;
    }
    // Between the points the curve is a chord of the hyperbola, never above it by much.
    EXPECT_NEAR(Env::Limit(e.Continuous(), 4000), 1.27 * 3000 / 4000, 0.02);
    EXPECT_EQ(e.ContinuousSource(), Env::TSource::Rule);
    // No maximum speed, no envelope; a rated speed at or above the maximum: flat.
    EXPECT_TRUE(Env::FromRule(Motor(3000, 0, 1, 3)).Peak().empty());
    const Env flat = Env::FromRule(Motor(5000, 5000, 1, 3));
    EXPECT_NEAR(Env::Limit(flat.Continuous(), 5000), 1, kTol);
}

TEST(TorqueSpeedEnvelopeTest, ScaledPositionsAndUnusableTables) {
    const TSpeedTorqueCurve good{{0, 1}, {1, 1}, {2, 0.5}};
    const TSpeedTorqueCurve z = Env::Scaled(good, 3000, 5000, 2);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_NEAR(z[1].Speed, 3000, kTol);
    EXPECT_NEAR(z[2].Speed, 5000, kTol);
    EXPECT_NEAR(z[2].Torque, 1, kTol);
    EXPECT_NEAR(Env::Scaled({{0, 1}, {1.5, 1}}, 2000, 3000, 1)[1].Speed, 2500, kTol);
    struct Case { const char* why; TSpeedTorqueCurve points; };
    const Case bad[] = {{"one point", {{0, 1}}},
                        {"not from standstill", {{0.5, 1}, {2, 1}}},
                        {"speeds falling", {{0, 1}, {1.5, 1}, {1, 1}}},
                        {"beyond the maximum", {{0, 1}, {2.5, 1}}},
                        {"negative torque", {{0, 1}, {2, -0.1}}}};
    for (const Case& c : bad) EXPECT_TRUE(Env::Scaled(c.points, 3000, 5000, 2).empty()) << c.why;
}

TEST(TorqueSpeedEnvelopeTest, CatalogCurvesOfTheSeries) {
    TCatalog catalog(test::SampleCatalogPath());
    TCatalogQuery query(catalog);
    std::unique_ptr<TMotor> m = LoadMotorByModel(query, "KRS0402ANS0");
    ASSERT_TRUE(m);
    const Env e = Env::Load(query, *m);
    EXPECT_EQ(e.ContinuousSource(), Env::TSource::Catalog);
    EXPECT_EQ(e.PeakSource(), Env::TSource::Catalog);
    // Rated torque is available up to the rated speed, peak torque at standstill, and the
    // peak zone stays above the continuous zone up to the maximum speed.
    EXPECT_NEAR(Env::Limit(e.Continuous(), m->MotorRatedSpeed), m->MotorRatedTorque, kTol);
    EXPECT_NEAR(Env::Limit(e.Peak(), 0), m->MotorMaxTorque, kTol);
    EXPECT_NEAR(e.Peak().back().Speed, m->MotorMaxSpeed, kTol);
    for (double n = 0; n <= m->MotorMaxSpeed; n += 250)
        EXPECT_GE(Env::Limit(e.Peak(), n), Env::Limit(e.Continuous(), n)) << n;
    const TSpeedTorqueCurve both = Env::BothDirections(e.Continuous());
    EXPECT_NEAR(both.front().Speed, -m->MotorMaxSpeed, kTol);
    EXPECT_NEAR(both.back().Speed, m->MotorMaxSpeed, kTol);
}

TEST(TorqueSpeedEnvelopeTest, OperatingPointsOfTheJudgedPattern) {
    test::ExampleSession ex("02_ball_screw_through_gear.kjb");
    std::unique_ptr<TMotor> m = LoadMotorByModel(ex.ctx->Query(), "KRS0402ANS0");
    ASSERT_TRUE(m);
    ex.session->Search().SetInputSupplyText("200");
    ASSERT_TRUE(ex.session->Candidates().JudgeOneMotor(*m));
    const TSpeedTorqueCurve points = OperatingPoints(*m->Torques);
    ASSERT_EQ(static_cast<int>(points.size()), m->Torques->Count());
    double fastest = 0;
    for (const TSpeedTorquePoint& p : points) fastest = std::max(fastest, std::fabs(p.Speed));
    EXPECT_NEAR(fastest, m->MotorMaxSpeedMax, 1e-6);
    const TSpeedTorquePoint eff = EffectivePoint(*m->Torques, m->MotorEffectiveTorque);
    EXPECT_GT(eff.Speed, 0);
    EXPECT_LT(eff.Speed, fastest);
    EXPECT_NEAR(eff.Torque, m->MotorEffectiveTorque, kTol);
    // Example 02 passes with this motor: every interval inside the peak zone.
    const Env e = Env::Load(ex.ctx->Query(), *m);
    for (const TSpeedTorquePoint& p : points) EXPECT_LE(std::fabs(p.Torque), Env::Limit(e.Peak(), p.Speed));
}

}  // namespace
}  // namespace kinemo
