// The speed input type: the user enters the load speed (or the motor speed) at the end of
// each interval; positions and accelerations follow.
#pragma once

#include "pattern/InputPatternGridData.h"

namespace kinemo {

class TInputPatternSpeedGridData : public TInputPatternGridData {
public:
    static constexpr int kAcceleration = 5;
    static constexpr int kColumns = 6;

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
    virtual void ComputePosition(int row);
    // 18. The position at the end of an interval of the given speeds and times.
    virtual double PositionFormula(double prePosition, double frequency, double preFrequency, double elapsedTime,
                                   double timeInterval, double v) const = 0;
    // 19. Acceleration(row).
    virtual void ComputeAcceleration(int row) = 0;

    void ApplyFrequency(int row, double displayValue);
    void ApplySpeed(int row, double displayValue);
    // The motor speed of a load speed ("SetSpeed").
    double FrequencyFromSpeed(double speed) const { return FrequencyFromSpeed(speed, V()); }
    double FrequencyFromSpeed(double speed, double v) const;

protected:
    std::vector<int> EntryColumns() const override { return {kElapsedTime, kTimeInterval, kFrequency, kSpeed}; }
    TInputPatternSpeedGridData(const TPatternServices& services, TPatternAxis axis)
        : TInputPatternGridData(services, axis, TPatternInput::Speed) {}

    // PositionFormula and ComputeAcceleration of a kind: its formula keys and the names
    // of its speed variables.
    double RunPositionFormula(const char* key, double prePosition, double frequency, double preFrequency,
                              double elapsedTime, double timeInterval, double v) const;
    void RunAcceleration(int row, const char* key, const char* speedName, const char* preSpeedName);

private:
    void RecomputeRow(int row);
};

}  // namespace kinemo
