// Speed-input patterns: edits, recalculation, chart points and the exchange of paths.
#include "pattern/InputPatternSpeedGridData.h"

#include "pattern/ConvertGridDataError.h"
#include "pattern/DrivePatternFormulas.h"
#include "pattern/SpeedPathExport.h"
#include "units/Measure.h"

#include <stdexcept>

namespace kinemo {

TInputPatternSpeedGridData::TInputPatternSpeedGridData(const TPatternServices& services, const TSpeedPatternKind& kind)
    : TInputPatternGridData(services, kind.Axis, TPatternInput::Speed), kind_(kind) {
    LoadColumnUnits(kind.UnitsKey, kColumns);
    Reset();
}

void TInputPatternSpeedGridData::RecomputeRow(int row) {
    ComputePosition(row);
    ComputeAcceleration(row);
}

void TInputPatternSpeedGridData::ApplyTimeInterval(int row, double displayValue) {
    TInputPatternGridData::ApplyTimeInterval(row, displayValue);
    RecomputeRow(row);
}

void TInputPatternSpeedGridData::ApplyElapsedTime(int row, double displayValue) {
    TInputPatternGridData::ApplyElapsedTime(row, displayValue);
    RecomputeRow(row);
}

bool TInputPatternSpeedGridData::SetCellValue(int row, int column, double displayValue) {
    if (row < 1 || row > kLastInterval) return false;
    switch (column) {
    case kFrequency: ApplyFrequency(row, displayValue); return true;
    case kSpeed: ApplySpeed(row, displayValue); return true;
    default: return TInputPatternGridData::SetCellValue(row, column, displayValue);
    }
}

void TInputPatternSpeedGridData::ApplyFrequency(int row, double displayValue) {
    Cell(row, kFrequency).SetDisplayValue(displayValue);
    const auto r = Formulas().Run("SetFrequency", {{"Frequency", Cell(row, kFrequency).Value()}, {"V", V()}}, {"Speed"});
    Cell(row, kSpeed).SetValue(r[0]);
    RecomputeRow(row);
}

void TInputPatternSpeedGridData::ApplySpeed(int row, double displayValue) {
    Cell(row, kSpeed).SetDisplayValue(displayValue);
    Cell(row, kFrequency).SetValue(FrequencyFromSpeed(Cell(row, kSpeed).Value()));
    RecomputeRow(row);
}

double TInputPatternSpeedGridData::FrequencyFromSpeed(double speed, double v) const {
    return Formulas().Run("SetSpeed", {{"Speed", speed}, {"V", v}}, {"Frequency"})[0];
}

double TInputPatternSpeedGridData::FrequencyFor(int row, double v) const {
    return FrequencyFromSpeed(Cell(row, kSpeed).Value(), v);
}

void TInputPatternSpeedGridData::ComputePosition(int row) {
    // The following rows' positions start from this one: the scan runs on while they
    // have an interval.
    for (int r = row;; ++r) {
        Cell(r, kPosition).SetValue(PositionFormula(Pre(r, kPosition), Cell(r, kFrequency).Value(),
                                                    Pre(r, kFrequency), Cell(r, kElapsedTime).Value(),
                                                    Cell(r, kTimeInterval).Value(), V()));
        if (r >= kLastInterval || !(Cell(r + 1, kTimeInterval).Value() > 0)) break;
    }
}

double TInputPatternSpeedGridData::PositionFormula(double prePosition, double frequency, double preFrequency,
                                                   double elapsedTime, double timeInterval, double v) const {
    return Formulas().Run(kind_.PositionKey,
                          {{"PrePosition", prePosition},
                           {"Frequency", frequency},
                           {"PreFrequency", preFrequency},
                           {"ElapsedTime", elapsedTime},
                           {"TimeInterval", timeInterval},
                           {"V", v}},
                          {"Position"})[0];
}

void TInputPatternSpeedGridData::ComputeAcceleration(int row) {
    const auto r = Formulas().Run(kind_.AccelerationKey,
                                  {{kind_.SpeedName, Cell(row, kSpeed).Value()},
                                   {kind_.PreSpeedName, Pre(row, kSpeed)},
                                   {"TimeInterval", Cell(row, kTimeInterval).Value()}},
                                  {"Acceleration"});
    Cell(row, kAcceleration).SetValue(r[0]);
}

void TInputPatternSpeedGridData::RecalculateAll() {
    double preFrequency = 0;
    double prePosition = 0;
    for (int r = 1; r < kStoredRowCount; ++r) {
        if (Cell(r, kTimeInterval).Value() == 0) {
            preFrequency = 0;
            prePosition = 0;
            continue;
        }
        Cell(r, kFrequency).SetValue(FrequencyFromSpeed(Cell(r, kSpeed).Value()));
        Cell(r, kPosition).SetValue(PositionFormula(prePosition, Cell(r, kFrequency).Value(), preFrequency,
                                                    Cell(r, kElapsedTime).Value(), Cell(r, kTimeInterval).Value(),
                                                    V()));
        ComputeAcceleration(r);
        preFrequency = Cell(r, kFrequency).Value();
        prePosition = Cell(r, kPosition).Value();
    }
}

void TInputPatternSpeedGridData::GetChartPoints(TChartPointList& points) const {
    points.assign(kStoredRowCount, TChartPoint{});
    for (int r = 0; r < kStoredRowCount; ++r) {
        if (r > 0 && Cell(r, kTimeInterval).Value() == 0) {
            points.resize(static_cast<size_t>(r));
            return;
        }
        points[static_cast<size_t>(r)] = {Cell(r, kElapsedTime).DisplayValue(), Cell(r, kSpeed).DisplayValue()};
    }
}

TGridPathList TInputPatternSpeedGridData::ExportPaths() const {
    std::vector<TSpeedPathExport::TInterval> intervals;
    for (int r = 0; r < kStoredRowCount; ++r)
        intervals.push_back({Cell(r, kTimeInterval).Value(), Cell(r, kFrequency).Value(), Cell(r, kSpeed).Value()});
    TSpeedPathExport exporter([this](double prePosition, double frequency, double preFrequency, double elapsedTime,
                                     double timeInterval) {
        return PositionFormula(prePosition, frequency, preFrequency, elapsedTime, timeInterval, V());
    });
    return exporter.Export(intervals);
}

void TInputPatternSpeedGridData::ImportPaths(const TGridPathList& paths) {
    const auto* list = std::get_if<std::vector<TPositionGridPath>>(&paths);
    if (!list) throw std::invalid_argument("a speed pattern imports the paths of a position pattern");
    if (static_cast<int>(list->size()) > kLastInterval) throw EConvertGridDataError(ErrorText("PatternTooManyIntervals"));
    ClearRows();
    int row = 1;
    for (const TPositionGridPath& path : *list) {
        Cell(row, kTimeInterval).SetValue(path.Time);
        Cell(row, kSpeed).SetValue(path.Speed);
        ComputeElapsedTime(row);
        Cell(row, kFrequency).SetValue(FrequencyFromSpeed(path.Speed));
        ComputePosition(row);
        ComputeAcceleration(row);
        EnterRow(row++);
    }
}

}  // namespace kinemo
