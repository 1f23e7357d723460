// Help targets.
#include "app/HelpTarget.h"

#include "base/NameValueList.h"
#include "base/SpecialFolder.h"

#include <algorithm>

namespace kinemo {

namespace {

bool StartsWithText(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
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
    return t;
}

}  // namespace kinemo
