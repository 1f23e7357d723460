// Property grid combo box.
#include "machine/ComboBoxProperty.h"

#include "machine/PropertyGridModel.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kinemo {

TComboBoxProperty::TComboBoxProperty(bool editable, QWidget* parent) : QComboBox(parent) {
    setObjectName("ComboBoxProperty");
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    if (editable) lineEdit()->installEventFilter(this);
}

void TComboBoxProperty::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit EnterPressed();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool TComboBoxProperty::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit EnterPressed();
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && !(key->modifiers() & Qt::ControlModifier)) {
            // Every typed character passes the filter, Backspace included.
            const bool accepted = text.size() == 1 &&
                                  PropertyComboKeyAccepted(text[0].unicode(), static_cast<size_t>(lineEdit()->text().size()),
                                                           lineEdit()->hasSelectedText());
            if (!accepted) return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace kinemo
