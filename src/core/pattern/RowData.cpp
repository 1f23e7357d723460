// Pattern rows.
#include "pattern/RowData.h"

namespace kinemo {

TRowData::TRowData(const TMeasureManager& measures, const std::vector<const TMeasure*>& displayUnits,
                   const std::vector<const TMeasure*>& baseUnits) {
    cells_.reserve(baseUnits.size());
    for (size_t c = 0; c < baseUnits.size(); ++c) cells_.emplace_back(measures, *displayUnits[c], *baseUnits[c]);
}

void TRowData::CopyValuesFrom(const TRowData& other) {
    for (size_t c = 0; c < cells_.size() && c < other.cells_.size(); ++c) {
        cells_[c].SetValue(other.cells_[c].Value());
        cells_[c].Entered = other.cells_[c].Entered;
    }
    Suspended = other.Suspended;
}

void TRowData::Clear() {
    for (TCellData& cell : cells_) cell.Clear();
    Suspended = true;
}

bool TRowData::HasData() const {
    for (const TCellData& cell : cells_)
        if (cell.Entered || cell.Value() != 0) return true;
    return false;
}

}  // namespace kinemo
