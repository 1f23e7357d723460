// A session judges many motors in a row and keeps recent results by their inputs (the
// same motor is sold under several extension codes). Every motor must come out exactly
// as it does in a session that judged nothing before it.
#include "session/SizingSession.h"
#include "base/Catalog.h"
#include "session/KinemoContext.h"
#include "support/ExampleSession.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

using namespace kinemo;

namespace {

struct Session : test::ExampleSession {
    explicit Session(const std::string& example) : ExampleSession(example) {}
    // Twins (one motor under several extension codes) come next to each other.
    std::vector<std::unique_ptr<TMotor>> AllMotors() { return LoadEveryCatalogMotor(ctx->Query()); }
    // The motor's results, logs and regeneration table as one text.
    std::string Judge(TMotor& m) {
        torques.push_back(session->Discharge().BuildMotorTorques(m));
        session->Discharge().JudgeMotor(m, *torques.back(), m.MotorRatedSupply);
        std::string s = m.GetDebugText();
        for (double v : {m.JL, m.MotorMaxSpeedMax, m.MotorRunningTorqueMax, m.MotorRunningTorqueMaxPercent,
                         m.MotorEpigeneTorqueMax, m.MotorEpigeneTorqueMaxPercent, m.MotorInertiaRatio,
                         m.MotorMaxTorquePercent, m.MotorNecessityMaxTorque, m.MotorEffectiveTorque,
                         m.MotorEffectiveTorquePercent, m.maxP, m.maxPm})
            s += FloatToText(v) + ";";
        for (int c : {m.MaxTorqueAdjudicationCode, m.EffectiveTorqueCode, m.MaxSpeedCode, m.RunningTorqueCode, m.EpigeneTorqueCode,
                      m.InertiaCode, m.AllowableDischargeAdjudicationCode, m.WarningMomentaryDischargeAdjudicationCode,
                      m.ResultCode, static_cast<int>(m.Judged)})
            s += std::to_string(c) + ";";
        s += m.RegenerationResistanceLoadRate + ";";
        for (const std::string& row : session->Discharge().MomentaryTable().FormatRows()) s += row + ";";
        return s;
    }
    std::vector<std::unique_ptr<TTorqueList>> torques;
};

class RepeatedJudgement : public testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(RepeatedJudgement, EveryMotorComesOutAsInAFreshSession) {
    Session longRun(GetParam());
    std::vector<std::unique_ptr<TMotor>> motors = longRun.AllMotors();
    ASSERT_GT(motors.size(), 300u);
    std::vector<std::string> results;
    for (auto& m : motors) results.push_back(longRun.Judge(*m));

    // Twins judged right after their sibling, and motors judged after a different one.
    std::vector<size_t> samples;
    size_t twins = 0, others = 0;
    for (size_t i = 1; i < motors.size(); ++i) {
        const bool twin = motors[i]->msv_cd == motors[i - 1]->msv_cd;
        if (twin && twins++ % 60 == 0) samples.push_back(i);
        if (!twin && others++ % 60 == 0) samples.push_back(i);
    }
    ASSERT_GT(twins, 100u);
    for (size_t i : samples) {
        Session fresh(GetParam());
        std::vector<std::unique_ptr<TMotor>> own = fresh.AllMotors();
        ASSERT_EQ(own.size(), motors.size());
        EXPECT_EQ(fresh.Judge(*own[i]), results[i]) << own[i]->msv_model_all;
    }
    // Twins share every result, yet each keeps its own identity.
    for (size_t i = 1; i < motors.size(); ++i)
        if (motors[i]->msv_cd == motors[i - 1]->msv_cd) {
            EXPECT_NE(motors[i]->mxc_cd, motors[i - 1]->mxc_cd);
            EXPECT_EQ(motors[i]->JudgementLog, motors[i - 1]->JudgementLog);
        }
}

// A geared ball screw (eleven intervals, one regenerating) and a vertical axis whose
// lowering regenerates.
INSTANTIATE_TEST_SUITE_P(Examples, RepeatedJudgement,
                         testing::Values("02_ball_screw_through_gear.kjb", "03_ball_screw_vertical.kjb"));
