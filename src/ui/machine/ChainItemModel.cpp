// Chain grid model.
#include "machine/ChainItemModel.h"

#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/Factor.h"
#include "machine/QtPictureLoader.h"

namespace kinemo {

TChainItemModel::TChainItemModel(TChoiceFactorModel& machine, QObject* parent)
    : QAbstractTableModel(parent), machine_(&machine) {}

void TChainItemModel::Reload() {
    beginResetModel();
    endResetModel();
}

void TChainItemModel::SetDragSourceColumn(int column) {
    dragSource_ = column;
    SelectionChanged();
}

void TChainItemModel::SelectionChanged() {
    if (columnCount() > 0) emit dataChanged(index(0, 0), index(0, columnCount() - 1));
}

int TChainItemModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

int TChainItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : machine_->Chain().Count();
}

QVariant TChainItemModel::data(const QModelIndex& index, int role) const {
    const int c = index.column();
    if (c < 0 || c >= machine_->Chain().Count()) return {};
    TFactor* f = machine_->Chain().GetFactor(c);
    switch (role) {
    case Qt::DecorationRole:
        if (c == dragSource_) return FactorPixmap(f->DragImage);
        return FactorPixmap(c == machine_->CurrentColumn() ? f->GetSelectedImage() : f->GetImage());
    case Qt::ToolTipRole:
    case Qt::UserRole:
        return QString::fromStdString(f->Name);
    default:
        return {};
    }
}

}  // namespace kinemo
