// How the core asks for file and folder names: implemented by the Qt application with the
// system's dialogs and by tests with scripted names.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

struct TFileDialogRequest {
    std::string Filter;      // "Description|*.ext|Description|*.*"
    std::string DefaultExt;  // ".kjb": added to a name typed without an extension
    std::string InitialFolder;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // None when the user cancels.
    virtual std::optional<std::string> OpenFileName(const TFileDialogRequest& request) = 0;
    // Asks before a chosen existing file is overwritten; none when the user cancels.
    virtual std::optional<std::string> SaveFileName(const TFileDialogRequest& request) = 0;
    // A folder (file-system folders only); none when the user cancels.
    virtual std::optional<std::string> FolderName(const std::string& title, const std::string& initialFolder) = 0;
};

struct TFilterEntry {
    std::string Description;
    std::string Patterns;  // "*.kjb" or "*.a;*.b"
};
// The description|patterns pairs of a filter text; a trailing description without
// patterns is dropped.
std::vector<TFilterEntry> ParseDialogFilter(const std::string& filter);

// path with defaultExt appended when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt);

}  // namespace kinemo
