// Window captions from the catalog's caption formats.
#include "shell/WindowCaptions.h"

#include "shell/TextFormat.h"

namespace kinemo {

TWindowCaptions::TWindowCaptions(std::string baseFormat, std::string fileFormat, std::string title,
                                 std::string applicationVersion, std::string mdbVersion)
    : fileFormat_(std::move(fileFormat)),
      title_(std::move(title)),
      applicationVersion_(std::move(applicationVersion)),
      mdbVersion_(std::move(mdbVersion)) {
    base_ = FormatText(baseFormat, {title_, applicationVersion_, mdbVersion_});
}

std::string TWindowCaptions::Caption(const std::string& currentFileName) const {
    if (currentFileName.empty()) return base_;
    // One pass with all four texts, so a "%" in a version or file name is never read as
    // a directive.
    return FormatText(fileFormat_, {title_, applicationVersion_, mdbVersion_, ExtractFileName(currentFileName)});
}

std::string ExtractFileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace kinemo
