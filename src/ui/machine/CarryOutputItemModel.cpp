// Motor-shaft load grid model.
#include "machine/CarryOutputItemModel.h"

#include "machine/CarryOutputModel.h"
#include "units/Measure.h"

namespace kinemo {

TCarryOutputItemModel::TCarryOutputItemModel(TCarryOutputModel& carry, QObject* parent)
    : QAbstractTableModel(parent), carry_(&carry) {}

void TCarryOutputItemModel::Reload() {
    beginResetModel();
    endResetModel();
}

int TCarryOutputItemModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : carry_->RowCount(); }

int TCarryOutputItemModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant TCarryOutputItemModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
        case 0: return QString::fromStdString(carry_->Name(row));
        case 1: return QString::fromStdString(carry_->ValueText(row));
        default: return QString::fromStdString(carry_->UnitText(row));
        }
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (index.column() == 1 ? Qt::AlignRight : Qt::AlignLeft));
    if (role == Qt::ToolTipRole && index.column() != 1)
        return QString::fromStdString(index.column() == 0 ? carry_->Name(row) : carry_->UnitText(row));
    return {};
}

QVariant TCarryOutputItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section > 2) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(carry_->Headings()[static_cast<size_t>(section)]);
    return {};
}

Qt::ItemFlags TCarryOutputItemModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 2 && carry_->Units(index.row()).size() > 1) f |= Qt::ItemIsEditable;
    return f;
}

bool TCarryOutputItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != 2) return false;
    const std::vector<TMeasure*> units = carry_->Units(index.row());
    const int i = value.toInt();
    if (i < 0 || i >= static_cast<int>(units.size())) return false;
    carry_->ChooseUnit(index.row(), units[static_cast<size_t>(i)]);
    emit dataChanged(this->index(index.row(), 1), this->index(index.row(), 2));
    return true;
}

}  // namespace kinemo
