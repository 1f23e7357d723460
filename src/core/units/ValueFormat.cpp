// Number formats: the display precision of values on screens and in grids.
#include "units/ValueFormat.h"

#include "base/ConfigFile.h"
#include "base/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kinemo {

TValueFormat::TValueFormat(std::string settingsPath) : settingsPath_(std::move(settingsPath)) {
    TConfigFile ini(settingsPath_);
    precision_ = std::clamp(ini.ReadInteger("ValueFormat", "Prec", kDefaultPrecision), 0,
                            kMaxPrecision);
}

TValueFormat::TValueFormat(int precision) : precision_(std::clamp(precision, 0, kMaxPrecision)) {}

std::string TValueFormat::DisplayFormat() const { return "%1." + std::to_string(precision_) + "f"; }

std::string TValueFormat::GridFormat() const {
    return "%" + std::to_string(15 - precision_) + "." + std::to_string(precision_) + "f";
}

namespace {

// A tiny negative value that rounds to zero at the precision is shown as zero, not "-0.0000"
// (a computed position back at the start is often a few 1e-14 below it). The sign gives
// way to a blank so that columns stay aligned.
std::string WithoutNegativeZero(std::string text) {
    const size_t minus = text.find('-');
    if (minus != std::string::npos && text.find_first_not_of("0.", minus + 1) == std::string::npos)
        text[minus] = ' ';
    return text;
}

}  // namespace

std::string TValueFormat::Display(double value) const {
    std::string text;
    if (precision_ >= 0 && std::isfinite(value)) {
        // What the display format "%1.<precision>f" gives, written without reading the
        // format each time: a candidate grid shows thousands of numbers.
        char buf[512];
        std::snprintf(buf, sizeof buf, "%.*f", std::min(precision_, 18), value);
        text = WithoutNegativeZero(buf);
    } else {
        text = WithoutNegativeZero(FormatText(DisplayFormat(), {value}));
    }
    return text[0] == ' ' ? text.substr(1) : text;
}

std::string TValueFormat::Grid(double value) const { return WithoutNegativeZero(FormatText(GridFormat(), {value})); }

void TValueFormat::SetPrecision(int n) const {
    if (settingsPath_.empty()) return;
    TConfigFile ini(settingsPath_);
    ini.WriteInteger("ValueFormat", "Prec", std::clamp(n, 0, kMaxPrecision));
    ini.UpdateFile();
}

}  // namespace kinemo
