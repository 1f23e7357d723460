// The system's file and folder dialogs behind the core's file dialog interface.
#pragma once

#include "base/FileDialogs.h"

#include <QString>

class QWidget;

namespace kinemo {

class TQtFileDialogs : public IFileDialogs {
public:
    // parent: the window the dialogs are centred on (the active window when null).
    explicit TQtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<std::string> OpenFileName(const TFileDialogRequest& request) override;
    std::optional<std::string> SaveFileName(const TFileDialogRequest& request) override;
    std::optional<std::string> FolderName(const std::string& title, const std::string& initialFolder) override;

private:
    QWidget* parent_;
};

// "Description|*.a|Other|*.*" as the toolkit writes filters: "Description (*.a);;Other (*.*)".
QString QtFilter(const std::string& filter);

}  // namespace kinemo
