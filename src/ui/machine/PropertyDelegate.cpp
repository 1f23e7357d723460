// Property grid editors.
#include "machine/PropertyDelegate.h"

#include "machine/ComboBoxProperty.h"
#include "machine/InputData.h"
#include "machine/PropertyGridModel.h"
#include "machine/PropertyItemModel.h"
#include "base/UserDialogs.h"
#include "units/Material.h"
#include "units/Measure.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kinemo {

namespace {

int CoreRow(const QModelIndex& index) { return TPropertyItemModel::CoreRow(index.row()); }

// The comma passes so that the model sees what was typed: it reads it as the decimal mark
// or refuses the text, where dropping it would turn "12,5" into 125.
bool IsNumberKey(QChar c) { return c == '-' || c == '.' || c == ',' || c.isDigit(); }

}  // namespace

TPropertyDelegate::TPropertyDelegate(TPropertyGridModel& grid, IUserDialogs& dialogs, QObject* parent)
    : QStyledItemDelegate(parent), grid_(&grid), dialogs_(&dialogs) {}

QWidget* TPropertyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    const int row = CoreRow(index);
    const TPropertyEdit kind = grid_->EditKind(row, index.column());
    QWidget* editor = nullptr;
    switch (kind) {
    case TPropertyEdit::None:
        return nullptr;
    case TPropertyEdit::InPlace: {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName("InPlaceEditor");
        TCustomInputData* item = grid_->ItemAt(row);
        edit->setProperty("numeric", item && item->Kind() == TInputKind::Numeric);
        if (item && item->Kind() == TInputKind::Numeric) edit->setAlignment(Qt::AlignRight);
        grid_->BeginEdit();
        connect(edit, &QLineEdit::textChanged, this, [this, row](const QString& text) {
            grid_->ReportEditText(row, text.toStdString());  // the last report before the end is stored
        });
        editor = edit;
        break;
    }
    case TPropertyEdit::MaterialCombo:
    case TPropertyEdit::ChoiceCombo:
    case TPropertyEdit::UnitCombo: {
        auto* combo = new TComboBoxProperty(kind == TPropertyEdit::MaterialCombo, parent);
        connect(combo, &TComboBoxProperty::EnterPressed, this, [this, combo] {
            const_cast<TPropertyDelegate*>(this)->EnterPressed(combo);
        });
        if (kind == TPropertyEdit::ChoiceCombo)
            connect(combo, &QComboBox::activated, this, [this, row, combo](int i) {
                try {
                    grid_->ChooseChoice(row, i);
                } catch (const std::exception& e) {
                    Refuse(e);
                }
                // A refused choice shows the whole-pattern choice again.
                if (auto* item = dynamic_cast<TExternalForceInputData*>(grid_->ItemAt(row))) {
                    QSignalBlocker block(combo);
                    combo->setCurrentIndex(item->Choice);
                }
                emit ValueCommitted();
            });
        if (kind == TPropertyEdit::UnitCombo)
            connect(combo, &QComboBox::activated, this, [this, row](int i) {
                const std::vector<TMeasure*> units = grid_->Units(row);
                if (i >= 0 && i < static_cast<int>(units.size())) grid_->ChooseUnit(row, units[static_cast<size_t>(i)]);
                emit ValueCommitted();
            });
        editor = combo;
        break;
    }
    }
    editor->installEventFilter(const_cast<TPropertyDelegate*>(this));
    active_ = editor;
    return editor;
}

void TPropertyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const int row = CoreRow(index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(QString::fromStdString(grid_->EditText(row)));
        edit->selectAll();
        return;
    }
    auto* combo = qobject_cast<TComboBoxProperty*>(editor);
    if (!combo) return;
    QSignalBlocker block(combo);
    combo->clear();
    switch (grid_->EditKind(row, index.column())) {
    case TPropertyEdit::MaterialCombo:
        for (const TMaterial& m : grid_->Materials(row)) combo->addItem(QString::fromStdString(m.Name));
        combo->setCurrentIndex(-1);
        combo->setEditText(QString::fromStdString(grid_->EditText(row)));
        break;
    case TPropertyEdit::ChoiceCombo: {
        for (const std::string& c : grid_->Choices(row)) combo->addItem(QString::fromStdString(c));
        auto* item = static_cast<TExternalForceInputData*>(grid_->ItemAt(row));
        combo->setCurrentIndex(item ? item->Choice : 0);
        break;
    }
    case TPropertyEdit::UnitCombo: {
        const std::string current = grid_->CellText(row, 2);
        for (TMeasure* u : grid_->Units(row)) combo->addItem(QString::fromStdString(u->Symbol()));
        combo->setCurrentIndex(combo->findText(QString::fromStdString(current)));
        break;
    }
    default:
        break;
    }
}

void TPropertyDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    const int row = CoreRow(index);
    try {
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            // The final report: equal to the last change, so it commits.
            if (grid_->ReportEditText(row, edit->text().toStdString())) emit ValueCommitted();
            return;
        }
        auto* combo = qobject_cast<TComboBoxProperty*>(editor);
        if (!combo || grid_->EditKind(row, index.column()) != TPropertyEdit::MaterialCombo) return;
        const std::vector<TMaterial> materials = grid_->Materials(row);
        const int i = combo->currentIndex();
        if (i >= 0 && i < static_cast<int>(materials.size()) && combo->itemText(i) == combo->currentText())
            grid_->ChooseMaterial(row, materials[static_cast<size_t>(i)]);
        else
            grid_->CommitText(row, combo->currentText().toStdString());
        emit ValueCommitted();
    } catch (const std::exception& e) {
        Refuse(e);
    }
}

void TPropertyDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void TPropertyDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (active_ == editor) active_ = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TPropertyDelegate::Refuse(const std::exception& e) const {
    dialogs_->ShowMessageDialog(e.what(), TMsgDlgType::Warning, mbOK);
}

void TPropertyDelegate::EnterPressed(QWidget* editor) {
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (OnEnter) OnEnter();
}

bool TPropertyDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            EnterPressed(edit);
            return true;
        }
        // A value takes only what a number is typed with; editing keys pass.
        const QString text = key->text();
        if (edit->property("numeric").toBool() && text.size() == 1 && text[0].isPrint() && !IsNumberKey(text[0]))
            return true;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace kinemo
