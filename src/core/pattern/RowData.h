// One interval of the drive pattern: a cell per data column and whether the axis rests.
#pragma once

#include "pattern/CellData.h"

#include <cstddef>
#include <vector>

namespace kinemo {

class TRowData {
public:
    TRowData(const TMeasureManager& measures, const std::vector<const TMeasure*>& displayUnits,
             const std::vector<const TMeasure*>& baseUnits);

    int CellCount() const { return static_cast<int>(cells_.size()); }
    TCellData& Cell(int column) { return cells_.at(static_cast<size_t>(column)); }
    const TCellData& Cell(int column) const { return cells_.at(static_cast<size_t>(column)); }

    // Takes another row's values, Entered flags and Suspended flag; keeps its own units.
    void CopyValuesFrom(const TRowData& other);
    // Every value 0 and not entered; Suspended as a new row.
    void Clear();
    // Any value set or any cell entered.
    bool HasData() const;

    // True for a new row; in the position kinds true for a dwell.
    bool Suspended = true;

private:
    std::vector<TCellData> cells_;
};

}  // namespace kinemo
