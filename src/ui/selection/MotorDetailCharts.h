// The detail window's three charts drawn from core figures: the drive pattern's speed,
// the interval torque steps and the torque-speed envelope with the operating points.
#pragma once

#include "pattern/PatternRecords.h"
#include "selection/TorqueSpeedEnvelope.h"

#include <string>
#include <utility>

class QChart;

namespace kinemo {

class TSpeedChartState;

// A chart without animation, with a small title and a bottom legend when asked.
QChart* NewDetailChart(const std::string& title, bool legend);

void DrawSpeedChart(QChart& chart, const TSpeedChartState& state);
void DrawTorqueChart(QChart& chart, const TChartPointList& points, std::pair<double, double> torqueAxis,
                     const std::string& timeTitle, const std::string& torqueTitle);

struct TEnvelopeTexts {
    std::string SpeedTitle, TorqueTitle, Continuous, Peak, Intervals, Effective;
};
void DrawEnvelopeChart(QChart& chart, const TTorqueSpeedEnvelope& envelope, const TSpeedTorqueCurve& operating,
                       const TSpeedTorquePoint& effective, const TEnvelopeTexts& texts);

}  // namespace kinemo
