// The speed pattern of a rotary axis: load speeds in angle per time, positions as angles.
#pragma once

#include "pattern/InputPatternSpeedGridData.h"

namespace kinemo {

class TInputPatternRollingSpeedGridData final : public TInputPatternSpeedGridData {
public:
    // Reads the column units ("RollingSpeedGridMeasure") and starts empty.
    explicit TInputPatternRollingSpeedGridData(const TPatternServices& services);

    // "RollingChangePosition".
    double PositionFormula(double prePosition, double frequency, double preFrequency, double elapsedTime,
                           double timeInterval, double v) const override;
    // "RollingSpeedGridAcceleration" with "AngularSpeed" and "PreAngularSpeed".
    void ComputeAcceleration(int row) override;
};

}  // namespace kinemo
