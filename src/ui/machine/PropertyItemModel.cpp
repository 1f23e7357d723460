// Property grid model.
#include "machine/PropertyItemModel.h"

#include "machine/InputData.h"
#include "machine/PropertyGridModel.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QPalette>

namespace kinemo {

TPropertyItemModel::TPropertyItemModel(TPropertyGridModel& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid) {}

void TPropertyItemModel::SetEditable(bool editable) {
    beginResetModel();
    editable_ = editable;
    endResetModel();
}

void TPropertyItemModel::Reload() {
    beginResetModel();
    endResetModel();
}

void TPropertyItemModel::ValuesChanged() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 2));
}

int TPropertyItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_->RowCount() - 1;
}

int TPropertyItemModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant TPropertyItemModel::data(const QModelIndex& index, int role) const {
    const int row = CoreRow(index.row());
    const int column = index.column();
    const bool fixed = column == 0 || row < grid_->FixedRows();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(grid_->CellText(row, column));
    case Qt::TextAlignmentRole: {
        TCustomInputData* item = grid_->ItemAt(row);
        const bool number =
            item && column == 1 && (item->Kind() == TInputKind::Numeric || item->Kind() == TInputKind::Calc);
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::BackgroundRole:
        if (fixed) return QApplication::palette().brush(QPalette::Button);
        if (grid_->IsCalcRow(row)) return QBrush(QColor::fromRgb(kCalcRowColour));
        return QApplication::palette().brush(QPalette::Base);
    case Qt::ForegroundRole:
        return QApplication::palette().brush(fixed ? QPalette::ButtonText : QPalette::Text);
    case Qt::ToolTipRole:
        return column == 0 ? QString::fromStdString(grid_->CellText(row, 0)) : QVariant();
    default:
        return {};
    }
}

QVariant TPropertyItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headings_.size()) return {};
    if (role == Qt::DisplayRole) return headings_[section];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TPropertyItemModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && grid_->EditKind(CoreRow(index.row()), index.column()) != TPropertyEdit::None)
        f |= Qt::ItemIsEditable;
    return f;
}

}  // namespace kinemo
