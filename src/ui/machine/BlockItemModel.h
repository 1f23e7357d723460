// The element list of one block as a one-column grid model: the element pictures, the
// selected row showing its selected picture, the name as tooltip.
#pragma once

#include <QAbstractTableModel>

namespace kinemo {

class TBlock;
class TFactor;

class TBlockItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TBlockItemModel(TBlock& block, QObject* parent = nullptr);

    TBlock& Block() const { return *block_; }
    TFactor* FactorAt(int row) const;
    // The block's elements were re-read (user elements changed).
    void Reload();
    void SetSelectedRow(int row);
    int SelectedRow() const { return selected_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    TBlock* block_;
    int selected_ = 0;
};

}  // namespace kinemo
