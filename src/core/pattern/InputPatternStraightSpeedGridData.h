// The speed pattern of a linear axis: load speeds in length per time, positions in length.
#pragma once

#include "pattern/InputPatternSpeedGridData.h"

namespace kinemo {

class TInputPatternStraightSpeedGridData final : public TInputPatternSpeedGridData {
public:
    // Reads the column units ("StraightSpeedGridMeasure") and starts empty.
    explicit TInputPatternStraightSpeedGridData(const TPatternServices& services);

    // "StraightChangePosition".
    double PositionFormula(double prePosition, double frequency, double preFrequency, double elapsedTime,
                           double timeInterval, double v) const override;
    // "StraightSpeedGridAcceleration" with "Speed" and "PreSpeed".
    void ComputeAcceleration(int row) override;
};

}  // namespace kinemo
