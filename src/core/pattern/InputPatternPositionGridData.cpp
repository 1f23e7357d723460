// Position-input patterns: moves and dwells, their validation, chart points and paths.
#include "pattern/InputPatternPositionGridData.h"

#include "pattern/ConvertGridDataError.h"
#include "pattern/DrivePatternFormulas.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

#include <stdexcept>

namespace kinemo {

TInputPatternPositionGridData::TInputPatternPositionGridData(const TPatternServices& services,
                                                             const TPositionPatternKind& kind)
    : TInputPatternGridData(services, kind.Axis, TPatternInput::Position), kind_(kind) {
    LoadColumnUnits(kind.UnitsKey, kColumns);
    Reset();
}

void TInputPatternPositionGridData::RecomputeRow(int row) {
    ComputeSpeed(row);
    ComputeAcceleration(row);
}

void TInputPatternPositionGridData::ApplyTimeInterval(int row, double displayValue) {
    TInputPatternGridData::ApplyTimeInterval(row, displayValue);
    RecomputeRow(row);
}

void TInputPatternPositionGridData::ApplyElapsedTime(int row, double displayValue) {
    TInputPatternGridData::ApplyElapsedTime(row, displayValue);
    RecomputeRow(row);
}

bool TInputPatternPositionGridData::SetCellValue(int row, int column, double displayValue) {
    if (row < 1 || row > kLastInterval) return false;
    switch (column) {
    case kPosition: ApplyPosition(row, displayValue, true); return true;
    case kAccelerationTime: ApplyAccelerationTime(row, displayValue); return true;
    case kDecelerationTime: ApplyDecelerationTime(row, displayValue); return true;
    default: return TInputPatternGridData::SetCellValue(row, column, displayValue);
    }
}

void TInputPatternPositionGridData::ApplyPosition(int row, double displayValue, bool cascade) {
    Cell(row, kPosition).SetDisplayValue(displayValue);
    if (Cell(row, kPosition).Value() != Pre(row, kPosition)) {
        Row(row).Suspended = false;
    } else {
        Row(row).Suspended = true;
        Cell(row, kAccelerationTime).SetValue(0);
        Cell(row, kDecelerationTime).SetValue(0);
    }
    RecomputeRow(row);
    if (cascade && row + 1 < kRowCount) ApplyPosition(row + 1, Cell(row + 1, kPosition).DisplayValue(), false);
}

void TInputPatternPositionGridData::ApplyAccelerationTime(int row, double displayValue) {
    Cell(row, kAccelerationTime).SetDisplayValue(displayValue);
    RecomputeRow(row);
}

void TInputPatternPositionGridData::ApplyDecelerationTime(int row, double displayValue) {
    Cell(row, kDecelerationTime).SetDisplayValue(displayValue);
    RecomputeRow(row);
}

std::vector<double> TInputPatternPositionGridData::SpeedFormula(int row, const char* key, double v) const {
    return Formulas().Run(key,
                          {{"TimeInterval", Cell(row, kTimeInterval).Value()},
                           {"Acceleration", Cell(row, kAccelerationTime).Value()},
                           {"Deceleration", Cell(row, kDecelerationTime).Value()},
                           {"Position", Cell(row, kPosition).Value()},
                           {"PrePosition", Pre(row, kPosition)},
                           {"V", v}},
                          {"Frequency", "Speed"});
}

void TInputPatternPositionGridData::ComputeSpeed(int row) {
    const auto r = SpeedFormula(row, kind_.SpeedKey, V());
    Cell(row, kFrequency).SetValue(r[0]);
    Cell(row, kSpeed).SetValue(r[1]);
}

double TInputPatternPositionGridData::FrequencyFor(int row, double v) const {
    return SpeedFormula(row, kind_.SpeedKey, v)[0];
}

void TInputPatternPositionGridData::ComputeAcceleration(int row) {
    const auto r = Formulas().Run(kind_.AccelerationKey,
                                  {{"Acceleration", Cell(row, kAccelerationTime).Value()},
                                   {"Deceleration", Cell(row, kDecelerationTime).Value()},
                                   {"Speed", Cell(row, kSpeed).Value()}},
                                  {"AcceleratedVelocity"});
    Cell(row, kAcceleratedVelocity).SetValue(r[0]);
}

void TInputPatternPositionGridData::RecalculateAll() {
    for (int r = 1; r < kStoredRowCount; ++r)
        if (Cell(r, kTimeInterval).Value() != 0) RecomputeRow(r);
}

void TInputPatternPositionGridData::Validate() const {
    TInputPatternGridData::Validate();
    std::string prePosition = "0";
    for (int r = 0; r < kRowCount; ++r) {
        const double t = Round12(Cell(r, kTimeInterval).Value());
        const double a = Round12(Cell(r, kAccelerationTime).Value());
        const double d = Round12(Cell(r, kDecelerationTime).Value());
        const std::string position = FloatToText(Round12(Cell(r, kPosition).Value()));
        const std::string aText = FloatToText(a);
        const std::string dText = FloatToText(d);
        if (a < 0 || d < 0) FailAt(r, "InputMinusNumber");
        if (Round12(a + d) > t) FailAt(r, "IllegalTimeInterval");
        const bool moves = position != prePosition;
        if (t > 0 && moves && aText == "0") FailAt(r, "NotInputAcceleration");
        if (t > 0 && moves && dText == "0") FailAt(r, "NotInputDeceleration");
        if (!moves && (aText != "0" || dText != "0")) FailAt(r, "IllegalUnderSuspension");
        prePosition = position;
    }
}

bool TInputPatternPositionGridData::MovesWithoutAccelerationTime(int row) const {
    if (row < 1 || row > kLastInterval) return false;
    const bool moves = FloatToText(Round12(Cell(row, kPosition).Value())) != FloatToText(Round12(Pre(row, kPosition)));
    return moves && FloatToText(Round12(Cell(row, kAccelerationTime).Value())) == "0";
}

void TInputPatternPositionGridData::GetChartPoints(TChartPointList& points) const {
    points.assign(2 + 3 * kRowCount, TChartPoint{});
    const TMeasureManager& m = Measures();
    const int from = BaseUnit(kElapsedTime).Code();
    const int to = DisplayUnit(kElapsedTime).Code();
    size_t n = 1;
    double t = 0;
    for (int r = 1; r < kStoredRowCount; ++r) {
        const double interval = Cell(r, kTimeInterval).Value();
        if (!(interval > 0)) break;
        const double a = Cell(r, kAccelerationTime).Value();
        const double d = Cell(r, kDecelerationTime).Value();
        const double s = Cell(r, kSpeed).DisplayValue();
        const double constant = interval - a - d;
        points[n++] = {m.Convert(from, to, t + a), s};
        if (constant > 0) points[n++] = {m.Convert(from, to, t + a + constant), s};
        t = constant > 0 ? t + a + constant + d : t + a + d;
        points[n++] = {m.Convert(from, to, t), 0};
    }
    points.resize(n);
}

void TInputPatternPositionGridData::AfterRowsMoved(int row, bool closedUp) {
    if (closedUp && row >= 0 && row < kRowCount) ApplyPosition(row, Cell(row, kPosition).DisplayValue(), true);
    RecomputeSuspended();
}

void TInputPatternPositionGridData::RecomputeSuspended() {
    double last = 0;
    for (int r = 1; r <= kLastInterval; ++r) {
        const double position = Cell(r, kPosition).Value();
        Row(r).Suspended = position == last;
        if (!Row(r).Suspended) last = position;
    }
}

void TInputPatternPositionGridData::PasteRows(int row) {
    if (!HasCopiedRows() || row < 1 || row > kLastInterval) return;
    TInputPatternGridData::PasteRows(row);
    ApplyPosition(row, Cell(row, kPosition).DisplayValue(), true);
    RecomputeSuspended();
}

TGridPathList TInputPatternPositionGridData::ExportPaths() const {
    try {
        Validate();
    } catch (const TKinemoError& e) {
        throw EConvertGridDataError(e.what());
    }
    std::vector<TPositionGridPath> paths;
    for (int r = 1; r < kStoredRowCount; ++r) {
        const double t = Round12(Cell(r, kTimeInterval).Value());
        if (!(t > 0)) continue;
        const double s = Round12(Cell(r, kSpeed).Value());
        const double a = Round12(Cell(r, kAccelerationTime).Value());
        const double d = Round12(Cell(r, kDecelerationTime).Value());
        if (s == 0) {
            paths.push_back({t, 0});
            continue;
        }
        paths.push_back({a, s});
        const double constant = Round12(t - a - d);
        if (constant > 0) paths.push_back({constant, s});
        paths.push_back({d, 0});
    }
    return paths;
}

void TInputPatternPositionGridData::ImportPaths(const TGridPathList& paths) {
    const auto* list = std::get_if<std::vector<TSpeedGridPath>>(&paths);
    if (!list) throw std::invalid_argument("a position pattern imports the paths of a speed pattern");
    if (static_cast<int>(list->size()) > kLastInterval) throw EConvertGridDataError(ErrorText("PatternTooManyIntervals"));
    ClearRows();
    int row = 1;
    for (const TSpeedGridPath& path : *list) {
        Cell(row, kTimeInterval).SetValue(path.Time);
        Cell(row, kPosition).SetValue(path.Position);
        Cell(row, kAccelerationTime).SetValue(path.AccelerationTime);
        Cell(row, kDecelerationTime).SetValue(path.DecelerationTime);
        ComputeSpeed(row);
        ComputeAcceleration(row);
        ComputeElapsedTime(row);
        EnterRow(row++);
    }
    RecomputeSuspended();
}

}  // namespace kinemo
