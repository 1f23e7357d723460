// The number grid and its cell editor delegate.
#include "pattern/NumberGrid.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace kinemo {

// Creates the number editors and keeps the model informed of their text.
class TNumberGridDelegate : public QStyledItemDelegate {
public:
    TNumberGridDelegate(TNumberGrid* grid, TNumberInplaceEdit::TKeyRule accepts, int editTextRole)
        : QStyledItemDelegate(grid), grid_(grid), accepts_(std::move(accepts)), editTextRole_(editTextRole) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* editor = new TNumberInplaceEdit(accepts_, parent);
        QAbstractItemModel* model = const_cast<QAbstractItemModel*>(index.model());
        const QPersistentModelIndex cell(index);
        QObject::connect(editor, &QLineEdit::textEdited, editor, [model, cell, this](const QString& text) {
            if (cell.isValid()) model->setData(cell, text, editTextRole_);
        });
        QObject::connect(editor, &TNumberInplaceEdit::KeyHandedBack, editor, [this, editor](int key) {
            auto* self = const_cast<TNumberGridDelegate*>(this);
            emit self->commitData(editor);
            emit self->closeEditor(editor, QAbstractItemDelegate::NoHint);
            grid_->MoveAfterEdit(key);
        });
        grid_->editor_ = editor;
        emit grid_->EditorOpened(index);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* edit = static_cast<TNumberInplaceEdit*>(editor);
        if (!edit->isModified()) edit->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<TNumberInplaceEdit*>(editor)->text(), Qt::EditRole);
    }

protected:
    // Enter and the arrows are the editor's own: it hands them back to the grid.
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Left || key == Qt::Key_Right)
                return false;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    TNumberGrid* grid_;
    TNumberInplaceEdit::TKeyRule accepts_;
    int editTextRole_;
};

TNumberGrid::TNumberGrid(TNumberInplaceEdit::TKeyRule accepts, int editTextRole, QWidget* parent)
    : QTableView(parent) {
    setItemDelegate(new TNumberGridDelegate(this, std::move(accepts), editTextRole));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
}

void TNumberGrid::DiscardEdit() {
    if (editor_ && state() == QAbstractItemView::EditingState) closeEditor(editor_, QAbstractItemDelegate::NoHint);
}

void TNumberGrid::MoveAfterEdit(int key) {
    const QModelIndex at = currentIndex();
    if (!at.isValid()) return;
    int row = at.row();
    int column = at.column();
    if (key == Qt::Key_Return) ++row;
    if (key == Qt::Key_Left) --column;
    if (key == Qt::Key_Right) ++column;
    const QModelIndex next = model()->index(row, column);
    if (next.isValid()) setCurrentIndex(next);
    setFocus();
}

}  // namespace kinemo
