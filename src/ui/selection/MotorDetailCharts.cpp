// Detail window charts.
#include "selection/MotorDetailCharts.h"
#include "common/QtText.h"

#include "pattern/SpeedChartState.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kinemo {

namespace {

QValueAxis* Axis(QChart& chart, Qt::Alignment side, const std::string& title, double lo, double hi) {
    auto* axis = new QValueAxis(&chart);
    axis->setTitleText(Qs(title));
    QFont f = axis->titleFont();
    f.setPointSizeF(8);
    f.setBold(false);
    axis->setTitleFont(f);
    QFont l = axis->labelsFont();
    l.setPointSizeF(7.5);
    axis->setLabelsFont(l);
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
    chart.addAxis(axis, side);
    return axis;
}

void Attach(QChart& chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QLineSeries* Line(const TChartPointList& points, const QColor& colour, double width) {
    auto* s = new QLineSeries;
    for (const TChartPoint& p : points) s->append(p.X, p.Y);
    QPen pen(colour);
    pen.setWidthF(width);
    s->setPen(pen);
    return s;
}

}  // namespace

QChart* NewDetailChart(const std::string& title, bool legend) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(Qs(title));
    QFont f = chart->titleFont();
    f.setPointSizeF(9);
    f.setBold(true);
    chart->setTitleFont(f);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setVisible(legend);
    if (legend) {
        chart->legend()->setAlignment(Qt::AlignBottom);
        QFont lf = chart->legend()->font();
        lf.setPointSizeF(7.5);
        chart->legend()->setFont(lf);
    }
    return chart;
}

void DrawSpeedChart(QChart& chart, const TSpeedChartState& state) {
    const TChartPointList& points = state.ChartPoints();
    double end = 0;
    for (const TChartPoint& p : points) end = std::max(end, p.X);
    QValueAxis* x = Axis(chart, Qt::AlignBottom, state.BottomAxisTitle(), 0, end > 0 ? end : 1);
    QValueAxis* y = Axis(chart, Qt::AlignLeft, state.LeftAxisTitle(), state.AxisMinimum(), state.AxisMaximum());
    const QColor colour = state.SigmoidalColour() ? QColor(0xc0, 0x50, 0x00) : QColor(0x1f, 0x5f, 0xbf);
    Attach(chart, Line(points, colour, 2), x, y);
}

void DrawTorqueChart(QChart& chart, const TChartPointList& points, std::pair<double, double> torqueAxis,
                     const std::string& timeTitle, const std::string& torqueTitle) {
    double end = 0;
    for (const TChartPoint& p : points) end = std::max(end, p.X);
    QValueAxis* x = Axis(chart, Qt::AlignBottom, timeTitle, 0, end > 0 ? end : 1);
    QValueAxis* y = Axis(chart, Qt::AlignLeft, torqueTitle, torqueAxis.first, torqueAxis.second);
    Attach(chart, Line({{0, 0}, {end > 0 ? end : 1, 0}}, QColor(0x90, 0x90, 0x90), 1), x, y);
    Attach(chart, Line(points, QColor(0xb0, 0x30, 0x30), 2), x, y);
}

void DrawEnvelopeChart(QChart& chart, const TTorqueSpeedEnvelope& envelope, const TSpeedTorqueCurve& operating,
                       const TSpeedTorquePoint& effective, const TEnvelopeTexts& texts) {
    double speed = 1, torque = 1;
    for (const TSpeedTorquePoint& p : envelope.Peak()) {
        speed = std::max(speed, p.Speed);
        torque = std::max(torque, p.Torque);
    }
    for (const TSpeedTorquePoint& p : operating) {
        speed = std::max(speed, std::fabs(p.Speed));
        torque = std::max(torque, std::fabs(p.Torque));
    }
    if (envelope.Peak().empty()) torque = std::max(torque, 1.0);
    QValueAxis* x = Axis(chart, Qt::AlignBottom, texts.SpeedTitle, -speed, speed);
    x->setLabelFormat("%.0f");
    QValueAxis* y = Axis(chart, Qt::AlignLeft, texts.TorqueTitle, -1.1 * torque, 1.1 * torque);
    auto zone = [&](const TSpeedTorqueCurve& curve, const std::string& name, QColor fill, QColor edge) {
        if (curve.empty()) return;
        auto* upper = new QLineSeries(&chart);
        auto* lower = new QLineSeries(&chart);
        for (const TSpeedTorquePoint& p : TTorqueSpeedEnvelope::BothDirections(curve)) {
            upper->append(p.Speed, p.Torque);
            lower->append(p.Speed, -p.Torque);
        }
        auto* area = new QAreaSeries(upper, lower);
        area->setName(Qs(name));
        area->setBrush(fill);
        QPen pen(edge);
        pen.setWidthF(1.2);
        area->setPen(pen);
        Attach(chart, area, x, y);
    };
    zone(envelope.Peak(), texts.Peak, QColor(0xfc, 0xe0, 0xb8), QColor(0xd0, 0x80, 0x20));
    zone(envelope.Continuous(), texts.Continuous, QColor(0xc6, 0xe8, 0xc6), QColor(0x30, 0x90, 0x30));
    auto* points = new QScatterSeries;
    points->setName(Qs(texts.Intervals));
    points->setMarkerSize(7);
    points->setColor(QColor(0x1f, 0x5f, 0xbf));
    points->setBorderColor(QColor(0x10, 0x30, 0x70));
    for (const TSpeedTorquePoint& p : operating) points->append(p.Speed, p.Torque);
    Attach(chart, points, x, y);
    auto* eff = new QScatterSeries;
    eff->setName(Qs(texts.Effective));
    eff->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    eff->setMarkerSize(9);
    eff->setColor(QColor(0xc0, 0x10, 0x10));
    eff->setBorderColor(Qt::black);
    eff->append(effective.Speed, effective.Torque);
    Attach(chart, eff, x, y);
}

}  // namespace kinemo
