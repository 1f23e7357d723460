// The 3D view of a motor: closed triangle shells (one per part: shaft, pilot, flanges, body,
// encoder cover, connectors, key, gear head), written as ASCII STL in millimetres.
#pragma once

#include "MotorParts.h"

#include <array>
#include <string>
#include <vector>

namespace kinemo::cad {

using TVertex = std::array<double, 3>;

struct TTriangle {
    TVertex A, B, C;  // counter-clockwise seen from outside
};

class TMesh {
public:
    // An axis-aligned box.
    void Box(TVertex lo, TVertex hi);
    // A cylinder on the x axis from x0 to x1 (segments divisible by 4, so its extremes are exact).
    void CylinderX(double x0, double x1, double r, int segments = 48);

    const std::vector<TTriangle>& Triangles() const { return triangles_; }
    // ASCII STL; the same mesh always gives the same bytes.
    std::string Stl(const std::string& name) const;

private:
    void Quad(const TVertex& a, const TVertex& b, const TVertex& c, const TVertex& d);
    std::vector<TTriangle> triangles_;
};

// x along the axis (mounting face at 0, shaft towards negative x), z upwards (connectors on
// top), y across.
TMesh BuildMotorSolid(const TMotorParts& parts);

}  // namespace kinemo::cad
