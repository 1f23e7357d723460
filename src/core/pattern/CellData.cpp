// Conversions of a pattern value between its display and base units.
#include "pattern/CellData.h"

#include "units/Measure.h"

namespace kinemo {

void TCellData::SetDisplayValue(double x) {
    displayValue_ = x;
    value_ = measures_->Convert(displayUnit_->Code(), baseUnit_->Code(), x);
}

void TCellData::SetValue(double x) {
    value_ = x;
    displayValue_ = measures_->Convert(baseUnit_->Code(), displayUnit_->Code(), x);
}

void TCellData::SetDisplayUnit(const TMeasure& unit) {
    displayUnit_ = &unit;
    displayValue_ = measures_->Convert(baseUnit_->Code(), displayUnit_->Code(), value_);
}

void TCellData::Clear() {
    displayValue_ = 0;
    value_ = 0;
    Entered = false;
}

}  // namespace kinemo
