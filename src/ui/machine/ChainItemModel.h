// The chain as a one-row grid model: column 0 the motor, then every element; the dragged
// element shows its drag picture, the selected one its selected picture.
#pragma once

#include <QAbstractTableModel>

namespace kinemo {

class TChoiceFactorModel;

class TChainItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TChainItemModel(TChoiceFactorModel& machine, QObject* parent = nullptr);

    // The chain changed: columns follow it.
    void Reload();
    int DragSourceColumn() const { return dragSource_; }
    void SetDragSourceColumn(int column);
    // The selection changed: pictures follow it.
    void SelectionChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    TChoiceFactorModel* machine_;
    int dragSource_ = -1;
};

}  // namespace kinemo
