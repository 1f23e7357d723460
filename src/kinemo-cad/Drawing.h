// A flat drawing in millimetres: lines, circles and texts, each on a layer; written as DXF.
#pragma once

#include <string>
#include <vector>

namespace kinemo::cad {

// The layers of every drawing: visible outlines, centre lines and bolt circles, dimensions.
extern const char* const kLayerOutline;
extern const char* const kLayerCenter;
extern const char* const kLayerDimension;

struct TLine {
    std::string Layer;
    double X1, Y1, X2, Y2;
};
struct TCircle {
    std::string Layer;
    double X, Y, R;
};
struct TText {
    std::string Layer;
    double X, Y, Height;
    std::string Text;
    int Align = 1;  // 0 left, 1 centre, 2 right (of the baseline point)
};

class TDrawing {
public:
    void Line(const std::string& layer, double x1, double y1, double x2, double y2);
    void Rect(const std::string& layer, double x1, double y1, double x2, double y2);
    void Circle(const std::string& layer, double x, double y, double r);
    void Text(const std::string& layer, double x, double y, double height, const std::string& text, int align = 1);
    // A dimension between two points measured along x (horizontal) or y: extension lines
    // from the points to the dimension line at offset, arrows, and the value (or label).
    void DimensionX(double x1, double x2, double yFrom, double yLine, double textHeight, const std::string& label = "");
    void DimensionY(double y1, double y2, double xFrom, double xLine, double textHeight, const std::string& label = "");

    const std::vector<TLine>& Lines() const { return lines_; }
    const std::vector<TCircle>& Circles() const { return circles_; }
    const std::vector<TText>& Texts() const { return texts_; }

    // The ASCII DXF text (header, layer table, entities; units mm); the same drawing always
    // gives the same bytes.
    std::string Dxf() const;

private:
    std::vector<TLine> lines_;
    std::vector<TCircle> circles_;
    std::vector<TText> texts_;
};

// A length as drawn in texts: up to two decimals, no trailing zeros ("57.15", "40").
std::string LengthText(double mm);

}  // namespace kinemo::cad
