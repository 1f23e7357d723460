// The position pattern of a linear axis: moves to positions in length units.
#pragma once

#include "pattern/InputPatternPositionGridData.h"

namespace kinemo {

class TInputPatternStraightPositionGridData final : public TInputPatternPositionGridData {
public:
    // Reads the column units ("StraightPositionGridMeasure") and starts empty.
    explicit TInputPatternStraightPositionGridData(const TPatternServices& services);

    // "StraightUpdateSpeed".
    void ComputeSpeed(int row) override;
    // "StraightPositionGridAcceleration".
    void ComputeAcceleration(int row) override;

protected:
    const char* SpeedFormulaKey() const override { return "StraightUpdateSpeed"; }
};

}  // namespace kinemo
