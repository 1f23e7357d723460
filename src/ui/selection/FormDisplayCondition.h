// The custom display condition dialog: a two-column number grid of the five thresholds and OK.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include <string>

namespace kinemo {

class IUserDialogs;
class TDisplayConditionForm;
class TNumberGrid;

// Column 0 the threshold labels, column 1 their values (editable). A typed value the form
// refuses is told with the catalog's message, and the cell keeps its value.
class TDisplayConditionGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The role on which the number editor hands over every change of its text.
    static constexpr int kEditTextRole = Qt::UserRole + 1;
    TDisplayConditionGridModel(TDisplayConditionForm& form, IUserDialogs& dialogs, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Typed values refused so far.
    int Refusals() const { return refusals_; }

private:
    TDisplayConditionForm& form_;
    IUserDialogs& dialogs_;
    int refusals_ = 0;
};

class TFormDisplayCondition : public QDialog {
    Q_OBJECT
public:
    TFormDisplayCondition(TDisplayConditionForm& form, IUserDialogs& dialogs, const std::string& fontName,
                          QWidget* owner);
    // The number grid of the pattern page, with its cell editor and key rule.
    TNumberGrid* Grid() const { return grid_; }
    // BtnOk: the typed values become the form's condition; a value still being typed that
    // is refused keeps the dialog open.
    void BtnOkClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDisplayConditionForm& form_;
    TDisplayConditionGridModel* model_;
    TNumberGrid* grid_;
};

}  // namespace kinemo
