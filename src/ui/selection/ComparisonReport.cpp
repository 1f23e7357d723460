// Comparison report.
#include "selection/ComparisonReport.h"
#include "common/QtText.h"

#include "session/KinemoContext.h"
#include "base/CatalogText.h"
#include "base/TextFormat.h"
#include "selection/MotorComparison.h"
#include "selection/TorqueSpeedEnvelope.h"
#include "torque/Motor.h"

#include <QDate>

#include <cmath>

namespace kinemo {

namespace {

const QColor kColours[] = {QColor(0x1f, 0x5f, 0xb4), QColor(0xc0, 0x39, 0x2b), QColor(0x27, 0x8e, 0x3c),
                           QColor(0x8e, 0x44, 0xad)};

// Rows per page: the first page also holds the chart.
constexpr int kFirstPageRows = 32;
constexpr int kPageRows = 46;

QVector<QPointF> Points(const TSpeedTorqueCurve& curve, bool magnitude) {
    QVector<QPointF> points;
    for (const TSpeedTorquePoint& p : curve)
        points.push_back(magnitude ? QPointF(std::fabs(p.Speed), std::fabs(p.Torque)) : QPointF(p.Speed, p.Torque));
    return points;
}

}  // namespace

TReportDocument ComparisonReport(TKinemoContext& context, const TMotorComparison& comparison,
                                 const std::string& header, const std::string& project) {
    const TNameValueList shared = ReadMessageClass(context.Query(), "form_printer_common", true);
    TReportDocument doc;
    doc.Title = Qs(comparison.Text("FormTitle"));
    QStringList models;
    for (const TMotor* m : comparison.Motors()) models << Qs(m->msv_model_all);
    doc.Subtitle = models.join(" / ");
    doc.TitleFields = {{Qs(shared.Value("TitleFieldHeader")), Qs(header)},
                       {Qs(shared.Value("TitleFieldProject")), Qs(project)},
                       {Qs(shared.Value("TitleFieldDate")), QDate::currentDate().toString(Qt::ISODate)}};
    try {
        doc.Footer = Qs(FormatText(shared.Value("Footer"),
                                  {context.Run().ApplicationVersionText, context.Run().MdbVersionText}));
    } catch (const std::exception&) {
        doc.Footer = Qs(shared.Value("Footer"));
    }

    TReportChart chart;
    chart.Title = Qs(comparison.Text("ChartTitle") + " (" + comparison.Text("ChartNote") + ")");
    chart.XTitle = Qs(comparison.Text("ChartSpeed"));
    chart.YTitle = Qs(comparison.Text("ChartTorque"));
    chart.Legend = true;
    double top = 0;
    for (size_t i = 0; i < comparison.Motors().size(); ++i) {
        const TMotor& m = *comparison.Motors()[i];
        const QColor colour = kColours[i % 4];
        const TTorqueSpeedEnvelope envelope = TTorqueSpeedEnvelope::Load(context.Query(), m);
        chart.Series.push_back({Qs(m.msv_model_all), Points(envelope.Peak(), false), colour});
        chart.Series.push_back({QString(), Points(envelope.Continuous(), false), colour, Qt::DashLine});
        if (m.Torques) chart.Series.push_back({QString(), Points(OperatingPoints(*m.Torques), true), colour,
                                               Qt::SolidLine, true});
        for (const TSpeedTorquePoint& p : envelope.Peak()) top = std::max(top, p.Torque);
    }
    chart.YMin = 0;
    chart.YMax = top > 0 ? top * 1.1 : 1;

    TReportTable table;
    table.Columns = {{Qs(comparison.Text("ColumnGroup")), {}, 1.3, true},
                     {Qs(comparison.Text("ColumnLabel")), {}, 1.8, true},
                     {Qs(comparison.Text("ColumnUnit")), {}, 0.6, true}};
    for (const TMotor* m : comparison.Motors()) table.Columns.push_back({Qs(m->msv_model_all), {}, 1.7, false});
    std::vector<QStringList> rows;
    for (const TComparisonRow& row : comparison.Rows()) {
        QStringList cells{Qs(row.Group), Qs(row.Label), Qs(row.Unit)};
        for (size_t i = 0; i < row.Cells.size(); ++i) cells << Qs(row.Cells[i] + (row.Best[i] ? " *" : ""));
        rows.push_back(cells);
    }
    size_t next = 0;
    bool first = true;
    while (first || next < rows.size()) {
        TReportSheet page;
        const size_t count = first ? kFirstPageRows : kPageRows;
        if (first) {
            page.Blocks.push_back(TReportCharts{{chart}, 78});
            page.Blocks.push_back(TReportText{Qs("* " + comparison.Text("BestHint")), 8, false});
        }
        TReportTable part = table;
        part.RowSlots = static_cast<int>(count);
        for (size_t r = next; r < rows.size() && r < next + count; ++r) part.Rows.push_back(rows[r]);
        next += count;
        page.Blocks.push_back(part);
        doc.Pages.push_back(page);
        first = false;
    }
    return doc;
}

}  // namespace kinemo
