// A table of numbers typed into cells: its cells are edited with TNumberInplaceEdit, every
// change of the editor's text is handed to the model (the commit rule decides when a value
// is final), and Enter and the arrow keys handed back by the editor move to the next cell.
#pragma once

#include "pattern/NumberInplaceEdit.h"

#include <QPointer>
#include <QTableView>

namespace kinemo {

class TNumberGrid : public QTableView {
    Q_OBJECT
public:
    // editTextRole: the model role that receives the editor's text on every change.
    TNumberGrid(TNumberInplaceEdit::TKeyRule accepts, int editTextRole, QWidget* parent);

    // Closes an open cell editor without committing its text.
    void DiscardEdit();

    // A key typed on a cell that takes no number does not jump to a row starting with it.
    void keyboardSearch(const QString&) override {}

signals:
    // An editor opened on a cell.
    void EditorOpened(const QModelIndex& index);

protected:
    // Enter moves down, Left and Right to the neighbouring cell.
    virtual void MoveAfterEdit(int key);

private:
    friend class TNumberGridDelegate;
    QPointer<TNumberInplaceEdit> editor_;
};

}  // namespace kinemo
