// The report layout engine: draws one page of a report document with a QPainter on any
// paged device (printer, preview, PDF writer, image), in millimetres of the paper.
#pragma once

#include "reports/ReportDocument.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace kinemo {

class TReportPainter {
public:
    // paper: the whole sheet in device pixels; dpi: device pixels per inch.
    TReportPainter(QPainter& painter, const QRectF& paper, double dpi);

    // Page index of the document (0-based) with "index+1 / count" at its foot.
    void DrawPage(const TReportDocument& doc, int index);
    // Where the last page drawn ended and where the page foot begins (mm from the top).
    double ContentBottom() const { return contentBottom_; }
    double FooterTop() const;

    static constexpr double kMarginLeft = 14, kMarginRight = 12, kMarginTop = 10, kMarginBottom = 10;

private:
    double Px(double mm) const { return mm * dpi_ / 25.4; }
    QFont Font(double pointSize, bool bold = false) const;
    double TextHeight(const QString& text, const QFont& font, double widthMm) const;

    double DrawTitleBlock(const TReportDocument& doc, double top);
    void DrawFooter(const TReportDocument& doc, int index);

    double Height(const TReportBlock& block, double fillRowHeight) const;
    double Draw(const TReportBlock& block, double top, double fillRowHeight);
    double DrawText(const TReportText& text, double top);
    double DrawFields(const TReportFields& fields, double top);
    double DrawTable(const TReportTable& table, double top, double fillRowHeight);
    double DrawCharts(const TReportCharts& charts, double top);
    void DrawChart(const TReportChart& chart, const QRectF& box);
    double DrawCards(const TReportCards& cards, double top);
    void DrawCard(const TReportCard& card, const QRectF& box);
    double CardHeight(const TReportCards& cards) const;
    double TableHeight(const TReportTable& table, double rowHeight) const;
    static double HeaderHeight(const TReportTable& table, double rowHeight);

    // Text in a rectangle given in millimetres.
    void Text(const QRectF& mm, const QString& text, const QFont& font, int flags, const QColor& color = Qt::black);
    void Line(double x1, double y1, double x2, double y2, double widthMm = 0.2, const QColor& color = Qt::black);
    void Frame(const QRectF& mm, double widthMm = 0.25, const QColor& fill = QColor());

    QPainter& p_;
    QRectF paper_;
    double dpi_;
    double widthMm_, heightMm_;
    double left_, right_;  // content edges in mm
    double contentBottom_ = 0;
};

}  // namespace kinemo
