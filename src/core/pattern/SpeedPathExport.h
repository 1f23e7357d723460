// Turns the intervals of a speed pattern into trapezoidal moves and dwells: intervals of
// equal acceleration are merged, speed reversals are split at the zero crossing, the shape
// is checked, and positions are integrated with the pattern's position formula.
#pragma once

#include "pattern/PatternRecords.h"

#include <functional>
#include <vector>

namespace kinemo {

class TSpeedPathExport {
public:
    // One row of the speed pattern, base values.
    struct TInterval {
        double TimeInterval = 0;
        double Frequency = 0;
        double Speed = 0;
    };
    // The pattern's PositionFormula with its speed coefficient bound.
    using TPositionFn = std::function<double(double prePosition, double frequency, double preFrequency,
                                             double elapsedTime, double timeInterval)>;

    explicit TSpeedPathExport(TPositionFn position) : position_(std::move(position)) {}

    // rows are the pattern's rows 0..100; raises EConvertGridDataError for a shape that
    // is not made of trapezoidal moves ending at rest.
    std::vector<TSpeedGridPath> Export(const std::vector<TInterval>& rows) const;

private:
    // A stretch of constant acceleration: its duration, end speeds, end time and position.
    struct TPiece {
        double Duration = 0;
        double Frequency = 0;
        double Speed = 0;
        double EndTime = 0;
        double Position = 0;
    };

    static std::vector<TPiece> Segments(const std::vector<TInterval>& rows);
    static std::vector<TPiece> SplitAtZeroCrossings(const std::vector<TPiece>& segments);
    static void CheckShape(const std::vector<TPiece>& pieces);
    void AddPositions(std::vector<TPiece>& pieces) const;
    static std::vector<TSpeedGridPath> Moves(const std::vector<TPiece>& pieces);

    TPositionFn position_;
};

}  // namespace kinemo
