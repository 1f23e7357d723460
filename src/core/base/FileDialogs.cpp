// Filter texts and default extensions of the file dialogs.
#include "base/FileDialogs.h"

namespace kinemo {

std::vector<TFilterEntry> ParseDialogFilter(const std::string& filter) {
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos <= filter.size()) {
        const size_t bar = filter.find('|', pos);
        parts.push_back(filter.substr(pos, bar == std::string::npos ? std::string::npos : bar - pos));
        if (bar == std::string::npos) break;
        pos = bar + 1;
    }
    std::vector<TFilterEntry> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) out.push_back({parts[i], parts[i + 1]});
    return out;
}

std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt) {
    if (defaultExt.empty()) return path;
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.', 1) != std::string::npos) return path;
    return path + (defaultExt.front() == '.' ? defaultExt : "." + defaultExt);
}

}  // namespace kinemo
