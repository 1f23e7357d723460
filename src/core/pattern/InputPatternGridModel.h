// The rules of one drive-pattern grid without its widget: the pattern data and external-
// force marks it shows, which cells may be edited, how a typed text is committed, the
// row-header selection and row commands, display units, the project-file Grid element
// and the plain-text dump.
#pragma once

#include "machine/ExternalForceState.h"
#include "pattern/InputPatternGridData.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kinemo {

class TInputPatternGridModel {
public:
    // Grid rows: titles, units, the origin (data row 0), then data rows 1..99.
    static constexpr int kTitleRow = 0;
    static constexpr int kUnitRow = 1;
    static constexpr int kOriginRow = 2;
    static constexpr int kFirstIntervalRow = 3;
    static constexpr int kGridRowCount = 102;
    static constexpr int kFirstColumnWidth = 20;

    enum class TMouseButton { Left, Middle, Right };

    // Creates the pattern data of the kind and enrols its marks with the chain.
    TInputPatternGridModel(const TPatternServices& services, TPatternAxis axis, TPatternInput input);
    ~TInputPatternGridModel();
    TInputPatternGridModel(const TInputPatternGridModel&) = delete;
    TInputPatternGridModel& operator=(const TInputPatternGridModel&) = delete;

    TInputPatternGridData& Data() { return *data_; }
    const TInputPatternGridData& Data() const { return *data_; }
    TExternalForceGridData& ExternalForce() { return externalForce_; }
    const TExternalForceGridData& ExternalForce() const { return externalForce_; }
    TPatternAxis Axis() const { return data_->Axis(); }
    TPatternInput InputType() const { return data_->InputType(); }
    bool IsPosition() const { return InputType() == TPatternInput::Position; }

    int DataColumnCount() const;
    int ExternalForceColumnCount() const { return externalForce_.ColumnCount(); }
    int ColumnCount() const { return DataColumnCount() + ExternalForceColumnCount() + 1; }
    // Data columns first, then the external-force columns.
    const std::vector<std::string>& ColumnTitles() const { return titles_; }
    std::string ColumnTitle(int index) const;
    void ResetData() { data_->Reset(); }

    // What a cell shows and whether it takes a typed value.
    bool CanEdit(int gridRow, int gridColumn) const;
    // The acceleration of a position row that moves without an acceleration time is the
    // catalog text "NoAccelerationTime", not a figure.
    std::string CellText(int gridRow, int gridColumn) const;
    bool IsExternalForceCell(int gridRow, int gridColumn) const;
    bool Marked(int gridRow, int gridColumn) const;
    // The cell editor's key filter: digits, "-", "." and "," up to 12 characters.
    static bool AcceptsKey(const std::string& text, bool hasSelection, char key);

    // Commits a typed text, read with the user's decimal mark; a blank position is the
    // position of the row before (a dwell). "IllegalNumber" for an unreadable or forbidden
    // negative number,
    // "IllegalTimeInterval" (the previous value restored) when the ramp times leave no
    // room in a position row. False for a cell that takes no edit.
    bool CommitText(int gridRow, int gridColumn, const std::string& text);

    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    // A click: the cell becomes current and an interval row reports its time span.
    void Click(int gridRow, int gridColumn);
    // A mouse-down on a cell outside the row headers: the selection is cleared and an
    // external-force check box toggles.
    void CellMouseDown(int gridRow, int gridColumn);
    // A mouse-down on a row header; true when the row menu opens (right button).
    bool HeaderMouseDown(int gridRow, TMouseButton button);
    void HeaderMouseMove(int gridRow);
    void MouseUp() { dragStartRow_ = 0; }
    void KeyPressed() { ClearSelection(); }
    void ClearSelection() { selectedRows_.clear(); }
    const std::set<int>& SelectedRows() const { return selectedRows_; }
    // The selected rows as interval indexes; invalid when none or the origin is selected.
    TIntervalRange SelectedRange() const;

    // Row commands on the pattern and the marks; false when nothing was done.
    bool CopySelectedRows();
    bool CutSelectedRows();
    bool DeleteSelectedRows();
    bool InsertRows();
    bool PasteRows();  // at the current row
    bool HasCopiedRows() const { return data_->HasCopiedRows(); }

    // Spreadsheet exchange. The selected rows' data cells as text: one line per row, cells
    // separated by tabs, each as the grid shows it. Empty without a valid selection.
    std::string SelectedRowsText() const;
    // Tab-separated lines put into the grid from the first selected row (else the current
    // row) and the current column, cell by cell through the commit rules; computed cells
    // and empty texts are passed over. "PatternPasteTooLarge" when the block reaches past
    // interval 99 or the last data column; the first refused cell raises its error. A
    // refused paste leaves the pattern as it was. False for an empty text or a start
    // outside the interval rows.
    bool PasteText(const std::string& text);

    // The units offered for a data column: those of its base unit's quantity.
    std::vector<const TMeasure*> UnitChoices(int dataColumn) const;
    void ChooseUnit(int dataColumn, const TMeasure& unit);

    // The project file's Grid element.
    void SaveGrid(pugi::xml_node grid) const;
    void LoadGrid(pugi::xml_node grid);

    // The pattern as a fixed-width table (heading, origin and 99 interval lines).
    std::string TextDump() const;
    // Widths of all columns for a client width: the data columns share it evenly.
    static std::vector<int> FitColumnWidths(int clientWidth, int columnCount);

    std::function<void()> OnDataChanged;
    // Elapsed time at the end of the selected interval and at its start (display units).
    std::function<void(double, double)> OnIntervalSelected;
    std::function<void()> OnModified;

private:
    bool IsEditableColumn(int gridColumn) const;
    bool ReadNumber(int gridRow, int gridColumn, const std::string& text, double& value) const;
    void CommitTime(int gridRow, int gridColumn, double value);
    void SetEnteredFlags(int row, int column);
    void Refuse(int gridRow, int gridColumn, const std::string& text);
    void SetCurrent(int gridRow, int gridColumn);
    void Changed();
    void LoadMeasureList(pugi::xml_node list);
    void PasteLines(const std::vector<std::vector<std::string>>& lines, int firstRow, int firstColumn);

    TPatternServices services_;
    std::unique_ptr<TInputPatternGridData> data_;
    TExternalForceGridData externalForce_;
    std::vector<std::string> titles_;
    std::string noAccelerationTime_;  // shown for the acceleration of a move without one
    std::set<int> selectedRows_;
    int dragStartRow_ = 0;
    int currentRow_ = kFirstIntervalRow;
    int currentColumn_ = 1;
};

}  // namespace kinemo
