// The table model a pattern grid widget shows: the unit row, the origin and the 99
// interval rows of one TInputPatternGridModel, with the titles as column headers and the
// row numbers as row headers. Typed texts go through the commit rule to the grid model.
#pragma once

#include "base/EditCommitRule.h"

#include <QAbstractTableModel>
#include <QColor>

namespace kinemo {

class TInputPatternGridModel;

class TInputPatternGridItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The editor's text on every change (Qt::EditRole is the text when editing ends).
    static constexpr int kEditTextRole = Qt::UserRole + 1;

    explicit TInputPatternGridItemModel(TInputPatternGridModel& grid, QObject* parent = nullptr);
    TInputPatternGridModel& Grid() const { return grid_; }

    // Grid rows and columns of the pattern grid (title row and row-header column included).
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }
    static int GridColumn(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex IndexOf(int gridRow, int gridColumn) const { return index(gridRow - 1, gridColumn - 1); }

    void SetEditable(bool editable);
    void SetRowSelectionColours(QColor highlight, QColor highlightText);
    // A new editor opened: no text handed in yet.
    void BeginEdit() { rule_.Reset(); }
    // Everything may have changed (commit, row command, unit, load).
    void Refresh();
    // Whether the last commit was refused.
    bool LastCommitFailed() const { return failed_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // EditRole and kEditTextRole hand the editor's text to the commit rule; an error of the
    // commit is shown by the default error report.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A value was committed or refused: the grid model's current cell may have moved.
    void Committed();

private:
    bool RowSelected(int gridRow) const;

    TInputPatternGridModel& grid_;
    TEditCommitRule rule_;
    bool editable_ = true;
    bool failed_ = false;
    int columns_ = 0;
    QColor highlight_, highlightText_;
};

}  // namespace kinemo
