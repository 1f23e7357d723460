// External-force marks: per element and pattern input type, which intervals of the
// drive pattern the element's external force acts in.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace pugi {
class xml_node;
}

namespace kinemo {

// One element's marks for one pattern input type: index k marks interval row k + 1.
class TExternalForceColData {
public:
    static constexpr int kMarkCount = 101;
    static constexpr int kSavedMarks = 100;

    bool Mark(int k) const { return k >= 0 && k < kMarkCount && marks_[static_cast<size_t>(k)]; }
    void SetMark(int k, bool value);
    void Clear() { marks_.fill(false); }

    // Row operations over interval indexes min..max (0..98), mirroring the pattern rows.
    void CopyRows(int min, int max);
    void DeleteRows(int min, int max);
    void InsertRows(int min, int max);
    // Inserts the copied marks at interval index first (data row first + 1).
    void PasteRows(int first);
    bool HasCopiedRows() const { return !buffer_.empty(); }

    // "ExternalForceCol" with 100 "ExternalForceRow" children ("1"/"0", attribute "Row").
    void SaveToXML(pugi::xml_node& parent) const;
    // Reads the "ExternalForceRow" children in order, at most 100.
    void LoadFromXML(const pugi::xml_node& col);

private:
    std::array<bool, kMarkCount> marks_{};
    std::vector<bool> buffer_;
};

// The marks shown by one pattern grid: one column per external-force element of the
// chain (borrowed from the elements), all for the grid's input type.
class TExternalForceGridData {
public:
    // columnIndex 0 serves the speed-input patterns, 1 the position-input patterns.
    explicit TExternalForceGridData(int columnIndex) : columnIndex_(columnIndex) {}

    int ColumnIndex() const { return columnIndex_; }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TExternalForceColData* Column(int i) const { return columns_.at(static_cast<size_t>(i)); }
    const std::vector<TExternalForceColData*>& Columns() const { return columns_; }
    void SetColumns(std::vector<TExternalForceColData*> columns) { columns_ = std::move(columns); }

    void CopyRows(int min, int max);
    void DeleteRows(int min, int max);
    void InsertRows(int min, int max);
    void PasteRows(int first);

private:
    int columnIndex_;
    std::vector<TExternalForceColData*> columns_;
};

}  // namespace kinemo
