// What every drive-pattern kind shares: units, time edits, row operations, validation of
// times and the rows of the project file.
#include "pattern/InputPatternGridData.h"

#include "pattern/DrivePatternFormulas.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "base/TextFormat.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"
#include "base/NumberText.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kinemo {

namespace {

int UnitCodeOf(const std::string& text, const std::string& key) {
    double code = 0;
    int whole = 0;
    if (!TryTextToFloat(text, code) || !TruncateToInteger(code, whole) || code != whole)
        throw TKinemoError("The catalog's unit of a drive-pattern column (" + key + ") is not a unit code: \"" + text +
                           "\"");
    return whole;
}

}  // namespace

TInputPatternGridData::TInputPatternGridData(const TPatternServices& services, TPatternAxis axis,
                                             TPatternInput input)
    : services_(services), axis_(axis), input_(input) {}

void TInputPatternGridData::LoadColumnUnits(const std::string& key, int required) {
    TCatalogQuery& q = *services_.Query;
    q.Close();
    q.SetSQL(std::vector<std::string>{"select msg_value from s_message ",
                                      "where msg_class=:CLASS and msg_control=:CONTROL order by msg_cd"});
    q.SetParam("CLASS", "frame_input_pattern");
    q.SetParam("CONTROL", key);
    q.Open();
    baseUnits_.clear();
    displayUnits_.clear();
    for (; !q.Eof(); q.Next()) {
        const int code = UnitCodeOf(q.AsString(0), key);
        const TMeasure* unit = services_.Measures->FindMeasure(code);
        if (!unit) throw TKinemoError("The catalog names an unknown unit " + std::to_string(code) + " for " + key);
        const TMeasure* shown = services_.Measures->DefaultMeasure(*unit->MeasureClass());
        baseUnits_.push_back(unit);
        displayUnits_.push_back(shown ? shown : unit);
    }
    q.Close();
    if (static_cast<int>(baseUnits_.size()) < required)
        throw TKinemoError("The catalog gives " + std::to_string(baseUnits_.size()) + " column units for " + key +
                           "; the drive pattern needs " + std::to_string(required));
    unitChanged_.assign(baseUnits_.size(), false);
}

void TInputPatternGridData::Reset() {
    for (size_t c = 0; c < baseUnits_.size(); ++c) {
        const TMeasure* shown = services_.Measures->DefaultMeasure(*baseUnits_[c]->MeasureClass());
        displayUnits_[c] = shown ? shown : baseUnits_[c];
    }
    unitChanged_.assign(baseUnits_.size(), false);
    rows_.assign(kStoredRowCount, TRowData(*services_.Measures, displayUnits_, baseUnits_));
}

void TInputPatternGridData::SetColumnUnit(int column, const TMeasure& unit) {
    const TMeasure& base = BaseUnit(column);
    // A unit of another quantity has no conversion and would show every value as 0.
    if (unit.MeasureClass() != base.MeasureClass())
        throw std::invalid_argument("unit " + std::to_string(unit.Code()) + " does not measure the column's quantity");
    displayUnits_[static_cast<size_t>(column)] = &unit;
    unitChanged_[static_cast<size_t>(column)] = true;
    for (TRowData& row : rows_) row.Cell(column).SetDisplayUnit(unit);
}

void TInputPatternGridData::RefreshCarryOutput() {
    if (services_.Chain) carry_ = services_.Chain->CalcChain(false, false);
}

void TInputPatternGridData::ComputeElapsedTime(int row) {
    const auto r = Formulas().Run("SetTimeInterval",
                                  {{"TimeInterval", Cell(row, kTimeInterval).Value()},
                                   {"BeforeTime", Pre(row, kElapsedTime)}},
                                  {"ElapsedTime"});
    Cell(row, kElapsedTime).SetValue(r[0]);
}

void TInputPatternGridData::ApplyTimeInterval(int row, double displayValue) {
    Cell(row, kTimeInterval).SetDisplayValue(displayValue);
    ComputeElapsedTime(row);
    ContinueToNextRow(row);
}

void TInputPatternGridData::ApplyElapsedTime(int row, double displayValue) {
    Cell(row, kElapsedTime).SetDisplayValue(displayValue);
    const auto r = Formulas().Run("SetElapsedTime",
                                  {{"ElapsedTime", Cell(row, kElapsedTime).Value()},
                                   {"BeforeTime", Pre(row, kElapsedTime)}},
                                  {"TimeInterval"});
    Cell(row, kTimeInterval).SetValue(r[0] > 0 ? r[0] : 0);
    ContinueToNextRow(row);
}

void TInputPatternGridData::ContinueToNextRow(int row) {
    if (row >= kLastInterval) return;
    const double next = Cell(row + 1, kTimeInterval).DisplayValue();
    if (next > 0) ApplyTimeInterval(row + 1, next);
}

bool TInputPatternGridData::SetCellValue(int row, int column, double displayValue) {
    if (row < 1 || row > kLastInterval) return false;
    switch (column) {
    case kElapsedTime: ApplyElapsedTime(row, displayValue); return true;
    case kTimeInterval: ApplyTimeInterval(row, displayValue); return true;
    default: return false;
    }
}

void TInputPatternGridData::Validate() const {
    if (!AllFinite()) throw TFormatErrorMessageException(*services_.Errors, "IllegalNumber", {std::string("Infinity")});
    for (int r = 0; r < kRowCount; ++r)
        if (Cell(r, kElapsedTime).Value() < 0 || Cell(r, kTimeInterval).Value() < 0) FailAt(r, "InputMinusNumber");
    // The pattern runs from row 1 to its last row with an entry, and every one of those rows
    // needs time: an elapsed time that goes back leaves an interval of 0, in which a speed
    // change or a move would happen in no time, and which the torque calculation passes over.
    const int last = LastRowWithEntry();
    for (int r = 1; r <= last; ++r)
        if (!(Round12(Cell(r, kTimeInterval).Value()) > 0)) FailAt(r, "PatternTimeNotIncreasing");
}

int TInputPatternGridData::LastRowWithEntry() const {
    for (int r = kLastInterval; r >= 1; --r)
        if (RowHasEntry(r)) return r;
    return 0;
}

bool TInputPatternGridData::RowHasEntry(int row) const {
    for (int c = 0; c < ColumnCount(); ++c)
        if (Cell(row, c).Entered) return true;
    // A loaded row keeps no Entered flag without an interval: its values tell. The end time of
    // a row without entries is 0, or the row before's where a deletion recomputed it.
    const double end = Round12(Cell(row, kElapsedTime).Value());
    if (end != 0 && end != Round12(Pre(row, kElapsedTime))) return true;
    for (int c : EntryColumns())
        if (c != kElapsedTime && Round12(Cell(row, c).Value()) != 0) return true;
    return false;
}

void TInputPatternGridData::Fail(const std::string& key) const { throw TErrorMessageException(*services_.Errors, key); }

void TInputPatternGridData::FailAt(int row, const std::string& key) const {
    const std::string frame = services_.Errors->GetText("PatternRowError");
    if (frame.empty()) Fail(key);
    // Rows are named as the grid numbers them: the origin is 1, data row r is r + 1.
    throw TErrorMessageException(key, FormatText(frame, {static_cast<long long>(row + 1), ErrorText(key)}));
}

std::string TInputPatternGridData::ErrorText(const std::string& key) const { return services_.Errors->GetText(key); }

void TInputPatternGridData::ClearRows() {
    for (TRowData& row : rows_) row.Clear();
}

void TInputPatternGridData::EnterRow(int row) {
    for (int c = 0; c < ColumnCount(); ++c) Cell(row, c).Entered = true;
}

void TInputPatternGridData::AfterRowsMoved(int, bool) {}

bool TInputPatternGridData::CopyRows(const TIntervalRange& range) {
    if (!range.Valid()) return false;
    copyBuffer_.clear();
    for (int r = range.Min + 1; r <= range.Max + 1; ++r) {
        TRowImage image;
        for (int c = 0; c < ColumnCount(); ++c) image.push_back({Cell(r, c).Value(), Cell(r, c).Entered});
        copyBuffer_.push_back(std::move(image));
    }
    return true;
}

bool TInputPatternGridData::DeleteRows(const TIntervalRange& range) {
    if (!range.Valid()) return false;
    const int n = range.Count();
    for (int r = range.Max + 2; r < kStoredRowCount; ++r) Row(r - n).CopyValuesFrom(Row(r));
    for (int r = kStoredRowCount - n; r < kStoredRowCount; ++r) Row(r).Clear();
    ApplyTimeInterval(range.Min, Cell(range.Min, kTimeInterval).DisplayValue());
    AfterRowsMoved(range.Min, true);
    return true;
}

bool TInputPatternGridData::RoomForInsert(int firstRow, int count) const {
    for (int r = std::max(firstRow, kStoredRowCount - 1 - count); r <= kLastInterval; ++r)
        if (Row(r).HasData()) return false;
    return true;
}

bool TInputPatternGridData::InsertRows(const TIntervalRange& range) {
    if (!range.Valid()) return false;
    const int n = range.Count();
    if (!RoomForInsert(range.Min + 1, n)) Fail("PatternRowsFull");
    for (int r = kStoredRowCount - 1; r >= range.Max + 2; --r) Row(r).CopyValuesFrom(Row(r - n));
    for (int r = range.Min + 1; r <= range.Max + 1; ++r) Row(r).Clear();
    AfterRowsMoved(range.Min + 1, false);
    return true;
}

void TInputPatternGridData::PasteRows(int row) {
    if (copyBuffer_.empty() || row < 1 || row > kLastInterval) return;
    const int count = static_cast<int>(copyBuffer_.size());
    if (row + count - 1 > kLastInterval) Fail("PatternRowsFull");
    InsertRows({row - 1, row - 2 + count});
    for (int i = 0; i < count; ++i) {
        const TRowImage& image = copyBuffer_[static_cast<size_t>(i)];
        for (int c = 0; c < ColumnCount() && c < static_cast<int>(image.size()); ++c) {
            Cell(row + i, c).SetValue(image[static_cast<size_t>(c)].Value);
            Cell(row + i, c).Entered = image[static_cast<size_t>(c)].Entered;
        }
    }
    ApplyTimeInterval(row, Cell(row, kTimeInterval).DisplayValue());
}

void TInputPatternGridData::CutRows(const TIntervalRange& range) {
    if (CopyRows(range)) DeleteRows(range);
}

void TInputPatternGridData::SaveRows(pugi::xml_node grid) const {
    for (int r = 1; r <= kLastInterval; ++r) {
        pugi::xml_node row = grid.append_child("Row");
        for (int c = 0; c < ColumnCount(); ++c)
            row.append_child("Value").text().set(FloatToText(Cell(r, c).Value()).c_str());
    }
}

void TInputPatternGridData::LoadRows(pugi::xml_node grid) {
    int count = 0;
    for (pugi::xml_node row : grid.children("Row")) {
        (void)row;
        ++count;
    }
    if (count > kLastInterval) Fail("PatternTooManyRows");
    int r = 1;
    double lastPosition = 0;
    for (pugi::xml_node row : grid.children("Row")) {
        LoadRow(row, r);
        const bool entered = FloatToText(Cell(r, kTimeInterval).Value()) != "0";
        for (int c = 0; c < ColumnCount(); ++c) Cell(r, c).Entered = entered;
        const double position = Cell(r, kPosition).Value();
        Row(r).Suspended = position == lastPosition;
        if (!Row(r).Suspended) lastPosition = position;
        ++r;
    }
}

bool TInputPatternGridData::AllFinite() const {
    for (int r = 0; r < kRowCount; ++r)
        for (int c = 0; c < ColumnCount(); ++c)
            if (!std::isfinite(Cell(r, c).Value()) || !std::isfinite(Cell(r, c).DisplayValue())) return false;
    return true;
}

void TInputPatternGridData::LoadRow(pugi::xml_node row, int r) {
    int c = 0;
    for (pugi::xml_node value = row.first_child(); value; value = value.next_sibling()) {
        if (value.type() != pugi::node_element) continue;
        if (std::string(value.name()) != "Value") throw TKinemoError("Illegal Format");
        if (c >= ColumnCount()) continue;
        const std::string text = value.text().get();
        double x = 0;
        if (!TryTextToFloat(text, x)) throw TKinemoError("'" + text + "' is not a valid floating point value");
        TCellData& cell = Cell(r, c++);
        cell.SetValue(x);
        // A value that overflows in its display unit would reach the formulas as infinity.
        if (!std::isfinite(cell.DisplayValue())) throw TFormatErrorMessageException(*services_.Errors, "IllegalNumber", {text});
    }
}

void TInputPatternGridData::RestoreRows(const std::vector<TRowData>& rows) {
    if (rows.size() == rows_.size()) rows_ = rows;
}

}  // namespace kinemo
