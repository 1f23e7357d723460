// The speed chart: the pattern's speed curve over time (red, or blue for an S-curve that
// is drawn in its own colour), the grey band over the selected interval, the axis titles
// with their units and the speed axis range of the chart state. The motor detail window
// draws the same state with it.
#pragma once

#include <QChartView>

#include <string>

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace kinemo {

class TSpeedChartState;

class TChartSpeed : public QChartView {
    Q_OBJECT
public:
    static constexpr unsigned kBandColour = 0xE0E0E0;  // light grey

    explicit TChartSpeed(QWidget* parent = nullptr);

    void SetTitle(const std::string& title);
    void SetInterfaceFont(const std::string& fontName);
    // The curve, titles and axes of the state; the band too.
    void Draw(const TSpeedChartState& state);
    void DrawBand(const TSpeedChartState& state);

    QLineSeries* Curve() const { return curve_; }
    QAreaSeries* Band() const { return band_; }
    QValueAxis* TimeAxis() const { return timeAxis_; }
    QValueAxis* SpeedAxis() const { return speedAxis_; }

private:
    QLineSeries* curve_;
    QLineSeries* bandTop_;
    QLineSeries* bandBottom_;
    QAreaSeries* band_;
    QValueAxis* timeAxis_;
    QValueAxis* speedAxis_;
};

}  // namespace kinemo
