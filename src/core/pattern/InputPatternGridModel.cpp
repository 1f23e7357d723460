// One pattern grid's rules: editing, selection, row commands, units, file and dump.
#include "pattern/InputPatternGridModel.h"

#include "pattern/InputPatternPositionGridData.h"
#include "pattern/InputPatternPositionGridData.h"
#include "pattern/InputPatternSpeedGridData.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/ScopedRestore.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"
#include "base/NumberText.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <utility>

namespace kinemo {

namespace {

using Position = TInputPatternPositionGridData;

constexpr int kTitleWidth = 11;
constexpr size_t kMaxEditLength = 12;
const char* const kMarkText = "\u25CB";

std::unique_ptr<TInputPatternGridData> MakeData(const TPatternServices& s, TPatternAxis axis, TPatternInput input) {
    const bool straight = axis == TPatternAxis::Straight;
    if (input == TPatternInput::Speed) {
        return std::make_unique<TInputPatternSpeedGridData>(s, straight ? kStraightSpeedPattern : kRollingSpeedPattern);
    }
    return std::make_unique<TInputPatternPositionGridData>(s, straight ? kStraightPositionPattern : kRollingPositionPattern);
}

std::string TitleKey(TPatternAxis axis, TPatternInput input) {
    return std::string(axis == TPatternAxis::Straight ? "Straight" : "Rolling") +
           (input == TPatternInput::Speed ? "SpeedGrid" : "PositionGrid");
}

// A number as the float-to-text rule writes it and reads it back (15 significant digits).
double RoundedText(double x) {
    double y = 0;
    return TryTextToFloat(FloatToText(x), y) ? y : x;
}

long long LenientInteger(const std::string& text) {
    double x = 0;
    long long v = 0;
    return TryTextToFloat(text, x) && TruncateToInteger(x, v) ? v : 0;
}

}  // namespace

TInputPatternGridModel::TInputPatternGridModel(const TPatternServices& services, TPatternAxis axis,
                                               TPatternInput input)
    : services_(services),
      data_(MakeData(services, axis, input)),
      externalForce_(input == TPatternInput::Speed ? 0 : 1),
      titles_(ReadMessageItems(*services.Query, "frame_input_pattern", TitleKey(axis, input))),
      noAccelerationTime_(ReadMessageText(*services.Query, "frame_input_pattern", "NoAccelerationTime")) {
    if (services_.Chain) services_.Chain->EnrolExternalForceGrid(&externalForce_);
}

TInputPatternGridModel::~TInputPatternGridModel() {
    if (services_.Chain) services_.Chain->WithdrawExternalForceGrid(&externalForce_);
}

int TInputPatternGridModel::DataColumnCount() const {
    return IsPosition() ? TInputPatternPositionGridData::kColumns : TInputPatternSpeedGridData::kColumns;
}

std::string TInputPatternGridModel::ColumnTitle(int index) const {
    return index >= 0 && index < static_cast<int>(titles_.size()) ? titles_[static_cast<size_t>(index)] : "";
}

bool TInputPatternGridModel::IsEditableColumn(int gridColumn) const {
    // Speed grids: elapsed time, interval, motor speed, speed. Position grids: elapsed
    // time, interval, position, acceleration and deceleration time.
    static const std::set<int> speedColumns = {1, 2, 3, 4};
    static const std::set<int> positionColumns = {1, 2, 5, 6, 7};
    return (IsPosition() ? positionColumns : speedColumns).count(gridColumn) != 0;
}

bool TInputPatternGridModel::CanEdit(int gridRow, int gridColumn) const {
    if (gridRow < kFirstIntervalRow || gridRow >= kGridRowCount) return false;
    if (gridColumn > DataColumnCount() || !IsEditableColumn(gridColumn)) return false;
    const bool rampTime = gridColumn == Position::kAccelerationTime + 1 || gridColumn == Position::kDecelerationTime + 1;
    return !(IsPosition() && rampTime && data_->Row(gridRow - 2).Suspended);
}

bool TInputPatternGridModel::IsExternalForceCell(int gridRow, int gridColumn) const {
    return gridRow >= kFirstIntervalRow && gridRow < kGridRowCount && gridColumn > DataColumnCount() &&
           gridColumn < ColumnCount();
}

bool TInputPatternGridModel::Marked(int gridRow, int gridColumn) const {
    if (!IsExternalForceCell(gridRow, gridColumn)) return false;
    return externalForce_.Column(gridColumn - DataColumnCount() - 1)->Mark(gridRow - kFirstIntervalRow);
}

std::string TInputPatternGridModel::CellText(int gridRow, int gridColumn) const {
    const bool data = gridColumn >= 1 && gridColumn <= DataColumnCount();
    if (gridRow == kTitleRow) return gridColumn >= 1 ? ColumnTitle(gridColumn - 1) : "";
    if (gridRow == kUnitRow) return data ? data_->DisplayUnit(gridColumn - 1).Symbol() : "";
    if (gridColumn == 0) return std::to_string(gridRow - 1);
    if (!data) return "";
    const TValueFormat& format = *services_.Format;
    if (gridRow == kOriginRow) return format.Display(0);
    const TCellData& cell = data_->Cell(gridRow - 2, gridColumn - 1);
    if (!cell.Entered && FloatToText(cell.DisplayValue()) == "0") return "";
    // A move without an acceleration time jumps to its speed: "0" would be no acceleration.
    if (IsPosition() && gridColumn == Position::kAcceleratedVelocity + 1 &&
        static_cast<const Position&>(*data_).MovesWithoutAccelerationTime(gridRow - 2))
        return noAccelerationTime_;
    return format.Display(cell.DisplayValue());
}

bool TInputPatternGridModel::AcceptsKey(const std::string& text, bool hasSelection, char key) {
    // The comma is taken so that the commit reads it as the decimal mark or refuses the
    // text; dropped, it would turn "12,5" into 125.
    const bool numberKey = std::isdigit(static_cast<unsigned char>(key)) || key == '-' || key == '.' || key == ',';
    if (!numberKey) return key == '\b' || key == '\r';
    return hasSelection || text.size() < kMaxEditLength;
}

bool TInputPatternGridModel::ReadNumber(int gridRow, int gridColumn, const std::string& text, double& value) const {
    const bool blank = text.find_first_not_of(" \t") == std::string::npos;
    if (blank && IsPosition() && gridColumn == Position::kPosition + 1) {
        // A blank position stays where the row before ends: a dwell, not a move back to 0.
        value = data_->Cell(gridRow - 3, Position::kPosition).DisplayValue();
    } else if (blank && IsPosition()) {
        value = 0;  // a blank time: none
    } else if (!services_.Format->ReadTyped(text, value)) {
        return false;
    }
    const bool time = gridColumn == 1 || gridColumn == 2 || (IsPosition() && (gridColumn == 6 || gridColumn == 7));
    return !(time && value < 0);
}

void TInputPatternGridModel::Refuse(int gridRow, int gridColumn, const std::string& text) {
    if (IsPosition())
        SetCurrent(gridRow, gridColumn);
    else
        Click(gridRow, gridColumn);  // the speed grids also mark the interval again
    throw TFormatErrorMessageException(*services_.Errors, "IllegalNumber", {text});
}

bool TInputPatternGridModel::CommitText(int gridRow, int gridColumn, const std::string& text) {
    if (!CanEdit(gridRow, gridColumn)) return false;
    double value = 0;
    if (!ReadNumber(gridRow, gridColumn, text, value)) Refuse(gridRow, gridColumn, text);
    TBusyScope busy(services_.Busy);
    const int row = gridRow - 2;
    const int column = gridColumn - 1;
    // A finite entry can still overflow in its base unit or in the rows it recomputes (the
    // formulas raise, or leave an infinity): such an edit is undone as a whole and refused.
    const std::vector<TRowData> before = data_->RowsSnapshot();
    const bool time = column == TInputPatternGridData::kElapsedTime || column == TInputPatternGridData::kTimeInterval ||
                      column == Position::kAccelerationTime || column == Position::kDecelerationTime;
    TRestoreOnExit restore([&] { data_->RestoreRows(before); });
    if (IsPosition() && time) {
        CommitTime(gridRow, gridColumn, value);
    } else {
        data_->SetCellValue(row, column, value);
    }
    restore.Commit();
    if (!data_->AllFinite()) {
        data_->RestoreRows(before);
        Refuse(gridRow, gridColumn, text);
    }
    SetEnteredFlags(row, column);
    Changed();
    return true;
}

// The times of a position row are kept at the precision the file and the checks read, and
// the ramps must fit into the interval.
void TInputPatternGridModel::CommitTime(int gridRow, int gridColumn, double value) {
    const int row = gridRow - 2;
    const int column = gridColumn - 1;
    const double previous = data_->Cell(row, column).DisplayValue();
    data_->SetCellValue(row, column, value);
    for (int c : {static_cast<int>(TInputPatternGridData::kTimeInterval), Position::kAccelerationTime,
                  Position::kDecelerationTime})
        data_->SetCellValue(row, c, RoundedText(data_->Cell(row, c).DisplayValue()));
    const double interval = RoundedText(data_->Cell(row, TInputPatternGridData::kTimeInterval).Value());
    // The sum is rounded too: 0.1 s + 0.2 s fill an interval of 0.3 s.
    const double ramps = RoundedText(RoundedText(data_->Cell(row, Position::kAccelerationTime).Value()) +
                                     RoundedText(data_->Cell(row, Position::kDecelerationTime).Value()));
    if (ramps <= interval) return;
    data_->SetCellValue(row, column, RoundedText(previous));
    SetCurrent(gridRow, gridColumn);
    throw TErrorMessageException(*services_.Errors, "IllegalTimeInterval");
}

void TInputPatternGridModel::SetEnteredFlags(int row, int column) {
    using Data = TInputPatternGridData;
    auto enter = [&](int c) { data_->Cell(row, c).Entered = true; };
    if (column == Data::kElapsedTime || column == Data::kTimeInterval) {
        enter(Data::kElapsedTime);
        enter(Data::kTimeInterval);
    } else if (!IsPosition() && (column == Data::kFrequency || column == Data::kSpeed)) {
        enter(Data::kFrequency);
        enter(Data::kSpeed);
    } else {
        enter(column);
    }
    if (IsPosition()) {
        enter(Data::kFrequency);
        enter(Data::kSpeed);
        enter(Position::kAcceleratedVelocity);
    } else {
        enter(Data::kPosition);
        enter(TInputPatternSpeedGridData::kAcceleration);
    }
}

void TInputPatternGridModel::Changed() {
    if (OnDataChanged) OnDataChanged();
    if (OnModified) OnModified();
}

void TInputPatternGridModel::SetCurrent(int gridRow, int gridColumn) {
    currentRow_ = gridRow;
    currentColumn_ = gridColumn;
}

void TInputPatternGridModel::Click(int gridRow, int gridColumn) {
    SetCurrent(gridRow, gridColumn);
    if (gridRow < kFirstIntervalRow || gridRow >= kGridRowCount || !OnIntervalSelected) return;
    const int row = gridRow - 2;
    OnIntervalSelected(data_->Cell(row, TInputPatternGridData::kElapsedTime).DisplayValue(),
                       data_->Cell(row - 1, TInputPatternGridData::kElapsedTime).DisplayValue());
}

void TInputPatternGridModel::CellMouseDown(int gridRow, int gridColumn) {
    ClearSelection();
    SetCurrent(gridRow, gridColumn);
    if (!IsExternalForceCell(gridRow, gridColumn)) return;
    TExternalForceColData* marks = externalForce_.Column(gridColumn - DataColumnCount() - 1);
    const int k = gridRow - kFirstIntervalRow;
    marks->SetMark(k, !marks->Mark(k));
    if (OnModified) OnModified();
}

bool TInputPatternGridModel::HeaderMouseDown(int gridRow, TMouseButton button) {
    if (gridRow < kOriginRow) {
        ClearSelection();
        return false;
    }
    SetCurrent(gridRow, 1);
    switch (button) {
    case TMouseButton::Left:
        selectedRows_ = {gridRow};
        dragStartRow_ = gridRow;
        return false;
    case TMouseButton::Middle: dragStartRow_ = gridRow; return false;
    case TMouseButton::Right:
        if (gridRow == kOriginRow) return false;
        if (!selectedRows_.count(gridRow)) selectedRows_ = {gridRow};
        return true;
    }
    return false;
}

void TInputPatternGridModel::HeaderMouseMove(int gridRow) {
    if (dragStartRow_ == 0) return;
    selectedRows_.clear();
    for (int r = std::min(dragStartRow_, gridRow); r <= std::max(dragStartRow_, gridRow); ++r) selectedRows_.insert(r);
}

TIntervalRange TInputPatternGridModel::SelectedRange() const {
    if (selectedRows_.empty()) return {};
    return {*selectedRows_.begin() - kFirstIntervalRow, *selectedRows_.rbegin() - kFirstIntervalRow};
}

bool TInputPatternGridModel::CopySelectedRows() {
    const TIntervalRange range = SelectedRange();
    if (!data_->CopyRows(range)) return false;
    externalForce_.CopyRows(range.Min, range.Max);
    return true;
}

bool TInputPatternGridModel::CutSelectedRows() {
    const TIntervalRange range = SelectedRange();
    if (!range.Valid()) return false;
    data_->CutRows(range);
    externalForce_.CopyRows(range.Min, range.Max);
    externalForce_.DeleteRows(range.Min, range.Max);
    Changed();
    return true;
}

bool TInputPatternGridModel::DeleteSelectedRows() {
    const TIntervalRange range = SelectedRange();
    if (!data_->DeleteRows(range)) return false;
    externalForce_.DeleteRows(range.Min, range.Max);
    Changed();
    return true;
}

bool TInputPatternGridModel::InsertRows() {
    const TIntervalRange range = SelectedRange();
    if (!data_->InsertRows(range)) return false;
    externalForce_.InsertRows(range.Min, range.Max);
    Changed();
    return true;
}

bool TInputPatternGridModel::PasteRows() {
    const int row = currentRow_ - 2;
    if (!HasCopiedRows() || row < 1 || row > TInputPatternGridData::kLastInterval) return false;
    data_->PasteRows(row);
    externalForce_.PasteRows(row - 1);
    Changed();
    return true;
}

std::string TInputPatternGridModel::SelectedRowsText() const {
    const TIntervalRange range = SelectedRange();
    if (!range.Valid()) return "";
    std::string text;
    for (int k = range.Min; k <= range.Max; ++k) {
        const int gridRow = k + kFirstIntervalRow;
        for (int c = 1; c <= DataColumnCount(); ++c) {
            if (c > 1) text += '\t';
            text += CellText(gridRow, c);
        }
        text += "\r\n";
    }
    return text;
}

namespace {

// Lines of tab-separated cells; line ends of either kind, the last line end optional.
std::vector<std::vector<std::string>> SplitCells(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> cells;
        size_t from = 0;
        for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', from)) {
            cells.push_back(line.substr(from, tab - from));
            from = tab + 1;
        }
        cells.push_back(line.substr(from));
        lines.push_back(std::move(cells));
        start = end + 1;
    }
    return lines;
}

bool Blank(const std::string& text) { return text.find_first_not_of(" \t\r") == std::string::npos; }

}  // namespace

bool TInputPatternGridModel::PasteText(const std::string& text) {
    const std::vector<std::vector<std::string>> lines = SplitCells(text);
    const int firstRow = selectedRows_.empty() ? currentRow_ : *selectedRows_.begin();
    const int firstColumn = std::max(currentColumn_, 1);
    if (lines.empty() || firstRow < kFirstIntervalRow || firstRow >= kGridRowCount) return false;
    size_t width = 0;
    for (const auto& cells : lines) width = std::max(width, cells.size());
    const bool tooLong = firstRow + static_cast<int>(lines.size()) > kGridRowCount;
    const bool tooWide = firstColumn + static_cast<int>(width) - 1 > DataColumnCount();
    if (tooLong || tooWide) throw TErrorMessageException(*services_.Errors, "PatternPasteTooLarge");
    // One notification for the whole block, none for a refused one.
    TScopedRestore<std::function<void()>> dataChanged(OnDataChanged, nullptr);
    TScopedRestore<std::function<void()>> modified(OnModified, nullptr);
    const std::vector<TRowData> kept = data_->RowsSnapshot();
    TRestoreOnExit restoreRows([&] { data_->RestoreRows(kept); });
    PasteLines(lines, firstRow, firstColumn);  // refused: the refused cell is current
    restoreRows.Commit();
    dataChanged.Restore();
    modified.Restore();
    SetCurrent(firstRow, firstColumn);
    Changed();
    return true;
}

void TInputPatternGridModel::PasteLines(const std::vector<std::vector<std::string>>& lines, int firstRow,
                                        int firstColumn) {
    const int lastRampColumn = Position::kDecelerationTime + 1;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int gridRow = firstRow + static_cast<int>(i);
        const auto& cells = lines[i];
        const int lastColumn = firstColumn + static_cast<int>(cells.size()) - 1;
        // The ramp times given by the block replace the row's old ones; cleared first, an
        // old ramp cannot refuse the block's shorter interval.
        if (IsPosition() && firstColumn <= lastRampColumn && lastColumn >= lastRampColumn - 1) {
            data_->SetCellValue(gridRow - 2, Position::kAccelerationTime, 0);
            data_->SetCellValue(gridRow - 2, Position::kDecelerationTime, 0);
        }
        for (size_t j = 0; j < cells.size(); ++j) {
            const int gridColumn = firstColumn + static_cast<int>(j);
            if (Blank(cells[j]) || !IsEditableColumn(gridColumn)) continue;
            CommitText(gridRow, gridColumn, cells[j]);
        }
    }
}

std::vector<const TMeasure*> TInputPatternGridModel::UnitChoices(int dataColumn) const {
    const auto& units = data_->BaseUnit(dataColumn).MeasureClass()->Measures();
    return {units.begin(), units.end()};
}

void TInputPatternGridModel::ChooseUnit(int dataColumn, const TMeasure& unit) {
    data_->SetColumnUnit(dataColumn, unit);
    if (OnDataChanged) OnDataChanged();
}

void TInputPatternGridModel::SaveGrid(pugi::xml_node grid) const {
    grid.append_child("PatternBehavior").text().set(Axis() == TPatternAxis::Straight ? "Straight" : "Rolling");
    grid.append_child("InputType").text().set(IsPosition() ? "Position" : "Speed");
    pugi::xml_node list = grid.append_child("MeasureList");
    for (int c = 0; c < data_->ColumnCount(); ++c) {
        if (!data_->UnitChanged(c)) continue;
        pugi::xml_node value = list.append_child("Value");
        value.append_attribute("Col").set_value(std::to_string(c).c_str());
        value.text().set(std::to_string(data_->DisplayUnit(c).Code()).c_str());
    }
    data_->SaveRows(grid);
}

void TInputPatternGridModel::LoadGrid(pugi::xml_node grid) {
    data_->LoadRows(grid);
    LoadMeasureList(grid.child("MeasureList"));
}

// A unit that is unknown, of another quantity, or for a column the kind does not have is
// skipped: it would show the column's values as 0.
void TInputPatternGridModel::LoadMeasureList(pugi::xml_node list) {
    for (pugi::xml_node value : list.children("Value")) {
        const long long code = LenientInteger(value.text().get());
        const long long column = LenientInteger(value.attribute("Col").value());
        if (code == 0 || column < 0 || column >= data_->ColumnCount()) continue;
        const TMeasure* unit = services_.Measures->FindMeasure(static_cast<int>(code));
        const int c = static_cast<int>(column);
        if (unit && unit->MeasureClass() == data_->BaseUnit(c).MeasureClass()) data_->SetColumnUnit(c, *unit);
    }
}

std::string TInputPatternGridModel::TextDump() const {
    const TValueFormat& format = *services_.Format;
    std::string text = "No";
    for (int c = 0; c < DataColumnCount(); ++c) text += FormatText(" %-*s", {static_cast<long long>(kTitleWidth), ColumnTitle(c)});
    for (int i = 0; i < ExternalForceColumnCount(); ++i) {
        const std::string title = ColumnTitle(DataColumnCount() + i);
        text += FormatText(" %-*s", {static_cast<long long>(DisplayWidth(title)), title});
    }
    text += "\r\n";
    std::string body = FormatText("%2d", {0LL});
    for (int c = 0; c < DataColumnCount(); ++c) body += " " + format.Grid(0);
    body += "\r\n";
    for (int a = 1; a <= TInputPatternGridData::kLastInterval; ++a) {
        body += FormatText("%2d", {static_cast<long long>(a)});
        for (int c = 0; c < DataColumnCount(); ++c) body += " " + format.Grid(data_->Cell(a, c).DisplayValue());
        for (int i = 0; i < ExternalForceColumnCount(); ++i) {
            const std::string title = ColumnTitle(DataColumnCount() + i);
            const bool marked = externalForce_.Column(i)->Mark(a - 1);
            body += FormatText(" %-*s", {static_cast<long long>(DisplayWidth(title)), marked ? kMarkText : ""});
        }
        body += "\r\n";
    }
    return text + body + "\r\n";
}

std::vector<int> TInputPatternGridModel::FitColumnWidths(int clientWidth, int columnCount) {
    std::vector<int> widths(static_cast<size_t>(std::max(columnCount, 1)), kFirstColumnWidth);
    if (columnCount < 2) return widths;
    int room = clientWidth - kFirstColumnWidth;
    const int each = room / (columnCount - 1);
    for (int c = 1; c <= columnCount - 2; ++c) {
        widths[static_cast<size_t>(c)] = each;
        room -= each;
    }
    widths[static_cast<size_t>(columnCount - 1)] = room - columnCount;
    return widths;
}

}  // namespace kinemo
