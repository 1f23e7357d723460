// Formula keys of the rotary axis's position pattern.
#include "pattern/InputPatternRollingPositionGridData.h"

namespace kinemo {

TInputPatternRollingPositionGridData::TInputPatternRollingPositionGridData(const TPatternServices& services)
    : TInputPatternPositionGridData(services, TPatternAxis::Rolling) {
    LoadColumnUnits("RollingPositionGridMeasure", kColumns);
    Reset();
}

void TInputPatternRollingPositionGridData::ComputeSpeed(int row) { RunSpeed(row, SpeedFormulaKey()); }

void TInputPatternRollingPositionGridData::ComputeAcceleration(int row) {
    RunAcceleration(row, "RollingPositionGridAcceleration");
}

}  // namespace kinemo
