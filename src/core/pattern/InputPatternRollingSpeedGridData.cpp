// Formula keys and variable names of the rotary axis's speed pattern.
#include "pattern/InputPatternRollingSpeedGridData.h"

namespace kinemo {

TInputPatternRollingSpeedGridData::TInputPatternRollingSpeedGridData(const TPatternServices& services)
    : TInputPatternSpeedGridData(services, TPatternAxis::Rolling) {
    LoadColumnUnits("RollingSpeedGridMeasure", kColumns);
    Reset();
}

double TInputPatternRollingSpeedGridData::PositionFormula(double prePosition, double frequency, double preFrequency,
                                                          double elapsedTime, double timeInterval, double v) const {
    return RunPositionFormula("RollingChangePosition", prePosition, frequency, preFrequency, elapsedTime,
                              timeInterval, v);
}

void TInputPatternRollingSpeedGridData::ComputeAcceleration(int row) {
    RunAcceleration(row, "RollingSpeedGridAcceleration", "AngularSpeed", "PreAngularSpeed");
}

}  // namespace kinemo
