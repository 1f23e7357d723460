// The user motor dialog (Options menu): the user's motors in a grid, add from a data sheet
// file, remove the selected one, and the model's messages below the grid.
#pragma once

#include "shell/UserMotorListModel.h"

#include <QAbstractTableModel>
#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace kinemo {

// The grid adapter of TUserMotorListModel.
class TUserMotorItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TUserMotorItemModel(const TUserMotorListModel& model, QObject* parent) : QAbstractTableModel(parent), model_(model) {}
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : model_.RowCount(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : model_.ColumnCount(); }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Reset() {
        beginResetModel();
        endResetModel();
    }

private:
    const TUserMotorListModel& model_;
};

class TFormUserMotors : public QDialog {
    Q_OBJECT
public:
    TFormUserMotors(TUserMotorListModel& model, const std::string& fontName, QWidget* parent);

    void Add();
    void RemoveSelected();
    QTableView* Grid() const { return grid_; }

private:
    void Refresh();

    TUserMotorListModel& model_;
    TUserMotorItemModel* items_ = nullptr;
    QTableView* grid_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace kinemo
