// The speed pattern's export into moves.
#include "pattern/SpeedPathExport.h"

#include "pattern/ConvertGridDataError.h"
#include "units/ValueFormat.h"

#include <cmath>

namespace kinemo {

namespace {

bool IsZeroText(double x) { return FloatToText(x) == "0"; }

}  // namespace

std::vector<TSpeedGridPath> TSpeedPathExport::Export(const std::vector<TInterval>& rows) const {
    std::vector<TPiece> pieces = SplitAtZeroCrossings(Segments(rows));
    CheckShape(pieces);
    AddPositions(pieces);
    return Moves(pieces);
}

// Segment 0 gathers the rest at speed 0 before the first acceleration.
std::vector<TSpeedPathExport::TPiece> TSpeedPathExport::Segments(const std::vector<TInterval>& rows) {
    std::vector<TPiece> segments(1);
    double preSpeed = 0;
    double preAcceleration = 0;
    for (const TInterval& row : rows) {
        const double t = row.TimeInterval;
        if (!(t > 0)) continue;
        const double acceleration = Round12((row.Speed - preSpeed) / t);
        if (acceleration == preAcceleration) {
            TPiece& last = segments.back();
            last.Duration = Round12(last.Duration + t);
            last.Frequency = row.Frequency;
            last.Speed = row.Speed;
        } else {
            segments.push_back({t, row.Frequency, row.Speed});
        }
        preAcceleration = acceleration;
        preSpeed = row.Speed;
    }
    return segments;
}

// Piece 0 is the origin. A leading rest becomes a piece of its own, so that the dwell
// before the first move survives the conversion.
std::vector<TSpeedPathExport::TPiece> TSpeedPathExport::SplitAtZeroCrossings(const std::vector<TPiece>& segments) {
    std::vector<TPiece> pieces(1);
    if (segments[0].Duration > 0) pieces.push_back({segments[0].Duration, 0, 0});
    for (size_t i = 1; i < segments.size() && !IsZeroText(segments[i].Duration); ++i) {
        const TPiece& pre = segments[i - 1];
        const TPiece& cur = segments[i];
        if (cur.Speed * pre.Speed >= 0) {
            pieces.push_back(cur);
            continue;
        }
        const double f0 = std::fabs(pre.Frequency);
        const double f1 = std::fabs(cur.Frequency);
        // Without a speed coefficient every motor speed is 0; the load speeds still tell
        // where the reversal lies.
        const double share = f0 + f1 > 0 ? f0 / (f0 + f1)
                                         : std::fabs(pre.Speed) / (std::fabs(pre.Speed) + std::fabs(cur.Speed));
        const double t0 = Round12(cur.Duration * share);
        pieces.push_back({t0, 0, 0});
        pieces.push_back({Round12(cur.Duration - t0), cur.Frequency, cur.Speed});
    }
    return pieces;
}

void TSpeedPathExport::CheckShape(const std::vector<TPiece>& pieces) {
    std::string pre = "0";
    for (size_t i = 1; i < pieces.size(); ++i) {
        const std::string cur = FloatToText(pieces[i].Frequency);
        if (pre != "0" && cur != "0" && pre != cur) throw EConvertGridDataError("Not Trapezoid.");
        pre = cur;
    }
    if (pre != "0") throw EConvertGridDataError("Last Interval is not 0 Angel or 0 Speed.");
}

void TSpeedPathExport::AddPositions(std::vector<TPiece>& pieces) const {
    for (size_t i = 1; i < pieces.size(); ++i) {
        const TPiece& pre = pieces[i - 1];
        TPiece& p = pieces[i];
        p.EndTime = Round12(pre.EndTime + p.Duration);
        p.Position = Round12(position_(pre.Position, p.Frequency, pre.Frequency, p.EndTime, p.Duration));
    }
}

// A piece ending at rest is a dwell; otherwise a move: acceleration, an optional constant
// phase, and the deceleration that ends it.
std::vector<TSpeedGridPath> TSpeedPathExport::Moves(const std::vector<TPiece>& pieces) {
    std::vector<TSpeedGridPath> paths;
    size_t i = 1;
    while (i < pieces.size()) {
        const TPiece& p = pieces[i++];
        if (IsZeroText(p.Frequency)) {
            paths.push_back({p.Duration, p.Position, 0, 0});
            continue;
        }
        TSpeedGridPath path{p.Duration, p.Position, p.Duration, 0};
        if (i < pieces.size() && !IsZeroText(pieces[i].Frequency)) {
            path.Time = Round12(path.Time + pieces[i].Duration);
            path.Position = pieces[i++].Position;
        }
        if (i < pieces.size()) {
            path.Time = Round12(path.Time + pieces[i].Duration);
            path.Position = pieces[i].Position;
            path.DecelerationTime = pieces[i++].Duration;
        }
        paths.push_back(path);
    }
    return paths;
}

}  // namespace kinemo
