// Report documents of the print menu with the vector charts of the motor.
#include "reports/ReportSet.h"
#include "common/QtText.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/CatalogText.h"
#include "base/TextFormat.h"
#include "pattern/SigmoidalCurves.h"
#include "pattern/SpeedChartState.h"
#include "reports/CommitMotorPrintMenuModel.h"
#include "selection/MotorDetailModel.h"
#include "torque/Motor.h"
#include "units/Measure.h"

namespace kinemo {

namespace {

QVector<QPointF> Points(const TChartPointList& list) {
    QVector<QPointF> points;
    for (const TChartPoint& p : list) points.push_back(QPointF(p.X, p.Y));
    return points;
}

}  // namespace

TReportSet::TReportSet(TKinemoContext& context, TSizingSession& session, TCommitMotorPrintMenuModel& menu,
                       const TMotor& motor, const QString& projectName)
    : context_(context), menu_(menu) {
    const TNameValueList detail = ReadMessageClass(context.Query(), "form_motor_detail", true);
    TSpeedChartState speed;
    const TSigmoidalCurve* curve = session.SigmoidalCurves().Selected();
    speed.Draw(session.Pattern().CurrentGrid(), curve && curve->Adhibition);
    common_.SpeedChart.Title = Qs(detail.Value("ChartSpeed.Title"));
    common_.SpeedChart.XTitle = Qs(speed.BottomAxisTitle());
    common_.SpeedChart.YTitle = Qs(speed.LeftAxisTitle());
    common_.SpeedChart.Series.push_back({common_.SpeedChart.Title, Points(speed.ChartPoints()), QColor(0x1f, 0x4e, 0x9a)});
    common_.SpeedChart.YMin = speed.AxisMinimum();
    common_.SpeedChart.YMax = speed.AxisMaximum();

    const TMeasure* base = speed.TimeBaseUnit();
    const TMeasure* shown = speed.TimeDisplayUnit();
    TMeasureManager& measures = context.Measures();
    auto toDisplay = [&](double t) { return base && shown ? measures.Convert(base->Code(), shown->Code(), t) : t; };
    common_.TorqueChart.Title = Qs(detail.Value("ChartTorque.Title"));
    common_.TorqueChart.XTitle = Qs(speed.BottomAxisTitle());
    common_.TorqueChart.YTitle = Qs(detail.Value("ChartTorque.LeftAxis"));
    if (motor.Torques) {
        common_.TorqueChart.Series.push_back({common_.TorqueChart.Title,
                                              Points(TMotorDetailModel::TorqueChartPoints(*motor.Torques, toDisplay)),
                                              QColor(0xb0, 0x30, 0x20)});
        const auto axis = TMotorDetailModel::TorqueAxisRange(*motor.Torques);
        common_.TorqueChart.YMin = axis.first;
        common_.TorqueChart.YMax = axis.second;
    }

    const TPrintData& summary = menu.Data(TReportPage::Summary);
    common_.Motor = Qs(summary.HeaderPairs.Value("MotorNumber") + " / " + summary.HeaderPairs.Value("AmpNumber"));
    common_.Date = Qs(summary.HeaderPairs.Value("CurrentDate"));
    common_.Project = projectName;
    const std::string footer = ReadMessageText(context.Query(), "form_printer_common", "Footer");
    try {
        common_.Footer = Qs(FormatText(footer, {summary.HeaderPairs.Value("ApplicationVersion"),
                                               summary.HeaderPairs.Value("DatabaseVersion")}));
    } catch (const std::exception&) {
        common_.Footer = Qs(footer);
    }
}

TReportForm TReportSet::Form(TReportPage page) const {
    switch (page) {
    case TReportPage::Summary: return TReportForm::Summary;
    case TReportPage::DrivePattern:
        return menu_.PositionPatternForm() ? TReportForm::DrivePatternRolling : TReportForm::DrivePatternStraight;
    case TReportPage::Block: return TReportForm::BlockPattern;
    case TReportPage::Torque: return TReportForm::Torque;
    case TReportPage::Discharge: return TReportForm::Discharge;
    }
    return TReportForm::Summary;
}

TReportDocument TReportSet::Document(TReportPage page) {
    menu_.ApplyHeaderAndComment();
    common_.Header = Qs(menu_.HeaderText);
    return MakeReportDocument(context_.Query(), Form(page), menu_.Data(page), common_);
}

std::vector<TReportDocument> TReportSet::Documents(const std::vector<TReportPage>& pages) {
    std::vector<TReportDocument> docs;
    for (TReportPage p : pages) docs.push_back(Document(p));
    return docs;
}

}  // namespace kinemo
