// The custom display condition dialog: a two-column grid of the five thresholds and OK.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include <string>

class QTableView;

namespace kinemo {

class TDisplayConditionForm;

// Column 0 the threshold labels, column 1 their values (editable).
class TDisplayConditionGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDisplayConditionGridModel(TDisplayConditionForm& form, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TDisplayConditionForm& form_;
};

class TFormDisplayCondition : public QDialog {
    Q_OBJECT
public:
    TFormDisplayCondition(TDisplayConditionForm& form, const std::string& fontName, QWidget* owner);
    QTableView* Grid() const { return grid_; }
    // BtnOk: the typed values become the form's condition.
    void BtnOkClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDisplayConditionForm& form_;
    QTableView* grid_;
};

}  // namespace kinemo
