// Number formats: the display precision of values on screens and in grids.
#include "units/ValueFormat.h"

#include "base/ConfigFile.h"
#include "base/TextFormat.h"

#include <algorithm>

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

std::string TValueFormat::Display(double value) const { return FormatText(DisplayFormat(), {value}); }

std::string TValueFormat::Grid(double value) const { return FormatText(GridFormat(), {value}); }

void TValueFormat::SetPrecision(int n) const {
    if (settingsPath_.empty()) return;
    TConfigFile ini(settingsPath_);
    ini.WriteInteger("ValueFormat", "Prec", std::clamp(n, 0, kMaxPrecision));
    ini.UpdateFile();
}

}  // namespace kinemo
