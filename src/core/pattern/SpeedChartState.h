// What the speed chart shows: the curve of the visible pattern, the axis titles, the speed
// axis range, the curve colour and the band over the selected interval. The motor detail
// window draws the same state on its own chart.
#pragma once

#include "pattern/PatternRecords.h"

#include <string>
#include <utility>

namespace kinemo {

class TInputPatternGridModel;
class TMeasure;

class TSpeedChartState {
public:
    // Titles, points and unit pair from the grid; the speed axis from the points.
    // sigmoidal: the selected S-curve's Adhibition (the curve takes the S-curve colour).
    void Draw(const TInputPatternGridModel& grid, bool sigmoidal);
    // The band from start to end at the top of the speed axis; none when start > end.
    void SelectInterval(double end, double start);
    void ClearBand() { band_.clear(); }

    // -1..1 while the curve stays at 0, else 1.1 times the largest and the smallest speed.
    static std::pair<double, double> SpeedAxisRange(const TChartPointList& points);

    const TChartPointList& ChartPoints() const { return points_; }
    const std::string& BottomAxisTitle() const { return bottomTitle_; }
    const std::string& LeftAxisTitle() const { return leftTitle_; }
    // The ElapsedTime column's units, to convert the chart's time values.
    const TMeasure* TimeBaseUnit() const { return timeBase_; }
    const TMeasure* TimeDisplayUnit() const { return timeDisplay_; }
    double AxisMinimum() const { return axisMin_; }
    double AxisMaximum() const { return axisMax_; }
    bool SigmoidalColour() const { return sigmoidal_; }
    const TChartPointList& Band() const { return band_; }

private:
    TChartPointList points_;
    TChartPointList band_;
    std::string bottomTitle_;
    std::string leftTitle_;
    const TMeasure* timeBase_ = nullptr;
    const TMeasure* timeDisplay_ = nullptr;
    double axisMin_ = -1;
    double axisMax_ = 1;
    bool sigmoidal_ = false;
};

}  // namespace kinemo
