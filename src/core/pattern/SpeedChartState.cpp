// The speed chart's titles, curve, axis range and band.
#include "pattern/SpeedChartState.h"

#include "pattern/InputPatternGridModel.h"
#include "base/TextFormat.h"
#include "units/Measure.h"

#include <algorithm>
#include <tuple>

namespace kinemo {

void TSpeedChartState::Draw(const TInputPatternGridModel& grid, bool sigmoidal) {
    const TInputPatternGridData& data = grid.Data();
    bottomTitle_ = FormatText("%s[%s]", {grid.ColumnTitle(TInputPatternGridData::kElapsedTime),
                                         data.DisplayUnit(TInputPatternGridData::kElapsedTime).Symbol()});
    leftTitle_ = FormatText("%s[%s]", {grid.ColumnTitle(TInputPatternGridData::kSpeed),
                                       data.DisplayUnit(TInputPatternGridData::kSpeed).Symbol()});
    timeBase_ = &data.BaseUnit(TInputPatternGridData::kElapsedTime);
    timeDisplay_ = &data.DisplayUnit(TInputPatternGridData::kElapsedTime);
    data.GetChartPoints(points_);
    sigmoidal_ = sigmoidal;
    std::tie(axisMin_, axisMax_) = SpeedAxisRange(points_);
}

std::pair<double, double> TSpeedChartState::SpeedAxisRange(const TChartPointList& points) {
    double lowest = 0;
    double highest = 0;
    for (const TChartPoint& p : points) {
        lowest = std::min(lowest, p.Y);
        highest = std::max(highest, p.Y);
    }
    if (lowest == 0 && highest == 0) return {-1, 1};
    return {1.1 * lowest, 1.1 * highest};
}

void TSpeedChartState::SelectInterval(double end, double start) {
    band_.clear();
    if (start <= end) band_ = {{start, axisMax_}, {end, axisMax_}};
}

}  // namespace kinemo
