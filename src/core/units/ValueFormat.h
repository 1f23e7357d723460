// Number formats: the display precision, the float-to-text rule handed to formulas, Round12.
#pragma once

#include <string>

namespace kinemo {

// A double as the formula engine and the project files read it: 15 significant digits,
// trailing zeros dropped, fixed notation for decimal exponents -3..15, else "d.dddE-n".
std::string FloatToText(double value);

// FloatToText with a chosen number of significant digits (1..17); used by "%.Ng".
std::string FloatToText(double value, int significantDigits);

// Reads a number the way the system reads user and file texts ("." as decimal point,
// optional exponent, surrounding blanks allowed). Returns false for anything else.
bool TryTextToFloat(const std::string& text, double& value);

// x rounded to 12 decimal places, ties to even; magnitudes that would overflow the
// 64-bit intermediate are returned unchanged.
double Round12(double x);

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

    // Stores n (clamped to 0..12) in the settings file at once; the running precision
    // stays, the new one applies from the next start.
    void SetPrecision(int n) const;

private:
    std::string settingsPath_;  // empty: no settings file
    int precision_ = kDefaultPrecision;
};

}  // namespace kinemo
