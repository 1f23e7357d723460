// Block element list model.
#include "machine/BlockItemModel.h"

#include "machine/Block.h"
#include "machine/Factor.h"
#include "machine/PictureDelegate.h"
#include "machine/QtPictureLoader.h"

namespace kinemo {

TBlockItemModel::TBlockItemModel(TBlock& block, QObject* parent) : QAbstractTableModel(parent), block_(&block) {}

TFactor* TBlockItemModel::FactorAt(int row) const {
    auto& factors = block_->Factors();
    return row >= 0 && row < static_cast<int>(factors.size()) ? factors[static_cast<size_t>(row)].get() : nullptr;
}

void TBlockItemModel::Reload() {
    beginResetModel();
    endResetModel();
}

void TBlockItemModel::SetSelectedRow(int row) {
    if (row == selected_) return;
    const int old = selected_;
    selected_ = row;
    for (int r : {old, row})
        if (r >= 0 && r < rowCount()) emit dataChanged(index(r, 0), index(r, 0));
}

int TBlockItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(block_->Factors().size());
}

int TBlockItemModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant TBlockItemModel::data(const QModelIndex& index, int role) const {
    TFactor* f = FactorAt(index.row());
    if (!f) return {};
    switch (role) {
    case Qt::DecorationRole:
        // The selected picture only for the selected row; an element without one shows nothing there.
        return index.row() == selected_ ? FactorPixmap(f->GetSelectedImage()) : FactorPixmap(f->GetImage());
    case Qt::ToolTipRole:
        return QString::fromStdString(f->Note.empty() ? f->Name : f->Name + "\n" + f->Note);
    case TPictureDelegate::kHighlightRole:
        return index.row() == selected_;
    case Qt::AccessibleTextRole:
    case Qt::UserRole:
        return QString::fromStdString(f->Name);
    default:
        return {};
    }
}

}  // namespace kinemo
