// Outlines and dimensions of the flat views.
#include "MotorViews.h"

#include <algorithm>
#include <cmath>

namespace kinemo::cad {

namespace {

constexpr double kPi = 3.14159265358979323846;

double TextHeight(const TMotorParts& p) { return std::max(2.5, std::round(std::max(p.Flange, p.GearFlange) / 20.0)); }

// n holes on a bolt circle, the first at 45 degrees (square flanges put them in the corners).
void BoltHoles(TDrawing& d, double pcd, double hole, int n, double startDeg) {
    d.Circle(kLayerCenter, 0, 0, pcd / 2);
    for (int i = 0; i < n; ++i) {
        const double a = (startDeg + 360.0 * i / n) * kPi / 180.0;
        d.Circle(kLayerOutline, pcd / 2 * std::cos(a), pcd / 2 * std::sin(a), hole / 2);
    }
}

void Front(TDrawing& d, const TMotorParts& p) {
    const double h = TextHeight(p), half = p.FrontFlange() / 2;
    // The motor flange shows round a smaller gear flange.
    if (p.Geared && p.Flange > p.GearFlange) d.Rect(kLayerOutline, -p.Flange / 2, -p.Flange / 2, p.Flange / 2, p.Flange / 2);
    d.Rect(kLayerOutline, -half, -half, half, half);
    // Connectors show where they stand above the flange.
    const double top = std::max(half, p.Geared ? p.Flange / 2 : half);
    if (p.ConnectorTop() > top) d.Rect(kLayerOutline, -p.ConnectorDepth / 2, top, p.ConnectorDepth / 2, p.ConnectorTop());
    if (p.Geared) {
        d.Circle(kLayerOutline, 0, 0, p.GearPilotDiameter / 2);
        BoltHoles(d, p.GearBoltCircle, p.GearBoltHole, 4, 45);
        d.Circle(kLayerOutline, 0, 0, p.ShaftDiameter / 2);
        if (p.FlangeOutput) BoltHoles(d, p.OutputBoltCircle, p.OutputHole, p.OutputHoles, 90.0 / p.OutputHoles);
    } else {
        d.Circle(kLayerOutline, 0, 0, p.PilotDiameter / 2);
        BoltHoles(d, p.BoltCircle, p.BoltHole, 4, 45);
        if (p.OilSealDiameter > 0) d.Circle(kLayerOutline, 0, 0, p.OilSealDiameter / 2);
        d.Circle(kLayerOutline, 0, 0, p.ShaftDiameter / 2);
    }
    if (!p.FlangeOutput && p.KeyWidth > 0) {
        // The key seen end on: its sides from inside the shaft to above it.
        const double r = p.ShaftDiameter / 2, w = p.KeyWidth / 2;
        const double y0 = std::sqrt(r * r - w * w) - p.KeyWidth / 2;
        d.Rect(kLayerOutline, -w, y0, w, r + p.KeyWidth / 2);
    }
    const double ext = half + 5;
    d.Line(kLayerCenter, -ext, 0, ext, 0);
    d.Line(kLayerCenter, 0, -ext, 0, std::max(ext, p.ConnectorTop() + 3));
    d.DimensionX(-half, half, -half, -half - 3 * h, h);
    d.DimensionY(-half, half, half, half + 3 * h, h);
    const double pcd = p.Geared ? p.GearBoltCircle : p.BoltCircle, hole = p.Geared ? p.GearBoltHole : p.BoltHole;
    d.Text(kLayerDimension, 0, -half - 6 * h, h,
           "4x %%c" + LengthText(hole) + " on %%c" + LengthText(pcd) + ", pilot %%c" +
               LengthText(p.Geared ? p.GearPilotDiameter : p.PilotDiameter) + ", shaft %%c" + LengthText(p.ShaftDiameter));
}

// Side outline with x along the axis (s = +1: shaft to the left, -1: mirrored).
void Side(TDrawing& d, const TMotorParts& p, double s) {
    auto rect = [&](double xa, double xb, double ya, double yb) { d.Rect(kLayerOutline, s * xa, ya, s * xb, yb); };
    const double h = TextHeight(p), r = p.ShaftDiameter / 2;
    const double pilotLen = p.Geared ? p.GearPilotLength : p.PilotLength;
    const double pilotR = (p.Geared ? p.GearPilotDiameter : p.PilotDiameter) / 2;
    rect(p.FrontEnd(), -pilotLen, -r, r);
    if (pilotLen > 0) rect(-pilotLen, 0, -pilotR, pilotR);
    if (!p.FlangeOutput && p.KeyWidth > 0) {
        const double x0 = p.FrontEnd() + std::min(3.0, (p.ShaftLength - p.KeyLength) / 2);
        rect(x0, x0 + p.KeyLength, r, r + p.KeyWidth / 2);
    }
    if (p.Geared) {
        rect(0, p.GearFlangeThickness, -p.GearFlange / 2, p.GearFlange / 2);
        rect(p.GearFlangeThickness, p.GearLength, -p.GearDiameter / 2, p.GearDiameter / 2);
    }
    const double m = p.MotorOffset();
    rect(m, m + p.FlangeThickness, -p.Flange / 2, p.Flange / 2);
    rect(m + p.FlangeThickness, p.BodyEnd(), -p.Body / 2, p.Body / 2);
    if (p.BrakeLength > 0) d.Line(kLayerOutline, s * (m + p.BodyLength), -p.Body / 2, s * (m + p.BodyLength), p.Body / 2);
    rect(p.BodyEnd(), p.RearEnd(), -p.EncoderDiameter / 2, p.EncoderDiameter / 2);
    const double w = p.ConnectorWidth / 2;
    rect(m + p.PowerConnector - w, m + p.PowerConnector + w, p.Body / 2, p.ConnectorTop());
    rect(p.BodyEnd() - p.SignalConnector - w, p.BodyEnd() - p.SignalConnector + w, p.Body / 2, p.ConnectorTop());

    const double half = std::max(p.Flange, p.GearFlange) / 2;
    d.Line(kLayerCenter, s * (p.FrontEnd() - 5), 0, s * (p.RearEnd() + 5), 0);
    d.DimensionX(s * p.FrontEnd(), 0, -r, -half - 3 * h, h);
    d.DimensionX(0, s * p.RearEnd(), -half, -half - 3 * h, h);
    d.DimensionX(s * p.FrontEnd(), s * p.RearEnd(), -half, -half - 6 * h, h);
    d.DimensionY(-r, r, s * p.FrontEnd(), s * (p.FrontEnd() - 3 * h), h, "%%c" + LengthText(p.ShaftDiameter));
    d.DimensionY(-p.Flange / 2, p.Flange / 2, s * (m + p.FlangeThickness), s * (p.RearEnd() + 3 * h), h);
    std::string title = p.Model.empty() ? p.Part : p.Model;
    if (p.Geared && !p.GearRatio.empty()) title += "  gear " + p.GearRatio;
    d.Text(kLayerDimension, s * (p.FrontEnd() + p.RearEnd()) / 2, p.ConnectorTop() + 2 * h, h, title);
}

}  // namespace

TDrawing DrawView(const TMotorParts& parts, TView view) {
    TDrawing d;
    switch (view) {
    case TView::Front: Front(d, parts); break;
    case TView::Left: Side(d, parts, 1); break;
    case TView::Right: Side(d, parts, -1); break;
    }
    return d;
}

}  // namespace kinemo::cad
