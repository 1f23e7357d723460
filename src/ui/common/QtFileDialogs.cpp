// File dialogs.
#include "common/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace kinemo {

namespace {

std::optional<std::string> Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void Prepare(QFileDialog& dialog, const TFileDialogRequest& request) {
    dialog.setNameFilter(QtFilter(request.Filter));
    QString ext = QString::fromStdString(request.DefaultExt);
    if (ext.startsWith('.')) ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
    dialog.setDirectory(QString::fromStdString(request.InitialFolder));
}

}  // namespace

QString QtFilter(const std::string& filter) {
    QStringList parts;
    for (const TFilterEntry& e : ParseDialogFilter(filter)) {
        const QString patterns = QString::fromStdString(e.Patterns).replace(';', ' ');
        QString description = QString::fromStdString(e.Description);
        // A description that already shows its patterns keeps them once.
        if (!description.endsWith(')')) description += " (" + patterns + ")";
        else description = description.left(description.lastIndexOf('(')).trimmed() + " (" + patterns + ")";
        parts << description;
    }
    return parts.join(";;");
}

std::optional<std::string> TQtFileDialogs::OpenFileName(const TFileDialogRequest& request) {
    QFileDialog dialog(parent_ ? parent_ : QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // a missing name comes back, and the dialog opens again
    Prepare(dialog, request);
    return Run(dialog);
}

std::optional<std::string> TQtFileDialogs::SaveFileName(const TFileDialogRequest& request) {
    QFileDialog dialog(parent_ ? parent_ : QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    Prepare(dialog, request);  // the save mode asks before overwriting
    return Run(dialog);
}

std::optional<std::string> TQtFileDialogs::FolderName(const std::string& title, const std::string& initialFolder) {
    const QString folder = QFileDialog::getExistingDirectory(parent_ ? parent_ : QApplication::activeWindow(),
                                                             QString::fromStdString(title),
                                                             QString::fromStdString(initialFolder));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

}  // namespace kinemo
