// A report as a list of pages, each a column of blocks (texts, label/value fields, tables
// with units, vector charts, element cards), that the report layout engine draws the same
// way on the preview, the printer and a PDF file.
//
// Use: fill a TReportDocument (title, title-block fields, footer, pages of blocks), then
//   WriteReportPdf(path, {doc}, paperCode);          // ReportOutput.h; atomic, raises on failure
//   PrintReport(printer, {doc});                     // any QPrinter, also the preview's
//   PreviewReport(parent, {doc}, paperCode);         // QPrintPreviewDialog on the same drawing
// The engine adds the title block on top of every page and "n / p" at the bottom; a table
// with Fill set shares the height the other blocks leave, so fixed rows per page always
// fit on A4 and Letter. Lengths are millimetres.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>
#include <variant>

namespace kinemo {

using TReportPair = std::pair<QString, QString>;

// A paragraph (wrapped to the page width).
struct TReportText {
    QString Text;
    double PointSize = 9;
    bool Bold = false;
};

// Label and value pairs laid out in Columns columns (rows filled left to right).
struct TReportFields {
    QString Caption;
    QVector<TReportPair> Items;
    int Columns = 2;
};

struct TReportColumn {
    QString Title;
    QString Unit;        // shown under the title in brackets; empty: none
    double Weight = 1;   // share of the table width
    bool AlignLeft = false;
};

// Rows of texts under a header of titles with units. With Fill the row height shrinks
// (down to a readable minimum) so that the rows share the height the other blocks leave;
// RowSlots is the most rows a page of this table holds (for the caller's paging).
struct TReportTable {
    QString Caption;
    QVector<TReportColumn> Columns;
    QVector<QStringList> Rows;
    int RowSlots = 0;
    bool Fill = false;
    QVector<int> HighlightColumns;  // drawn bold (verdicts)
};

struct TReportSeries {
    QString Name;
    QVector<QPointF> Points;
    QColor Color = QColor(0x1f, 0x4e, 0x9a);
    Qt::PenStyle Style = Qt::SolidLine;
    bool Markers = false;  // a dot per point instead of a line
};

// One x-y line chart; an axis range with Min == Max is taken from the points.
struct TReportChart {
    QString Title, XTitle, YTitle;
    QVector<TReportSeries> Series;
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    bool Legend = false;  // the named series' colours and names along the chart's foot
};

// Charts side by side over the page width.
struct TReportCharts {
    QVector<TReportChart> Charts;
    double Height = 62;
};

// A framed box: title, picture (file path; none when empty or unreadable) and lines.
struct TReportCard {
    QString Title;
    QString Picture;
    QVector<TReportPair> Lines;
    QVector<int> HeadingLines;  // lines drawn as a bold heading over the card's width
};

// Cards in a grid of Columns columns; each card is CardHeight high (0: from its lines).
struct TReportCards {
    QVector<TReportCard> Cards;
    int Columns = 2;
    double CardHeight = 0;
};

using TReportBlock = std::variant<TReportText, TReportFields, TReportTable, TReportCharts, TReportCards>;

struct TReportSheet {
    QVector<TReportBlock> Blocks;
};

struct TReportDocument {
    QString Title;                     // large, in the title block
    QString Subtitle;                  // beside it (the motor model, for instance)
    QVector<TReportPair> TitleFields;  // small label and value cells under the title
    QString Footer;                    // bottom left of every page
    QVector<TReportSheet> Pages;
};

}  // namespace kinemo
