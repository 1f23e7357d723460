// The position input type: each interval is a trapezoidal move to a target position (or a
// dwell at the same position) with its acceleration and deceleration times; speeds follow.
#pragma once

#include "pattern/InputPatternGridData.h"

namespace kinemo {

// What makes a position pattern linear or rotary: its column units and the catalog
// formulas of its speed and acceleration.
struct TPositionPatternKind {
    TPatternAxis Axis;
    const char* UnitsKey;         // column units
    const char* SpeedKey;         // frequency and speed of a move
    const char* AccelerationKey;  // accelerated velocity of a move
};
inline constexpr TPositionPatternKind kStraightPositionPattern{TPatternAxis::Straight, "StraightPositionGridMeasure",
                                                               "StraightUpdateSpeed", "StraightPositionGridAcceleration"};
inline constexpr TPositionPatternKind kRollingPositionPattern{TPatternAxis::Rolling, "RollingPositionGridMeasure",
                                                              "RollingUpdateSpeed", "RollingPositionGridAcceleration"};

class TInputPatternPositionGridData final : public TInputPatternGridData {
public:
    static constexpr int kAccelerationTime = 5;
    static constexpr int kDecelerationTime = 6;
    static constexpr int kAcceleratedVelocity = 7;
    static constexpr int kColumns = 8;

    // Reads the kind's column units and starts empty.
    TInputPatternPositionGridData(const TPatternServices& services, const TPositionPatternKind& kind);

    void ApplyTimeInterval(int row, double displayValue) override;
    void ApplyElapsedTime(int row, double displayValue) override;
    bool SetCellValue(int row, int column, double displayValue) override;
    // Adds the rules of moves and dwells to the time rules.
    void Validate() const override;
    void GetChartPoints(TChartPointList& points) const override;
    // Re-applies the position of the first pasted row, so that it and the row after the
    // pasted block see their new neighbours.
    void PasteRows(int row) override;
    // Validates first; a broken rule becomes the conversion error.
    TGridPathList ExportPaths() const override;
    void ImportPaths(const TGridPathList& paths) override;
    void RecalculateAll() override;
    // The kind's speed formula on the row's move.
    double FrequencyFor(int row, double v) const override;

    // 17. Frequency and Speed of the row's move.
    void ComputeSpeed(int row);
    // 18. AcceleratedVelocity of the row's move.
    void ComputeAcceleration(int row);

    // A target position: the row becomes a move, or a dwell without acceleration and
    // deceleration times; with cascade the next row follows its new previous position.
    void ApplyPosition(int row, double displayValue, bool cascade);
    void ApplyAccelerationTime(int row, double displayValue);
    void ApplyDecelerationTime(int row, double displayValue);
    // Suspended of rows 1..99 from the positions: true where the position repeats.
    void RecomputeSuspended();
    // The row moves to a new position without an acceleration time: its acceleration
    // column holds no figure of the move (the move is refused by Validate).
    bool MovesWithoutAccelerationTime(int row) const;

protected:
    std::vector<int> EntryColumns() const override {
        return {kElapsedTime, kTimeInterval, kPosition, kAccelerationTime, kDecelerationTime};
    }
    // After a deletion the row before the gap is applied again with its successor, as a
    // cut does; after every move of rows the dwell flags follow the positions.
    void AfterRowsMoved(int row, bool closedUp) override;

private:
    void RecomputeRow(int row);
    // Frequency and Speed of the row's move for the speed coefficient v.
    std::vector<double> SpeedFormula(int row, const char* key, double v) const;

    const TPositionPatternKind& kind_;
};

}  // namespace kinemo
