// Drawing primitives, dimensions and the DXF writer.
#include "Drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kinemo::cad {

const char* const kLayerOutline = "OUTLINE";
const char* const kLayerCenter = "CENTER";
const char* const kLayerDimension = "DIMENSIONS";

namespace {

// Fixed decimals keep the output byte-identical across runs; -0 is written as 0.
std::string Num(double v) {
    if (std::fabs(v) < 5e-7) v = 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

void Group(std::string& out, int code, const std::string& value) {
    out += std::to_string(code);
    out += '\n';
    out += value;
    out += '\n';
}

void Point(std::string& out, int base, double x, double y) {
    Group(out, base, Num(x));
    Group(out, base + 10, Num(y));
    Group(out, base + 20, Num(0));
}

}  // namespace

std::string LengthText(double mm) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", mm);
    std::string s = buf;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

void TDrawing::Line(const std::string& layer, double x1, double y1, double x2, double y2) {
    lines_.push_back({layer, x1, y1, x2, y2});
}

void TDrawing::Rect(const std::string& layer, double x1, double y1, double x2, double y2) {
    Line(layer, x1, y1, x2, y1);
    Line(layer, x2, y1, x2, y2);
    Line(layer, x2, y2, x1, y2);
    Line(layer, x1, y2, x1, y1);
}

void TDrawing::Circle(const std::string& layer, double x, double y, double r) { circles_.push_back({layer, x, y, r}); }

void TDrawing::Text(const std::string& layer, double x, double y, double height, const std::string& text, int align) {
    texts_.push_back({layer, x, y, height, text, align});
}

void TDrawing::DimensionX(double x1, double x2, double yFrom, double yLine, double h, const std::string& label) {
    const double dir = yLine < yFrom ? -1 : 1, gap = 1.0, over = 1.5, arrow = h * 0.8;
    Line(kLayerDimension, x1, yFrom + dir * gap, x1, yLine + dir * over);
    Line(kLayerDimension, x2, yFrom + dir * gap, x2, yLine + dir * over);
    Line(kLayerDimension, x1, yLine, x2, yLine);
    const double lo = std::min(x1, x2), hi = std::max(x1, x2);
    Line(kLayerDimension, lo, yLine, lo + arrow, yLine + arrow / 3);
    Line(kLayerDimension, lo, yLine, lo + arrow, yLine - arrow / 3);
    Line(kLayerDimension, hi, yLine, hi - arrow, yLine + arrow / 3);
    Line(kLayerDimension, hi, yLine, hi - arrow, yLine - arrow / 3);
    Text(kLayerDimension, (lo + hi) / 2, yLine + 0.6, h, label.empty() ? LengthText(hi - lo) : label);
}

void TDrawing::DimensionY(double y1, double y2, double xFrom, double xLine, double h, const std::string& label) {
    const double dir = xLine < xFrom ? -1 : 1, gap = 1.0, over = 1.5, arrow = h * 0.8;
    Line(kLayerDimension, xFrom + dir * gap, y1, xLine + dir * over, y1);
    Line(kLayerDimension, xFrom + dir * gap, y2, xLine + dir * over, y2);
    Line(kLayerDimension, xLine, y1, xLine, y2);
    const double lo = std::min(y1, y2), hi = std::max(y1, y2);
    Line(kLayerDimension, xLine, lo, xLine + arrow / 3, lo + arrow);
    Line(kLayerDimension, xLine, lo, xLine - arrow / 3, lo + arrow);
    Line(kLayerDimension, xLine, hi, xLine + arrow / 3, hi - arrow);
    Line(kLayerDimension, xLine, hi, xLine - arrow / 3, hi - arrow);
    // Texts read from the right side of a vertical dimension: placed beside the line.
    Text(kLayerDimension, xLine + dir * 1.0, (lo + hi) / 2 - h / 2, h, label.empty() ? LengthText(hi - lo) : label,
         dir < 0 ? 2 : 0);
}

std::string TDrawing::Dxf() const {
    double x0 = std::numeric_limits<double>::max(), y0 = x0, x1 = -x0, y1 = -x0;
    auto grow = [&](double x, double y) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    };
    for (const auto& l : lines_) grow(l.X1, l.Y1), grow(l.X2, l.Y2);
    for (const auto& c : circles_) grow(c.X - c.R, c.Y - c.R), grow(c.X + c.R, c.Y + c.R);
    if (x0 > x1) x0 = y0 = x1 = y1 = 0;

    std::string out;
    Group(out, 0, "SECTION");
    Group(out, 2, "HEADER");
    Group(out, 9, "$INSUNITS");
    Group(out, 70, "4");  // millimetres
    Group(out, 9, "$EXTMIN");
    Point(out, 10, x0, y0);
    Group(out, 9, "$EXTMAX");
    Point(out, 10, x1, y1);
    Group(out, 0, "ENDSEC");

    Group(out, 0, "SECTION");
    Group(out, 2, "TABLES");
    Group(out, 0, "TABLE");
    Group(out, 2, "LTYPE");
    Group(out, 70, "2");
    const struct {
        const char* name;
        const char* text;
        std::vector<double> dashes;
    } types[] = {{"CONTINUOUS", "Solid line", {}}, {"CENTER", "Center ____ _ ____ _", {12.0, -3.0, 2.0, -3.0}}};
    for (const auto& t : types) {
        Group(out, 0, "LTYPE");
        Group(out, 2, t.name);
        Group(out, 70, "0");
        Group(out, 3, t.text);
        Group(out, 72, "65");
        Group(out, 73, std::to_string(t.dashes.size()));
        double total = 0;
        for (double d : t.dashes) total += std::fabs(d);
        Group(out, 40, Num(total));
        for (double d : t.dashes) Group(out, 49, Num(d));
    }
    Group(out, 0, "ENDTAB");
    Group(out, 0, "TABLE");
    Group(out, 2, "LAYER");
    Group(out, 70, "3");
    const struct {
        const char* name;
        const char* color;
        const char* type;
    } layers[] = {{kLayerOutline, "7", "CONTINUOUS"}, {kLayerCenter, "1", "CENTER"}, {kLayerDimension, "3", "CONTINUOUS"}};
    for (const auto& l : layers) {
        Group(out, 0, "LAYER");
        Group(out, 2, l.name);
        Group(out, 70, "0");
        Group(out, 62, l.color);
        Group(out, 6, l.type);
    }
    Group(out, 0, "ENDTAB");
    Group(out, 0, "ENDSEC");

    Group(out, 0, "SECTION");
    Group(out, 2, "ENTITIES");
    for (const auto& l : lines_) {
        Group(out, 0, "LINE");
        Group(out, 8, l.Layer);
        Point(out, 10, l.X1, l.Y1);
        Point(out, 11, l.X2, l.Y2);
    }
    for (const auto& c : circles_) {
        Group(out, 0, "CIRCLE");
        Group(out, 8, c.Layer);
        Point(out, 10, c.X, c.Y);
        Group(out, 40, Num(c.R));
    }
    for (const auto& t : texts_) {
        Group(out, 0, "TEXT");
        Group(out, 8, t.Layer);
        Point(out, 10, t.X, t.Y);
        Group(out, 40, Num(t.Height));
        Group(out, 1, t.Text);
        if (t.Align != 0) {
            Group(out, 72, std::to_string(t.Align));
            Point(out, 11, t.X, t.Y);
        }
    }
    Group(out, 0, "ENDSEC");
    Group(out, 0, "EOF");
    return out;
}

}  // namespace kinemo::cad
