// The speed chart drawn from the chart state.
#include "pattern/ChartSpeed.h"

#include "pattern/SpeedChartState.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace kinemo {

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
    timeAxis_->setLabelFormat("%g");
    speedAxis_->setLabelFormat("%g");
    c->addAxis(timeAxis_, Qt::AlignBottom);
    c->addAxis(speedAxis_, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(band_), static_cast<QAbstractSeries*>(curve_)}) {
        s->attachAxis(timeAxis_);
        s->attachAxis(speedAxis_);
    }
    speedAxis_->setRange(-1, 1);
    timeAxis_->setRange(0, 1);
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
    speedAxis_->setRange(state.AxisMinimum(), state.AxisMaximum());
    timeAxis_->setRange(0, lastTime > 0 ? lastTime : 1);
    timeAxis_->applyNiceNumbers();
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
