// The editors of the property grids: in-place entry of values and memos (values take only
// what a number is typed with), and the material, choice and unit combo boxes. Every edit
// goes to the core property-grid rules, including the rule that a typed text commits
// when the editor reports it twice.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

namespace kinemo {

class IUserDialogs;
class TPropertyGridModel;

class TPropertyDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TPropertyDelegate(TPropertyGridModel& grid, IUserDialogs& dialogs, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    QWidget* ActiveEditor() const { return active_; }
    // After Enter: the view moves on.
    std::function<void()> OnEnter;

signals:
    // A value, choice or unit was committed.
    void ValueCommitted() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refuse(const std::exception& e) const;
    void EnterPressed(QWidget* editor);

    TPropertyGridModel* grid_;
    IUserDialogs* dialogs_;
    mutable QPointer<QWidget> active_;
};

}  // namespace kinemo
