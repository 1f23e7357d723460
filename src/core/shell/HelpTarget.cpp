// Help targets.
#include "shell/HelpTarget.h"

#include "base/NameValueList.h"
#include "base/SpecialFolder.h"

#include <algorithm>
#include <filesystem>

namespace kinemo {

namespace {

bool StartsWithText(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// Pages a viewer shows; anything else (a script, a desktop entry) might be run when opened.
bool IsHelpPage(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    for (const char* page : {".html", ".htm", ".pdf", ".txt"})
        if (SameText(extension, page)) return true;
    return false;
}

// True when path lies inside folder, both read as written and after links are followed.
bool LiesInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    auto inside = [](const std::filesystem::path& p, const std::filesystem::path& f) {
        const auto rel = p.lexically_relative(f);
        return !rel.empty() && *rel.begin() != ".." && !rel.is_absolute();
    };
    if (!inside(path.lexically_normal(), folder.lexically_normal())) return false;
    std::error_code ec1, ec2;
    const auto realPath = std::filesystem::weakly_canonical(path, ec1);
    const auto realFolder = std::filesystem::weakly_canonical(folder, ec2);
    return !ec1 && !ec2 && inside(realPath, realFolder);
}

}  // namespace

THelpTarget ResolveHelpTarget(const std::string& symbol, const std::string& programFolder) {
    THelpTarget t;
    if (symbol.empty()) return t;
    if (StartsWithText(symbol, "http://") || StartsWithText(symbol, "https://")) {
        t.IsWebAddress = true;
        t.Target = symbol;
        return t;
    }
    std::string relative = symbol;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    while (!relative.empty() && relative.front() == '/') relative.erase(0, 1);
    t.Target = IncludeTrailingDelimiter(programFolder) + relative;
    t.Refused = !IsHelpPage(t.Target) || !LiesInside(t.Target, IncludeTrailingDelimiter(programFolder));
    return t;
}

}  // namespace kinemo
