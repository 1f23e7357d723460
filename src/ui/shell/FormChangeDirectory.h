// The folder dialog: the project, user element and user picture folders, each with a
// browse button; OK hands the folders to the main window.
#pragma once

#include "shell/ChangeDirectoryModel.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace kinemo {

class IFileDialogs;

class TFormChangeDirectory : public QDialog {
    Q_OBJECT
public:
    TFormChangeDirectory(TChangeDirectoryModel& model, IFileDialogs& files, const std::string& fontName,
                         QWidget* parent);

    // A browse button: the system folder browser, starting at the box's folder.
    void BrowseFolder(TChangeDirectoryModel::TFolder folder);

private:
    void ButtonOKClick();

    TChangeDirectoryModel* model_;
    IFileDialogs* files_;
    std::array<QLineEdit*, TChangeDirectoryModel::kFolderCount> edits_{};
};

}  // namespace kinemo
