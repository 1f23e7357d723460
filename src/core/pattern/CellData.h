// One value of the drive pattern: kept in its column's base unit, shown in the display unit.
#pragma once

namespace kinemo {

class TMeasure;
class TMeasureManager;

class TCellData {
public:
    TCellData(const TMeasureManager& measures, const TMeasure& displayUnit, const TMeasure& baseUnit)
        : measures_(&measures), displayUnit_(&displayUnit), baseUnit_(&baseUnit) {}

    const TMeasure& DisplayUnit() const { return *displayUnit_; }
    const TMeasure& BaseUnit() const { return *baseUnit_; }
    double DisplayValue() const { return displayValue_; }
    double Value() const { return value_; }

    // Each setter keeps the other representation in step.
    void SetDisplayValue(double x);
    void SetValue(double x);
    // Keeps the base value and re-expresses the display value.
    void SetDisplayUnit(const TMeasure& unit);
    // Value 0, not entered.
    void Clear();

    // The cell has been given or computed a value and is shown even when zero.
    bool Entered = false;

private:
    const TMeasureManager* measures_;
    const TMeasure* displayUnit_;
    const TMeasure* baseUnit_;
    double displayValue_ = 0;
    double value_ = 0;
};

}  // namespace kinemo
