// The speed input type: the user enters the load speed (or the motor speed) at the end of
// each interval; positions and accelerations follow.
#pragma once

#include "pattern/InputPatternGridData.h"

namespace kinemo {

// What makes a speed pattern linear or rotary: its column units and the catalog formulas
// and variable names of its position and acceleration.
struct TSpeedPatternKind {
    TPatternAxis Axis;
    const char* UnitsKey;         // column units
    const char* PositionKey;      // position at the end of an interval
    const char* AccelerationKey;  // acceleration of an interval
    const char* SpeedName;        // the formula's names of the speed and the previous speed
    const char* PreSpeedName;
};
inline constexpr TSpeedPatternKind kStraightSpeedPattern{TPatternAxis::Straight, "StraightSpeedGridMeasure",
                                                         "StraightChangePosition", "StraightSpeedGridAcceleration",
                                                         "Speed", "PreSpeed"};
inline constexpr TSpeedPatternKind kRollingSpeedPattern{TPatternAxis::Rolling, "RollingSpeedGridMeasure",
                                                        "RollingChangePosition", "RollingSpeedGridAcceleration",
                                                        "AngularSpeed", "PreAngularSpeed"};

class TInputPatternSpeedGridData final : public TInputPatternGridData {
public:
    static constexpr int kAcceleration = 5;
    static constexpr int kColumns = 6;

    // Reads the kind's column units and starts empty.
    TInputPatternSpeedGridData(const TPatternServices& services, const TSpeedPatternKind& kind);

    void ApplyTimeInterval(int row, double displayValue) override;
    void ApplyElapsedTime(int row, double displayValue) override;
    bool SetCellValue(int row, int column, double displayValue) override;
    void GetChartPoints(TChartPointList& points) const override;
    // Trapezoidal moves and dwells; "Not Trapezoid." or "Last Interval is not 0 Angel or
    // 0 Speed." when the speeds do not form such moves.
    TGridPathList ExportPaths() const override;
    void ImportPaths(const TGridPathList& paths) override;
    void RecalculateAll() override;
    // "SetSpeed" on the row's load speed.
    double FrequencyFor(int row, double v) const override;

    // 17. Position(row) by PositionFormula, then the following rows while they have an interval.
    void ComputePosition(int row);
    // 18. The position at the end of an interval of the given speeds and times.
    double PositionFormula(double prePosition, double frequency, double preFrequency, double elapsedTime,
                           double timeInterval, double v) const;
    // 19. Acceleration(row).
    void ComputeAcceleration(int row);

    void ApplyFrequency(int row, double displayValue);
    void ApplySpeed(int row, double displayValue);
    // The motor speed of a load speed ("SetSpeed").
    double FrequencyFromSpeed(double speed) const { return FrequencyFromSpeed(speed, V()); }
    double FrequencyFromSpeed(double speed, double v) const;

protected:
    std::vector<int> EntryColumns() const override { return {kElapsedTime, kTimeInterval, kFrequency, kSpeed}; }

private:
    void RecomputeRow(int row);

    const TSpeedPatternKind& kind_;
};

}  // namespace kinemo
