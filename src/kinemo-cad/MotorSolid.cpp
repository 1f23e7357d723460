// Building and writing the motor's 3D shells.
#include "MotorSolid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kinemo::cad {

namespace {

constexpr double kPi = 3.14159265358979323846;

TVertex Sub(const TVertex& a, const TVertex& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

TVertex Normal(const TTriangle& t) {
    const TVertex u = Sub(t.B, t.A), v = Sub(t.C, t.A);
    TVertex n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len > 0)
        for (double& c : n) c /= len;
    return n;
}

std::string Num(double v) {
    if (std::fabs(v) < 5e-7) v = 0;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

}  // namespace

void TMesh::Quad(const TVertex& a, const TVertex& b, const TVertex& c, const TVertex& d) {
    triangles_.push_back({a, b, c});
    triangles_.push_back({a, c, d});
}

void TMesh::Box(TVertex lo, TVertex hi) {
    const double x0 = lo[0], y0 = lo[1], z0 = lo[2], x1 = hi[0], y1 = hi[1], z1 = hi[2];
    Quad({x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0});  // bottom (-z)
    Quad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1});  // top (+z)
    Quad({x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1});  // -y
    Quad({x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0});  // +y
    Quad({x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0});  // -x
    Quad({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1});  // +x
}

void TMesh::CylinderX(double x0, double x1, double r, int segments) {
    auto rim = [&](double x, int i) {
        const double a = 2 * kPi * (i % segments) / segments;
        // Exact extremes at the quarter points, where cos and sin are 0 or 1.
        const double c = (i % (segments / 4) == 0) ? std::round(std::cos(a)) : std::cos(a);
        const double s = (i % (segments / 4) == 0) ? std::round(std::sin(a)) : std::sin(a);
        return TVertex{x, r * c, r * s};
    };
    const TVertex c0{x0, 0, 0}, c1{x1, 0, 0};
    for (int i = 0; i < segments; ++i) {
        Quad(rim(x0, i), rim(x0, i + 1), rim(x1, i + 1), rim(x1, i));
        triangles_.push_back({c0, rim(x0, i + 1), rim(x0, i)});
        triangles_.push_back({c1, rim(x1, i), rim(x1, i + 1)});
    }
}

std::string TMesh::Stl(const std::string& name) const {
    std::string out = "solid " + name + "\n";
    for (const auto& t : triangles_) {
        const TVertex n = Normal(t);
        out += "  facet normal " + Num(n[0]) + " " + Num(n[1]) + " " + Num(n[2]) + "\n    outer loop\n";
        for (const TVertex* v : {&t.A, &t.B, &t.C})
            out += "      vertex " + Num((*v)[0]) + " " + Num((*v)[1]) + " " + Num((*v)[2]) + "\n";
        out += "    endloop\n  endfacet\n";
    }
    return out + "endsolid " + name + "\n";
}

TMesh BuildMotorSolid(const TMotorParts& p) {
    TMesh m;
    const double pilotLen = p.Geared ? p.GearPilotLength : p.PilotLength;
    const double pilotR = (p.Geared ? p.GearPilotDiameter : p.PilotDiameter) / 2;
    const double r = p.ShaftDiameter / 2;
    m.CylinderX(p.FrontEnd(), -pilotLen, r);
    if (pilotLen > 0) m.CylinderX(-pilotLen, 0, pilotR);
    if (!p.FlangeOutput && p.KeyWidth > 0) {
        const double x0 = p.FrontEnd() + std::min(3.0, (p.ShaftLength - p.KeyLength) / 2);
        m.Box({x0, -p.KeyWidth / 2, r - p.KeyWidth / 2}, {x0 + p.KeyLength, p.KeyWidth / 2, r + p.KeyWidth / 2});
    }
    if (p.Geared) {
        const double g = p.GearFlange / 2;
        m.Box({0, -g, -g}, {p.GearFlangeThickness, g, g});
        m.CylinderX(p.GearFlangeThickness, p.GearLength, p.GearDiameter / 2);
    }
    const double o = p.MotorOffset(), f = p.Flange / 2, b = p.Body / 2;
    m.Box({o, -f, -f}, {o + p.FlangeThickness, f, f});
    m.Box({o + p.FlangeThickness, -b, -b}, {p.BodyEnd(), b, b});
    m.CylinderX(p.BodyEnd(), p.RearEnd(), p.EncoderDiameter / 2);
    const double w = p.ConnectorWidth / 2, d = p.ConnectorDepth / 2;
    for (double c : {o + p.PowerConnector, p.BodyEnd() - p.SignalConnector})
        m.Box({c - w, -d, b}, {c + w, d, p.ConnectorTop()});
    return m;
}

}  // namespace kinemo::cad
