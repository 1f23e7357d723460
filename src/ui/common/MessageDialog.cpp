// The message dialog over QMessageBox.
#include "common/MessageDialog.h"

#include "shell/ApplicationTitle.h"
#include "common/InterfaceFont.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

namespace kinemo {

namespace {

const char* kButtonProperty = "kinemoButton";

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Warning: return QMessageBox::Warning;
    case TMsgDlgType::Error: return QMessageBox::Critical;
    case TMsgDlgType::Information: return QMessageBox::Information;
    case TMsgDlgType::Confirmation: return QMessageBox::Question;
    case TMsgDlgType::Custom: break;
    }
    return QMessageBox::NoIcon;
}

QDialogButtonBox::StandardButton StandardOf(TMsgDlgButton b) {
    switch (b) {
    case mbYes: return QDialogButtonBox::Yes;
    case mbNo: return QDialogButtonBox::No;
    case mbOK: return QDialogButtonBox::Ok;
    case mbCancel: return QDialogButtonBox::Cancel;
    case mbAbort: return QDialogButtonBox::Abort;
    case mbRetry: return QDialogButtonBox::Retry;
    case mbIgnore: return QDialogButtonBox::Ignore;
    case mbAll: return QDialogButtonBox::YesToAll;
    case mbNoToAll: return QDialogButtonBox::NoToAll;
    case mbYesToAll: return QDialogButtonBox::YesToAll;
    case mbHelp: return QDialogButtonBox::Help;
    }
    return QDialogButtonBox::Ok;
}

// The toolkit's own text of a standard button, for the buttons the catalog does not name.
QString StandardText(TMsgDlgButton b) {
    QDialogButtonBox box;
    return box.addButton(StandardOf(b))->text();
}

}  // namespace

std::unique_ptr<QMessageBox> TMessageDialog::Build(const std::string& text, TMsgDlgType type,
                                                   unsigned buttons) const {
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setObjectName(kApplicationTitle);
    box->setIcon(IconOf(type));
    box->setText(QString::fromStdString(text));
    box->setWindowTitle(QString::fromStdString(texts_.Caption(type, kApplicationTitle)));
    for (TMsgDlgButton b : DialogButtons(buttons)) {
        // One role for all keeps the buttons in the standard order on every desktop.
        std::optional<std::string> caption = texts_.ButtonText(b);
        const QString label = caption && !caption->empty() ? QString::fromStdString(*caption) : StandardText(b);
        QPushButton* button = box->addButton(label, QMessageBox::ActionRole);
        button->setProperty(kButtonProperty, static_cast<unsigned>(b));
        if (DefaultButton(buttons) == b) box->setDefaultButton(button);
        if (EscapeButton(buttons) == b) box->setEscapeButton(button);
    }
    ApplyInterfaceFont(box.get(), fontName_);
    return box;
}

int TMessageDialog::Result(const QMessageBox& box) {
    const QAbstractButton* clicked = box.clickedButton();
    if (!clicked) return mrNone;
    return ButtonResult(static_cast<TMsgDlgButton>(clicked->property(kButtonProperty).toUInt()));
}

int TMessageDialog::ShowMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) {
    std::unique_ptr<QMessageBox> box = Build(text, type, buttons);
    box->exec();
    return Result(*box);
}

}  // namespace kinemo
