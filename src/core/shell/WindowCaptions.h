// The main window's caption: the base caption without a project file, the file caption
// naming the open file otherwise, marked while the project has unsaved changes.
#pragma once

#include <string>

namespace kinemo {

class TWindowCaptions {
public:
    TWindowCaptions() = default;
    // Both formats are formatted with the application title, the program version and the
    // catalog version; the file format keeps one "%s" (written "%%s") for the file name,
    // filled when a file is open.
    TWindowCaptions(std::string baseFormat, std::string fileFormat, std::string title, std::string applicationVersion,
                    std::string mdbVersion);
    // The mark of unsaved changes: a format with one "%s" for the caption; empty: no mark.
    void SetModifiedFormat(std::string format) { modifiedFormat_ = std::move(format); }

    const std::string& Base() const { return base_; }
    // The caption for the open project file (empty: none open); the folder is not shown.
    std::string Caption(const std::string& currentFileName, bool modified = false) const;

private:
    std::string base_;
    std::string fileFormat_;
    std::string modifiedFormat_;
};

// The file name of a path without its folder.
std::string ExtractFileName(const std::string& path);

}  // namespace kinemo
