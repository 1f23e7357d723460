// Target name rule of the CAD export.
#include "cad/CadTarget.h"

#include "base/SpecialFolder.h"

#include <cstdlib>

namespace kinemo {

std::vector<std::string> SaveTypeEntries(const std::string& value) {
    std::vector<std::string> out;
    std::string line;
    auto flush = [&] {
        const size_t b = line.find_first_not_of(" \t");
        if (b != std::string::npos) out.push_back(line.substr(b, line.find_last_not_of(" \t") - b + 1));
        line.clear();
    };
    for (char c : value) {
        if (c == '\r' || c == '\n') flush();
        else line.push_back(c);
    }
    flush();
    return out;
}

std::string SaveTypeExtension(const std::string& entry) {
    const size_t p = entry.find("(*");
    if (p == std::string::npos) return {};
    std::string rest = entry.substr(p + 2);
    if (!rest.empty()) rest.pop_back();
    return rest;
}

bool HasExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot != std::string::npos && dot > 0 && dot + 1 < name.size();
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string CadTargetFileName(const std::string& typed, const std::string& saveTypeEntry,
                              const std::string& baseFolder) {
    std::string path = typed;
    if (path.rfind("~/", 0) == 0) {
        const char* home = std::getenv("HOME");
        if (home && *home) path = IncludeTrailingDelimiter(home) + path.substr(2);
    }
    if (path.empty() || path.front() != '/') path = IncludeTrailingDelimiter(baseFolder) + path;
    if (!HasExtension(path)) path += SaveTypeExtension(saveTypeEntry);
    return path;
}

}  // namespace kinemo
