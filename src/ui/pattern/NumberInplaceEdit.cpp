// The number grids' cell editor.
#include "pattern/NumberInplaceEdit.h"

#include <QKeyEvent>

namespace kinemo {

TNumberInplaceEdit::TNumberInplaceEdit(TKeyRule accepts, QWidget* parent)
    : QLineEdit(parent), accepts_(std::move(accepts)) {
    setObjectName("NumberInplaceEdit");
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrame(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TNumberInplaceEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Left || key == Qt::Key_Right) {
        emit KeyHandedBack(key == Qt::Key_Enter ? Qt::Key_Return : key);
        return;
    }
    const QString text = event->text();
    const bool printable = text.size() == 1 && text[0].isPrint();
    if (printable) {
        const QChar c = text[0];
        const char key8 = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
        if (!accepts_ || !accepts_(this->text().toStdString(), hasSelectedText(), key8)) return;  // dropped
    }
    QLineEdit::keyPressEvent(event);
}

// No composed input: a number is typed key by key.
void TNumberInplaceEdit::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

}  // namespace kinemo
