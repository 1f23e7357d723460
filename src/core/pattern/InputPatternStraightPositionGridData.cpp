// Formula keys of the linear axis's position pattern.
#include "pattern/InputPatternStraightPositionGridData.h"

namespace kinemo {

TInputPatternStraightPositionGridData::TInputPatternStraightPositionGridData(const TPatternServices& services)
    : TInputPatternPositionGridData(services, TPatternAxis::Straight) {
    LoadColumnUnits("StraightPositionGridMeasure", kColumns);
    Reset();
}

void TInputPatternStraightPositionGridData::ComputeSpeed(int row) { RunSpeed(row, SpeedFormulaKey()); }

void TInputPatternStraightPositionGridData::ComputeAcceleration(int row) {
    RunAcceleration(row, "StraightPositionGridAcceleration");
}

}  // namespace kinemo
