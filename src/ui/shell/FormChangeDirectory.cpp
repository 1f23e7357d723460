// Folder dialog.
#include "shell/FormChangeDirectory.h"

#include "base/FileDialogs.h"
#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kinemo {

namespace {

QString Text(const TChangeDirectoryModel& m, const char* control) { return QString::fromStdString(m.Text(control)); }

}  // namespace

TFormChangeDirectory::TFormChangeDirectory(TChangeDirectoryModel& model, IFileDialogs& files,
                                           const std::string& fontName, QWidget* parent)
    : QDialog(parent), model_(&model), files_(&files) {
    using M = TChangeDirectoryModel;
    setObjectName("FormChangeDirectory");
    setWindowTitle(Text(model, "FormCaption"));
    setModal(true);
    auto* grid = new QGridLayout;
    for (int i = 0; i < M::kFolderCount; ++i) {
        const auto folder = static_cast<M::TFolder>(i);
        auto* label = new QLabel(Text(model, M::LabelName(folder)), this);
        label->setObjectName(M::LabelName(folder));
        auto* edit = new QLineEdit(QString::fromStdString(model.Folder(folder)), this);
        edit->setObjectName(M::EditName(folder));
        edit->setMinimumWidth(360);
        auto* browse = new QPushButton(Text(model, M::ButtonName(folder)), this);
        browse->setObjectName(M::ButtonName(folder));
        connect(browse, &QPushButton::clicked, this, Guarded([this, folder] { BrowseFolder(folder); }));
        grid->addWidget(label, i * 2, 0, 1, 2);
        grid->addWidget(edit, i * 2 + 1, 0);
        grid->addWidget(browse, i * 2 + 1, 1);
        edits_[static_cast<size_t>(i)] = edit;
    }
    auto* ok = new QPushButton(Text(model, "ButtonOK"), this);
    ok->setObjectName("ButtonOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(Text(model, "ButtonCancel"), this);
    cancel->setObjectName("ButtonCancel");
    connect(ok, &QPushButton::clicked, this, Guarded([this] { ButtonOKClick(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    ApplyInterfaceFont(this, fontName);
}

void TFormChangeDirectory::BrowseFolder(TChangeDirectoryModel::TFolder folder) {
    QLineEdit* edit = edits_[static_cast<size_t>(folder)];
    model_->SetFolder(folder, edit->text().toStdString());
    const auto chosen = files_->FolderName(model_->Text("OpenFolderDialogTitle"), model_->Folder(folder));
    if (!chosen) return;
    model_->FolderChosen(folder, *chosen);
    edit->setText(QString::fromStdString(model_->Folder(folder)));
}

void TFormChangeDirectory::ButtonOKClick() {
    for (int i = 0; i < TChangeDirectoryModel::kFolderCount; ++i)
        model_->SetFolder(static_cast<TChangeDirectoryModel::TFolder>(i), edits_[static_cast<size_t>(i)]->text().toStdString());
    accept();
}

}  // namespace kinemo
