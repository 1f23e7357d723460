// The main window's caption: the base caption without a project file, the file caption
// naming the open file otherwise.
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

    const std::string& Base() const { return base_; }
    // The caption for the open project file (empty: none open); the folder is not shown.
    std::string Caption(const std::string& currentFileName) const;

private:
    std::string base_;
    std::string fileFormat_;
};

// The file name of a path without its folder.
std::string ExtractFileName(const std::string& path);

}  // namespace kinemo
