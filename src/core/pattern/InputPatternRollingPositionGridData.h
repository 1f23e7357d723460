// The position pattern of a rotary axis: moves to angles.
#pragma once

#include "pattern/InputPatternPositionGridData.h"

namespace kinemo {

class TInputPatternRollingPositionGridData final : public TInputPatternPositionGridData {
public:
    // Reads the column units ("RollingPositionGridMeasure") and starts empty.
    explicit TInputPatternRollingPositionGridData(const TPatternServices& services);

    // "RollingUpdateSpeed".
    void ComputeSpeed(int row) override;
    // "RollingPositionGridAcceleration".
    void ComputeAcceleration(int row) override;

protected:
    const char* SpeedFormulaKey() const override { return "RollingUpdateSpeed"; }
};

}  // namespace kinemo
