// Number formats: the display precision of values on screens and in grids.
#pragma once

#include "base/NumberText.h"

#include <string>

namespace kinemo {

// The precision of displayed numbers, read from the settings file when created.
class TValueFormat {
public:
    static constexpr int kDefaultPrecision = 4;
    static constexpr int kMaxPrecision = 12;

    // Reads "ValueFormat"/"Prec" from the settings file at settingsPath.
    explicit TValueFormat(std::string settingsPath);
    // A fixed precision, without a settings file (tests, tools).
    explicit TValueFormat(int precision);

    int Precision() const { return precision_; }
    std::string DisplayFormat() const;  // "%1.<p>f"
    std::string GridFormat() const;     // "%<15-p>.<p>f"
    std::string Display(double value) const;
    std::string Grid(double value) const;

    // The decimal mark of the user's locale ('.' unless the desktop says otherwise); typed
    // numbers are read with it, files and formulas always with '.'.
    char DecimalMark() const { return decimalMark_; }
    void SetDecimalMark(char mark) { decimalMark_ = mark == ',' ? ',' : '.'; }
    // A typed text as a number (TryTypedTextToFloat with the decimal mark); false when it
    // is not wholly one number.
    bool ReadTyped(const std::string& text, double& value) const {
        return TryTypedTextToFloat(text, decimalMark_, value);
    }

    // Stores n (clamped to 0..12) in the settings file at once; the running precision
    // stays, the new one applies from the next start.
    void SetPrecision(int n) const;

private:
    std::string settingsPath_;  // empty: no settings file
    int precision_ = kDefaultPrecision;
    char decimalMark_ = '.';
};

}  // namespace kinemo
