// The data behind one drive-pattern grid: 101 rows of cells in base units, the column
// units, the machine's carry output, the copy buffer, and what every pattern kind shares.
#pragma once

#include "machine/CalcCarryValue.h"
#include "pattern/PatternRecords.h"
#include "pattern/PatternServices.h"
#include "pattern/RowData.h"

#include <string>
#include <vector>

namespace pugi {
class xml_node;
}

namespace kinemo {

class TDrivePatternFormulas;

class TInputPatternGridData {
public:
    static constexpr int kRowCount = 100;        // rows 0..99: what scans and cascades consider
    static constexpr int kStoredRowCount = 101;  // row 100 is never shown and stays empty
    static constexpr int kLastInterval = 99;
    // Columns every kind has.
    static constexpr int kElapsedTime = 0;
    static constexpr int kTimeInterval = 1;
    static constexpr int kFrequency = 2;
    static constexpr int kSpeed = 3;
    static constexpr int kPosition = 4;

    // A row as the copy buffer keeps it: base value and Entered flag per column.
    struct TCellImage {
        double Value = 0;
        bool Entered = false;
    };
    using TRowImage = std::vector<TCellImage>;

    virtual ~TInputPatternGridData() = default;
    TInputPatternGridData(const TInputPatternGridData&) = delete;
    TInputPatternGridData& operator=(const TInputPatternGridData&) = delete;

    // The virtual operations, in slot order.
    // 1. The interval's duration: its end time, then the following intervals' end times.
    virtual void ApplyTimeInterval(int row, double displayValue);
    // 2. The interval's end time: its duration (0 unless positive), then as above.
    virtual void ApplyElapsedTime(int row, double displayValue);
    // 3. is the construction.
    // 4. Default display units, no unit chosen by the user, 101 empty rows. The copy buffer
    //    stays.
    virtual void Reset();
    // 5. The number of base units the catalog gives this kind.
    virtual int ColumnCount() const { return static_cast<int>(baseUnits_.size()); }
    // 6. The user's display unit of a column (a unit of the column's class).
    virtual void SetColumnUnit(int column, const TMeasure& unit);
    // 7.
    virtual const TMeasure& DisplayUnit(int column) const { return *displayUnits_.at(static_cast<size_t>(column)); }
    // 8. BuildTorqueValues(motor, rotorInertia) belongs to the torque list and comes with it.
    // 9. A user edit of row 1..99; false for a computed column or another row.
    virtual bool SetCellValue(int row, int column, double displayValue);
    // 10. Raises the first rule broken, with the catalog's message naming the row: no
    //     negative time, and every row up to the last one with an entry has an interval
    //     ("PatternTimeNotIncreasing").
    virtual void Validate() const;
    // 11. The speed curve in display units.
    virtual void GetChartPoints(TChartPointList& points) const = 0;
    // 12. Inserts the copied rows at data row `row`; nothing without copied rows.
    virtual void PasteRows(int row);
    // 13. CopyRows, then DeleteRows.
    virtual void CutRows(const TIntervalRange& range);
    // 14. The pattern as paths of the other input type; raises EConvertGridDataError.
    virtual TGridPathList ExportPaths() const = 0;
    // 15. Replaces the pattern by the paths of the other input type.
    virtual void ImportPaths(const TGridPathList& paths) = 0;
    // 16. Recomputes every interval with the current speed coefficient.
    virtual void RecalculateAll() = 0;
    // The motor speed of the row's interval for the speed coefficient v, by the kind's own
    // formula from the load side (speeds, or positions and times). A motor whose gear
    // differs from the one the pattern was computed with turns at these speeds; the
    // pattern itself does not change.
    virtual double FrequencyFor(int row, double v) const = 0;

    TPatternAxis Axis() const { return axis_; }
    TPatternInput InputType() const { return input_; }
    int RowCount() const { return kRowCount; }
    TRowData& Row(int row) { return rows_.at(static_cast<size_t>(row)); }
    const TRowData& Row(int row) const { return rows_.at(static_cast<size_t>(row)); }
    TCellData& Cell(int row, int column) { return Row(row).Cell(column); }
    const TCellData& Cell(int row, int column) const { return Row(row).Cell(column); }
    const TMeasure& BaseUnit(int column) const { return *baseUnits_.at(static_cast<size_t>(column)); }
    // True once the user set the column's display unit; only such units are saved.
    bool UnitChanged(int column) const { return unitChanged_.at(static_cast<size_t>(column)); }
    const TMeasureManager& Measures() const { return *services_.Measures; }

    // CarryOutput: the chain's output without external force. Only V, the
    // motor speed per load speed unit, is used by the pattern.
    const CarryOutput& Carry() const { return carry_; }
    void SetCarry(const CarryOutput& carry) { carry_ = carry; }
    // Asks the chain (CalcChain(false, false)); without a chain nothing changes.
    void RefreshCarryOutput();

    // ElapsedTime(row) from its interval and the previous end time ("SetTimeInterval").
    void ComputeElapsedTime(int row);

    // Row operations over interval indexes (data rows Min + 1 .. Max + 1). An invalid
    // range changes nothing and returns false.
    bool CopyRows(const TIntervalRange& range);
    bool DeleteRows(const TIntervalRange& range);
    // Raises "PatternRowsFull" (changing nothing) when intervals with data would be
    // pushed beyond row 99.
    bool InsertRows(const TIntervalRange& range);
    bool HasCopiedRows() const { return !copyBuffer_.empty(); }
    const std::vector<TRowImage>& CopyBuffer() const { return copyBuffer_; }

    // Rows 1..99 as "Row" elements of "Value" texts (base values).
    void SaveRows(pugi::xml_node grid) const;
    // The "Row" children into rows 1, 2, ...; "Illegal Format" for a child that is not a
    // "Value"; more than 99 rows raise "PatternTooManyRows" before anything changes. The
    // values are not recomputed.
    void LoadRows(pugi::xml_node grid);

    // Every value of every row is finite, in its base and its display unit.
    bool AllFinite() const;

    // All 101 rows, to put back when a conversion into this pattern fails halfway.
    std::vector<TRowData> RowsSnapshot() const { return rows_; }
    void RestoreRows(const std::vector<TRowData>& rows);

protected:
    TInputPatternGridData(const TPatternServices& services, TPatternAxis axis, TPatternInput input);

    // The base units of the kind (s_message rows of the measure key) and their default
    // display units; raises when the catalog gives fewer than `required` columns.
    void LoadColumnUnits(const std::string& key, int required);
    // The base value of the row before `row` (0 before row 0).
    double Pre(int row, int column) const { return row > 0 ? Cell(row - 1, column).Value() : 0; }
    double V() const { return carry_.V; }
    const TDrivePatternFormulas& Formulas() const { return *services_.Formulas; }
    const TPatternServices& Services() const { return services_; }
    [[noreturn]] void Fail(const std::string& key) const;
    // The key's message framed by "PatternRowError" with the row as the grid numbers it.
    [[noreturn]] void FailAt(int row, const std::string& key) const;
    // The columns the user enters in this kind.
    virtual std::vector<int> EntryColumns() const = 0;
    // The last row 1..99 that holds an entry (0 for an empty pattern); a row holds one when a
    // cell was entered, or a value the user enters is set (an end time other than the row
    // before's, any other entry column not 0).
    int LastRowWithEntry() const;
    bool RowHasEntry(int row) const;
    std::string ErrorText(const std::string& key) const;
    // Continues a time edit on the next row while that row has a positive interval.
    void ContinueToNextRow(int row);
    // Every row emptied (values 0, not entered, suspended).
    void ClearRows();
    // Every cell of the row entered.
    void EnterRow(int row);
    // Rows moved by a row operation starting at `row`; closedUp after a deletion.
    virtual void AfterRowsMoved(int row, bool closedUp);

private:
    bool RoomForInsert(int firstRow, int count) const;
    void LoadRow(pugi::xml_node row, int r);

    TPatternServices services_;
    TPatternAxis axis_;
    TPatternInput input_;
    CarryOutput carry_;
    std::vector<const TMeasure*> baseUnits_;
    std::vector<const TMeasure*> displayUnits_;
    std::vector<bool> unitChanged_;
    std::vector<TRowData> rows_;
    std::vector<TRowImage> copyBuffer_;
};

}  // namespace kinemo
