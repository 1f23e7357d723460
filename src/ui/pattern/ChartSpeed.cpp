// The speed chart drawn from the chart state.
#include "pattern/ChartSpeed.h"

#include "pattern/SpeedChartState.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kinemo {

namespace {

constexpr int kTickCount = 5;  // about this many steps over an axis

// 1, 2 or 5 times a power of ten, so that the labels are round numbers from 0.
double RoundStep(double span) {
    if (!(span > 0)) return 1;
    const double raw = span / kTickCount;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double n = raw / magnitude;
    return (n < 1.5 ? 1 : n < 3 ? 2 : n < 7 ? 5 : 10) * magnitude;
}

// The step never meets a range it would cut into millions of ticks: the wider of the old
// and the new step is set before the range changes.
void SetRange(QValueAxis* axis, double low, double high) {
    const double step = RoundStep(high - low);
    axis->setTickInterval(std::max(step, axis->tickInterval()));
    axis->setRange(low, high);
    axis->setTickInterval(step);
}

}  // namespace

TChartSpeed::TChartSpeed(QWidget* parent)
    : QChartView(parent),
      curve_(new QLineSeries),
      bandTop_(new QLineSeries),
      bandBottom_(new QLineSeries),
      band_(new QAreaSeries(bandTop_, bandBottom_)),
      timeAxis_(new QValueAxis),
      speedAxis_(new QValueAxis) {
    setObjectName("ChartSpeed");
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->legend()->hide();
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(4, 4, 8, 4));
    band_->setColor(QColor::fromRgb(kBandColour));
    band_->setBorderColor(QColor::fromRgb(kBandColour));
    c->addSeries(band_);
    QPen pen(Qt::red);
    pen.setWidth(2);
    curve_->setPen(pen);
    c->addSeries(curve_);
    for (QValueAxis* axis : {timeAxis_, speedAxis_}) {
        axis->setLabelFormat("%g");
        axis->setRange(0, 1);
        axis->setTickAnchor(0);
        axis->setTickInterval(RoundStep(1));
        axis->setTickType(QValueAxis::TicksDynamic);
    }
    c->addAxis(timeAxis_, Qt::AlignBottom);
    c->addAxis(speedAxis_, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(band_), static_cast<QAbstractSeries*>(curve_)}) {
        s->attachAxis(timeAxis_);
        s->attachAxis(speedAxis_);
    }
    SetRange(speedAxis_, -1, 1);
    SetRange(timeAxis_, 0, 1);
}

void TChartSpeed::SetTitle(const std::string& title) { chart()->setTitle(QString::fromStdString(title)); }

void TChartSpeed::SetInterfaceFont(const std::string& fontName) {
    if (fontName.empty()) return;
    QChart* c = chart();
    QFont title = c->titleFont();
    title.setFamily(QString::fromStdString(fontName));
    c->setTitleFont(title);
    for (QValueAxis* axis : {timeAxis_, speedAxis_}) {
        QFont labels = axis->labelsFont();
        labels.setFamily(QString::fromStdString(fontName));
        axis->setLabelsFont(labels);
        QFont axisTitle = axis->titleFont();
        axisTitle.setFamily(QString::fromStdString(fontName));
        axis->setTitleFont(axisTitle);
    }
}

void TChartSpeed::Draw(const TSpeedChartState& state) {
    QPen pen(state.SigmoidalColour() ? Qt::blue : Qt::red);
    pen.setWidth(2);
    curve_->setPen(pen);
    QList<QPointF> points;
    double lastTime = 0;
    for (const TChartPoint& p : state.ChartPoints()) {
        points.append(QPointF(p.X, p.Y));
        lastTime = std::max(lastTime, p.X);
    }
    curve_->replace(points);
    timeAxis_->setTitleText(QString::fromStdString(state.BottomAxisTitle()));
    speedAxis_->setTitleText(QString::fromStdString(state.LeftAxisTitle()));
    SetRange(speedAxis_, state.AxisMinimum(), state.AxisMaximum());
    SetRange(timeAxis_, 0, lastTime > 0 ? lastTime : 1);
    DrawBand(state);
}

void TChartSpeed::DrawBand(const TSpeedChartState& state) {
    // Over the chart's whole height.
    QList<QPointF> top, bottom;
    for (const TChartPoint& p : state.Band()) {
        top.append(QPointF(p.X, p.Y));
        bottom.append(QPointF(p.X, state.AxisMinimum()));
    }
    bandTop_->replace(top);
    bandBottom_->replace(bottom);
}

}  // namespace kinemo
