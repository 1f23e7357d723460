// Formula keys and variable names of the linear axis's speed pattern.
#include "pattern/InputPatternStraightSpeedGridData.h"

namespace kinemo {

TInputPatternStraightSpeedGridData::TInputPatternStraightSpeedGridData(const TPatternServices& services)
    : TInputPatternSpeedGridData(services, TPatternAxis::Straight) {
    LoadColumnUnits("StraightSpeedGridMeasure", kColumns);
    Reset();
}

double TInputPatternStraightSpeedGridData::PositionFormula(double prePosition, double frequency, double preFrequency,
                                                           double elapsedTime, double timeInterval, double v) const {
    return RunPositionFormula("StraightChangePosition", prePosition, frequency, preFrequency, elapsedTime,
                              timeInterval, v);
}

void TInputPatternStraightSpeedGridData::ComputeAcceleration(int row) {
    RunAcceleration(row, "StraightSpeedGridAcceleration", "Speed", "PreSpeed");
}

}  // namespace kinemo
