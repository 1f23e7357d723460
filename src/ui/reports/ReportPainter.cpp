// Drawing of report pages: title block, blocks from top to bottom, page foot.
#include "reports/ReportPainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kinemo {

namespace {

constexpr double kGap = 3.5;           // between blocks
constexpr double kFieldRow = 5.2;      // one row of label/value fields
constexpr double kTableRow = 4.6;      // preferred table row
constexpr double kMinTableRow = 2.6;   // smallest readable row (font about 4.6 pt)
constexpr double kHeaderLine = 3.3;    // smallest line of a table header
constexpr double kCardTitle = 6;
constexpr double kCardLine = 3.9;
constexpr double kPicture = 26;
const QColor kRule(0x80, 0x80, 0x80);
const QColor kShade(0xf0, 0xf3, 0xf7);
const QColor kHead(0xdd, 0xe4, 0xee);
const QColor kLabel(0x50, 0x50, 0x50);

// Round tick steps: 1, 2, 5 × 10^n giving about n ticks over the span.
double TickStep(double span, int ticks) {
    if (span <= 0) return 1;
    const double raw = span / ticks;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * mag) return m * mag;
    return 10 * mag;
}

QString TickText(double v, double step) {
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    if (std::fabs(v) < step * 1e-6) v = 0;
    return QString::number(v, 'f', decimals);
}

}  // namespace

TReportPainter::TReportPainter(QPainter& painter, const QRectF& paper, double dpi)
    : p_(painter), paper_(paper), dpi_(dpi) {
    widthMm_ = paper.width() * 25.4 / dpi;
    heightMm_ = paper.height() * 25.4 / dpi;
    left_ = kMarginLeft;
    right_ = widthMm_ - kMarginRight;
}

QFont TReportPainter::Font(double pointSize, bool bold) const {
    // Latin text in a sans face whose digits extract cleanly from the PDF; Japanese falls
    // back to the CJK face. No shaping: ligatures would break text search in the PDF.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK JP")});
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

void TReportPainter::Text(const QRectF& mm, const QString& text, const QFont& font, int flags, const QColor& color) {
    p_.setFont(font);
    p_.setPen(color);
    const QRectF r(paper_.left() + Px(mm.left()), paper_.top() + Px(mm.top()), Px(mm.width()), Px(mm.height()));
    if (flags & Qt::TextWordWrap) {
        p_.save();
        p_.setClipRect(r);
        p_.drawText(r, flags, text);
        p_.restore();
        return;
    }
    // A single line never runs into the next cell: what does not fit ends in an ellipsis.
    const QFontMetricsF fm(font, p_.device());
    p_.drawText(r, flags, fm.elidedText(text, Qt::ElideRight, r.width()));
}

void TReportPainter::Line(double x1, double y1, double x2, double y2, double widthMm, const QColor& color) {
    p_.setPen(QPen(color, Px(widthMm)));
    p_.drawLine(QPointF(paper_.left() + Px(x1), paper_.top() + Px(y1)), QPointF(paper_.left() + Px(x2), paper_.top() + Px(y2)));
}

void TReportPainter::Frame(const QRectF& mm, double widthMm, const QColor& fill) {
    const QRectF r(paper_.left() + Px(mm.left()), paper_.top() + Px(mm.top()), Px(mm.width()), Px(mm.height()));
    if (fill.isValid()) p_.fillRect(r, fill);
    if (widthMm > 0) {
        p_.setPen(QPen(Qt::black, Px(widthMm)));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r);
    }
}

double TReportPainter::TextHeight(const QString& text, const QFont& font, double widthMm) const {
    QFontMetricsF fm(font, p_.device());
    const QRectF r = fm.boundingRect(QRectF(0, 0, Px(widthMm), 1e6), Qt::TextWordWrap, text);
    return r.height() * 25.4 / dpi_;
}

void TReportPainter::DrawPage(const TReportDocument& doc, int index) {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing);
    double top = DrawTitleBlock(doc, kMarginTop) + kGap;
    const TReportSheet& page = doc.Pages.at(index);
    const double bottom = heightMm_ - kMarginBottom - 7;
    // Fill tables share what the fixed blocks leave: rows of height r under headers of k
    // lines of max(r, the header minimum).
    double fixed = 0;
    int fillRows = 0, headerLines = 0;
    for (const TReportBlock& b : page.Blocks) {
        const auto* t = std::get_if<TReportTable>(&b);
        if (t && t->Fill) {
            fillRows += static_cast<int>(t->Rows.size());
            headerLines += static_cast<int>(std::lround(HeaderHeight(*t, kHeaderLine) / kHeaderLine));
            fixed += t->Caption.isEmpty() ? 0 : 5;
        } else {
            fixed += Height(b, kTableRow);
        }
        fixed += kGap;
    }
    double fillRow = kTableRow;
    if (fillRows > 0) {
        const double room = bottom - top - fixed;
        fillRow = room / (fillRows + headerLines);
        if (fillRow < kHeaderLine) fillRow = (room - headerLines * kHeaderLine) / fillRows;
        fillRow = std::clamp(fillRow, kMinTableRow, kTableRow);
    }
    for (const TReportBlock& b : page.Blocks) top = Draw(b, top, fillRow) + kGap;
    contentBottom_ = top - kGap;
    DrawFooter(doc, index);
    p_.restore();
}

double TReportPainter::FooterTop() const { return heightMm_ - kMarginBottom - 5; }

double TReportPainter::DrawTitleBlock(const TReportDocument& doc, double top) {
    const double w = right_ - left_;
    const int cells = std::max<int>(1, doc.TitleFields.size());
    const double titleH = 11, fieldH = doc.TitleFields.isEmpty() ? 0 : 9;
    Frame(QRectF(left_, top, w, titleH + fieldH), 0.35);
    Frame(QRectF(left_, top, w, titleH), 0, kHead);
    Text(QRectF(left_ + 3, top, w * 0.6, titleH), doc.Title, Font(14, true), Qt::AlignVCenter | Qt::AlignLeft);
    Text(QRectF(left_ + w * 0.4, top, w * 0.6 - 3, titleH), doc.Subtitle, Font(10, true),
         Qt::AlignVCenter | Qt::AlignRight);
    Line(left_, top + titleH, right_, top + titleH, 0.35);
    const double cw = w / cells;
    for (int i = 0; i < doc.TitleFields.size(); ++i) {
        const double x = left_ + i * cw;
        if (i > 0) Line(x, top + titleH, x, top + titleH + fieldH, 0.2);
        Text(QRectF(x + 1.5, top + titleH + 0.6, cw - 3, 3.2), doc.TitleFields[i].first, Font(6), Qt::AlignLeft | Qt::AlignTop, kLabel);
        Text(QRectF(x + 1.5, top + titleH + 3.6, cw - 3, 5), doc.TitleFields[i].second, Font(8.5, true),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    return top + titleH + fieldH;
}

void TReportPainter::DrawFooter(const TReportDocument& doc, int index) {
    const double y = FooterTop();
    Line(left_, y, right_, y, 0.25, kRule);
    Text(QRectF(left_, y + 0.8, (right_ - left_) * 0.75, 4.5), doc.Footer, Font(7), Qt::AlignLeft | Qt::AlignVCenter, kLabel);
    Text(QRectF(left_, y + 0.8, right_ - left_, 4.5), QStringLiteral("%1 / %2").arg(index + 1).arg(doc.Pages.size()),
         Font(8, true), Qt::AlignRight | Qt::AlignVCenter);
}

double TReportPainter::Height(const TReportBlock& block, double fillRowHeight) const {
    const double w = right_ - left_;
    if (const auto* t = std::get_if<TReportText>(&block)) return TextHeight(t->Text, Font(t->PointSize, t->Bold), w);
    if (const auto* f = std::get_if<TReportFields>(&block)) {
        const int rows = (f->Items.size() + std::max(1, f->Columns) - 1) / std::max(1, f->Columns);
        return (f->Caption.isEmpty() ? 0 : 5.5) + rows * kFieldRow;
    }
    if (const auto* t = std::get_if<TReportTable>(&block)) return TableHeight(*t, t->Fill ? fillRowHeight : kTableRow);
    if (const auto* c = std::get_if<TReportCharts>(&block)) return c->Height;
    if (const auto* c = std::get_if<TReportCards>(&block)) {
        const int rows = (c->Cards.size() + std::max(1, c->Columns) - 1) / std::max(1, c->Columns);
        return rows * CardHeight(*c) + std::max(0, rows - 1) * 2.5;
    }
    return 0;
}

double TReportPainter::Draw(const TReportBlock& block, double top, double fillRowHeight) {
    if (const auto* t = std::get_if<TReportText>(&block)) return DrawText(*t, top);
    if (const auto* f = std::get_if<TReportFields>(&block)) return DrawFields(*f, top);
    if (const auto* t = std::get_if<TReportTable>(&block)) return DrawTable(*t, top, t->Fill ? fillRowHeight : kTableRow);
    if (const auto* c = std::get_if<TReportCharts>(&block)) return DrawCharts(*c, top);
    if (const auto* c = std::get_if<TReportCards>(&block)) return DrawCards(*c, top);
    return top;
}

double TReportPainter::DrawText(const TReportText& t, double top) {
    const double w = right_ - left_;
    const QFont f = Font(t.PointSize, t.Bold);
    const double h = TextHeight(t.Text, f, w);
    Text(QRectF(left_, top, w, h + 1), t.Text, f, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    return top + h;
}

double TReportPainter::DrawFields(const TReportFields& f, double top) {
    const double w = right_ - left_;
    if (!f.Caption.isEmpty()) {
        Text(QRectF(left_, top, w, 5), f.Caption, Font(9.5, true), Qt::AlignLeft | Qt::AlignVCenter);
        top += 5.5;
    }
    const int cols = std::max(1, f.Columns);
    const double cw = w / cols;
    for (int i = 0; i < f.Items.size(); ++i) {
        const double x = left_ + (i % cols) * cw, y = top + (i / cols) * kFieldRow;
        if (i % cols == 0) Frame(QRectF(left_, y, w, kFieldRow), 0, (i / cols) % 2 ? QColor() : kShade);
        Text(QRectF(x + 1.5, y, cw * 0.45 - 1.5, kFieldRow), f.Items[i].first, Font(7.5), Qt::AlignLeft | Qt::AlignVCenter, kLabel);
        Text(QRectF(x + cw * 0.45, y, cw * 0.55 - 2, kFieldRow), f.Items[i].second, Font(8.5, true),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    const int rows = (f.Items.size() + cols - 1) / cols;
    Line(left_, top, right_, top, 0.3);
    Line(left_, top + rows * kFieldRow, right_, top + rows * kFieldRow, 0.3);
    return top + rows * kFieldRow;
}

double TReportPainter::HeaderHeight(const TReportTable& t, double rowHeight) {
    const bool units = std::any_of(t.Columns.begin(), t.Columns.end(), [](const TReportColumn& c) { return !c.Unit.isEmpty(); });
    // Room for a title of two lines, and a line of units when any column has one.
    return (units ? 3 : 2) * std::max(rowHeight, kHeaderLine);
}

double TReportPainter::TableHeight(const TReportTable& t, double rowHeight) const {
    return (t.Caption.isEmpty() ? 0 : 5) + HeaderHeight(t, rowHeight) + t.Rows.size() * rowHeight;
}

double TReportPainter::DrawTable(const TReportTable& t, double top, double rowHeight) {
    const double w = right_ - left_;
    if (!t.Caption.isEmpty()) {
        Text(QRectF(left_, top, w, 5), t.Caption, Font(9.5, true), Qt::AlignLeft | Qt::AlignVCenter);
        top += 5;
    }
    double total = 0;
    for (const TReportColumn& c : t.Columns) total += c.Weight;
    QVector<double> xs{left_};
    for (const TReportColumn& c : t.Columns) xs.push_back(xs.back() + w * c.Weight / std::max(total, 1e-9));
    const double headH = HeaderHeight(t, rowHeight);
    const double pt = std::min(8.0, rowHeight * 72 / 25.4 * 0.62);
    Frame(QRectF(left_, top, w, headH), 0, kHead);
    for (int c = 0; c < t.Columns.size(); ++c) {
        const QRectF cell(xs[c] + 0.8, top, xs[c + 1] - xs[c] - 1.6, headH);
        const QString unit = t.Columns[c].Unit.isEmpty() ? QString() : QStringLiteral("[%1]").arg(t.Columns[c].Unit);
        const double titleH = unit.isEmpty() ? headH : headH * 2 / 3;
        Text(QRectF(cell.left(), cell.top(), cell.width(), titleH), t.Columns[c].Title, Font(std::min(pt, 7.0), true),
             Qt::AlignHCenter | (unit.isEmpty() ? Qt::AlignVCenter : Qt::AlignBottom) | Qt::TextWordWrap);
        if (!unit.isEmpty())
            Text(QRectF(cell.left(), cell.top() + titleH, cell.width(), headH - titleH), unit, Font(std::min(pt, 6.5)),
                 Qt::AlignHCenter | Qt::AlignVCenter, kLabel);
    }
    double y = top + headH;
    for (int r = 0; r < t.Rows.size(); ++r, y += rowHeight) {
        if (r % 2 == 1) Frame(QRectF(left_, y, w, rowHeight), 0, kShade);
        for (int c = 0; c < t.Columns.size() && c < t.Rows[r].size(); ++c) {
            const bool leftAlign = t.Columns[c].AlignLeft;
            Text(QRectF(xs[c] + 1.2, y, xs[c + 1] - xs[c] - 2.4, rowHeight), t.Rows[r][c],
                 Font(pt, t.HighlightColumns.contains(c)), (leftAlign ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        }
    }
    const double bottom = top + headH + t.Rows.size() * rowHeight;
    Line(left_, top, right_, top, 0.35);
    Line(left_, top + headH, right_, top + headH, 0.25);
    Line(left_, bottom, right_, bottom, 0.35);
    for (int c = 1; c < t.Columns.size(); ++c) Line(xs[c], top, xs[c], bottom, 0.1, kRule);
    return top + TableHeight(t, rowHeight) - (t.Caption.isEmpty() ? 0 : 5);
}

double TReportPainter::DrawCharts(const TReportCharts& charts, double top) {
    const int n = std::max<int>(1, charts.Charts.size());
    const double gap = 4, w = (right_ - left_ - gap * (n - 1)) / n;
    for (int i = 0; i < charts.Charts.size(); ++i)
        DrawChart(charts.Charts[i], QRectF(left_ + i * (w + gap), top, w, charts.Height));
    return top + charts.Height;
}

void TReportPainter::DrawChart(const TReportChart& chart, const QRectF& box) {
    Frame(box, 0.25);
    Text(QRectF(box.left() + 2, box.top() + 0.5, box.width() - 4, 5), chart.Title, Font(8.5, true), Qt::AlignLeft | Qt::AlignVCenter);
    double xmin = chart.XMin, xmax = chart.XMax, ymin = chart.YMin, ymax = chart.YMax;
    if (xmin == xmax || ymin == ymax) {
        double ax = 1e300, bx = -1e300, ay = 1e300, by = -1e300;
        for (const TReportSeries& s : chart.Series)
            for (const QPointF& p : s.Points) {
                ax = std::min(ax, p.x()), bx = std::max(bx, p.x()), ay = std::min(ay, p.y()), by = std::max(by, p.y());
            }
        if (ax > bx) ax = 0, bx = 1, ay = -1, by = 1;
        if (xmin == xmax) xmin = ax, xmax = bx > ax ? bx : ax + 1;
        if (ymin == ymax) {
            const double pad = std::max(std::fabs(ay), std::fabs(by)) * 0.1;
            ymin = std::min(0.0, ay - pad), ymax = std::max(0.0, by + pad);
            if (ymin == ymax) ymin = -1, ymax = 1;
        }
    }
    // A legend takes a line under the axis title.
    const double legend = chart.Legend ? 4 : 0;
    const QRectF plot(box.left() + 14, box.top() + 7.5, box.width() - 18, box.height() - 17.5 - legend);
    auto X = [&](double x) { return plot.left() + (x - xmin) / (xmax - xmin) * plot.width(); };
    auto Y = [&](double y) { return plot.bottom() - (y - ymin) / (ymax - ymin) * plot.height(); };
    const double xs = TickStep(xmax - xmin, 6), ys = TickStep(ymax - ymin, 5);
    for (double x = std::ceil(xmin / xs) * xs; x <= xmax + xs * 1e-6; x += xs) {
        Line(X(x), plot.top(), X(x), plot.bottom(), 0.08, kRule);
        Text(QRectF(X(x) - 8, plot.bottom() + 0.5, 16, 3.5), TickText(x, xs), Font(6), Qt::AlignHCenter | Qt::AlignTop, kLabel);
    }
    for (double y = std::ceil(ymin / ys) * ys; y <= ymax + ys * 1e-6; y += ys) {
        Line(plot.left(), Y(y), plot.right(), Y(y), std::fabs(y) < ys * 1e-6 ? 0.25 : 0.08, kRule);
        Text(QRectF(box.left() + 1, Y(y) - 2, plot.left() - box.left() - 2, 4), TickText(y, ys), Font(6),
             Qt::AlignRight | Qt::AlignVCenter, kLabel);
    }
    Frame(plot, 0.2);
    Text(QRectF(plot.left(), box.bottom() - 5.5 - legend, plot.width(), 5), chart.XTitle, Font(7),
         Qt::AlignHCenter | Qt::AlignVCenter);
    Text(QRectF(box.left() + box.width() * 0.4, box.top() + 0.5, box.width() * 0.6 - 2, 5), chart.YTitle, Font(7),
         Qt::AlignRight | Qt::AlignVCenter, kLabel);
    p_.save();
    p_.setClipRect(QRectF(paper_.left() + Px(plot.left()), paper_.top() + Px(plot.top()), Px(plot.width()), Px(plot.height())));
    for (const TReportSeries& s : chart.Series) {
        QPainterPath path;
        for (int i = 0; i < s.Points.size(); ++i) {
            const QPointF q(paper_.left() + Px(X(s.Points[i].x())), paper_.top() + Px(Y(s.Points[i].y())));
            if (s.Markers) path.addEllipse(q, Px(0.6), Px(0.6));
            else if (i == 0) path.moveTo(q);
            else path.lineTo(q);
        }
        p_.setPen(QPen(s.Color, Px(s.Markers ? 0.2 : 0.45), s.Style, Qt::FlatCap, Qt::MiterJoin));
        p_.setBrush(s.Markers ? QBrush(s.Color) : QBrush(Qt::NoBrush));
        p_.drawPath(path);
    }
    p_.restore();
    if (chart.Legend) {
        double x = plot.left();
        for (const TReportSeries& s : chart.Series) {
            if (s.Name.isEmpty()) continue;
            p_.setPen(QPen(s.Color, Px(0.6), s.Style));
            p_.drawLine(QPointF(paper_.left() + Px(x), paper_.top() + Px(box.bottom() - 2.3)),
                        QPointF(paper_.left() + Px(x + 5), paper_.top() + Px(box.bottom() - 2.3)));
            Text(QRectF(x + 6, box.bottom() - 4.1, 60, 3.6), s.Name, Font(6), Qt::AlignLeft | Qt::AlignVCenter);
            x += 6 + QFontMetricsF(Font(6), p_.device()).horizontalAdvance(s.Name) / dpi_ * 25.4 + 4;
        }
    }
}

double TReportPainter::CardHeight(const TReportCards& cards) const {
    if (cards.CardHeight > 0) return cards.CardHeight;
    int lines = 0;
    for (const TReportCard& c : cards.Cards) lines = std::max<int>(lines, c.Lines.size());
    return kCardTitle + std::max(kPicture + 2, lines * kCardLine + 2);
}

double TReportPainter::DrawCards(const TReportCards& cards, double top) {
    const int cols = std::max(1, cards.Columns);
    const double gap = 3, w = (right_ - left_ - gap * (cols - 1)) / cols, h = CardHeight(cards);
    for (int i = 0; i < cards.Cards.size(); ++i)
        DrawCard(cards.Cards[i], QRectF(left_ + (i % cols) * (w + gap), top + (i / cols) * (h + 2.5), w, h));
    const int rows = (cards.Cards.size() + cols - 1) / cols;
    return top + rows * h + std::max(0, rows - 1) * 2.5;
}

void TReportPainter::DrawCard(const TReportCard& card, const QRectF& box) {
    Frame(QRectF(box.left(), box.top(), box.width(), kCardTitle), 0, kHead);
    Frame(box, 0.25);
    Text(QRectF(box.left() + 2, box.top(), box.width() - 4, kCardTitle), card.Title, Font(8.5, true), Qt::AlignLeft | Qt::AlignVCenter);
    // Lines start beside the picture and use the whole width below it.
    double pictureRight = box.left(), pictureBottom = box.top();
    const QImage image = card.Picture.isEmpty() ? QImage() : QImage(card.Picture);
    if (!image.isNull()) {
        const double side = std::min(kPicture, box.height() - kCardTitle - 2);
        QSizeF size = QSizeF(image.size()).scaled(QSizeF(side, side), Qt::KeepAspectRatio);
        const QRectF target(paper_.left() + Px(box.left() + 2), paper_.top() + Px(box.top() + kCardTitle + 1),
                            Px(size.width()), Px(size.height()));
        p_.drawImage(target, image);
        pictureRight = box.left() + size.width() + 2;
        pictureBottom = box.top() + kCardTitle + 1 + size.height();
    }
    for (int i = 0; i < card.Lines.size(); ++i) {
        const double y = box.top() + kCardTitle + 1 + i * kCardLine;
        if (y + kCardLine > box.bottom()) break;
        const double textLeft = (y < pictureBottom ? pictureRight : box.left()) + 2;
        const double width = box.right() - textLeft - 1.5;
        if (card.HeadingLines.contains(i)) {
            Text(QRectF(textLeft, y, width, kCardLine), card.Lines[i].first, Font(7, true), Qt::AlignLeft | Qt::AlignVCenter);
            continue;
        }
        const double labelW = width * 0.6;
        Text(QRectF(textLeft, y, labelW - 1, kCardLine), card.Lines[i].first, Font(6.5), Qt::AlignLeft | Qt::AlignVCenter, kLabel);
        Text(QRectF(textLeft + labelW, y, width - labelW, kCardLine), card.Lines[i].second, Font(7),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
}

}  // namespace kinemo
