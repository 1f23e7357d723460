// The pattern grid's table model over the grid rules.
#include "pattern/InputPatternGridItemModel.h"

#include "common/KinemoApplication.h"
#include "pattern/InputPatternGridModel.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

namespace kinemo {

using Grid = TInputPatternGridModel;

TInputPatternGridItemModel::TInputPatternGridItemModel(TInputPatternGridModel& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), columns_(grid.ColumnCount() - 1) {
    const QPalette palette = QApplication::palette();
    highlight_ = palette.color(QPalette::Highlight);
    highlightText_ = palette.color(QPalette::HighlightedText);
}

void TInputPatternGridItemModel::SetEditable(bool editable) {
    editable_ = editable;
    Refresh();
}

void TInputPatternGridItemModel::SetRowSelectionColours(QColor highlight, QColor highlightText) {
    highlight_ = highlight;
    highlightText_ = highlightText;
}

void TInputPatternGridItemModel::Refresh() {
    const int columns = grid_.ColumnCount() - 1;
    if (columns != columns_) {  // the external-force columns came or went
        beginResetModel();
        columns_ = columns;
        endResetModel();
        return;
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int TInputPatternGridItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Grid::kGridRowCount - 1;
}

int TInputPatternGridItemModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

bool TInputPatternGridItemModel::RowSelected(int gridRow) const { return grid_.SelectedRows().count(gridRow) != 0; }

QVariant TInputPatternGridItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = GridRow(index);
    const int column = GridColumn(index);
    const bool dataColumn = column <= grid_.DataColumnCount();
    const bool interval = row >= Grid::kFirstIntervalRow;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(grid_.CellText(row, column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(row == Grid::kUnitRow ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter));
    case Qt::CheckStateRole:
        if (!grid_.IsExternalForceCell(row, column)) return {};
        return grid_.Marked(row, column) ? Qt::Checked : Qt::Unchecked;
    case Qt::BackgroundRole: {
        const QPalette palette = QApplication::palette();
        if (!interval) return QBrush(palette.color(QPalette::Button));
        const bool takesInput = !dataColumn || grid_.CanEdit(row, column);
        if (takesInput && RowSelected(row)) return QBrush(highlight_);
        return QBrush(palette.color(takesInput ? QPalette::Base : QPalette::Button));
    }
    case Qt::ForegroundRole: {
        const QPalette palette = QApplication::palette();
        const bool takesInput = !dataColumn || grid_.CanEdit(row, column);
        if (interval && takesInput && RowSelected(row)) return QBrush(highlightText_);
        return QBrush(palette.color(interval ? QPalette::Text : QPalette::ButtonText));
    }
    default: return {};
    }
}

QVariant TInputPatternGridItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) return QString::fromStdString(grid_.ColumnTitle(section));
    const int row = section + 1;
    return row == Grid::kUnitRow ? QString() : QString::fromStdString(grid_.CellText(row, 0));
}

Qt::ItemFlags TInputPatternGridItemModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && grid_.CanEdit(GridRow(index), GridColumn(index))) f |= Qt::ItemIsEditable;
    return f;
}

bool TInputPatternGridItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || (role != Qt::EditRole && role != kEditTextRole)) return false;
    if (!rule_.Offer(value.toString().toStdString())) return false;
    bool done = false;
    failed_ = true;
    Guarded([&] {
        done = grid_.CommitText(GridRow(index), GridColumn(index), value.toString().toStdString());
        failed_ = false;
    })();
    Refresh();
    emit Committed();
    return done;
}

}  // namespace kinemo
