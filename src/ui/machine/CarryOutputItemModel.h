// The motor-shaft load as a three-column grid model (quantity, value, unit); the unit
// cell of a quantity that has units is edited with a unit list.
#pragma once

#include <QAbstractTableModel>

namespace kinemo {

class TCarryOutputModel;

class TCarryOutputItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TCarryOutputItemModel(TCarryOutputModel& carry, QObject* parent = nullptr);
    TCarryOutputModel& Carry() const { return *carry_; }
    void Reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Column 2: the index of the unit in Units(row).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    TCarryOutputModel* carry_;
};

}  // namespace kinemo
