// Where a help command leads: a web address as it stands, anything else a file below the
// program folder.
#pragma once

#include <string>

namespace kinemo {

struct THelpTarget {
    bool IsWebAddress = false;
    std::string Target;  // empty: nothing to open
    // A file that is no help page (HTML, PDF, text) or lies outside the folder, also
    // through "..", or a link: never opened.
    bool Refused = false;
};

// symbol is the command's msg_symbol. Addresses starting with "http://" or "https://"
// are kept; other targets are joined to programFolder ("\" read as "/") and refused
// when they are no help page or leave the folder.
THelpTarget ResolveHelpTarget(const std::string& symbol, const std::string& programFolder);

}  // namespace kinemo
