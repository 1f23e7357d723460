// Window captions from the catalog's caption formats.
#include "shell/WindowCaptions.h"

#include "base/TextFormat.h"

namespace kinemo {

TWindowCaptions::TWindowCaptions(std::string baseFormat, std::string fileFormat, std::string title,
                                 std::string applicationVersion, std::string mdbVersion)
    : base_(FormatText(baseFormat, {title, applicationVersion, mdbVersion})),
      fileFormat_(FormatText(fileFormat, {title, applicationVersion, mdbVersion})) {}

std::string TWindowCaptions::Caption(const std::string& currentFileName, bool modified) const {
    const std::string caption =
        currentFileName.empty() ? base_ : FormatText(fileFormat_, {ExtractFileName(currentFileName)});
    if (!modified || modifiedFormat_.empty()) return caption;
    return FormatText(modifiedFormat_, {caption});
}

std::string ExtractFileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace kinemo
