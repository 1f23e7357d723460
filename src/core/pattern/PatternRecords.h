// The small records the drive pattern hands around: pattern kinds, interval ranges, chart
// points and the paths that carry a pattern from one input type to the other.
#pragma once

#include <variant>
#include <vector>

namespace kinemo {

// The machine's axis: a linear load ("Straight") or a rotary one ("Rolling").
enum class TPatternAxis { Straight = 0, Rolling = 1 };
// What the user enters: speeds at interval ends, or target positions of trapezoidal moves.
enum class TPatternInput { Speed = 0, Position = 1 };

// A block of intervals by interval index k (data row k + 1), as the row commands take it.
struct TIntervalRange {
    static constexpr int kLastIndex = 98;  // data row 99
    int Min = -1;
    int Max = -1;
    bool Valid() const { return Min >= 0 && Min <= Max && Max <= kLastIndex; }
    int Count() const { return Max - Min + 1; }
};

// One point of the speed chart in display units: x time, y load speed.
struct TChartPoint {
    double X = 0;
    double Y = 0;
};
using TChartPointList = std::vector<TChartPoint>;

// A trapezoidal move (or a dwell) exported from a speed pattern, in base units.
struct TSpeedGridPath {
    double Time = 0;
    double Position = 0;
    double AccelerationTime = 0;
    double DecelerationTime = 0;
};

// An interval of constant acceleration exported from a position pattern: its duration and
// the load speed at its end, in base units.
struct TPositionGridPath {
    double Time = 0;
    double Speed = 0;
};

// Speed patterns export moves; position patterns export speed intervals.
using TGridPathList = std::variant<std::vector<TSpeedGridPath>, std::vector<TPositionGridPath>>;

}  // namespace kinemo
