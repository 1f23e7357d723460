// Where a help command leads: a web address as it stands, anything else a file below the
// program folder.
#pragma once

#include <string>

namespace kinemo {

struct THelpTarget {
    bool IsWebAddress = false;
    std::string Target;  // empty: nothing to open
};

// symbol is the command's msg_symbol. Addresses starting with "http://" or "https://"
// are kept; other targets are joined to programFolder ("\" read as "/").
THelpTarget ResolveHelpTarget(const std::string& symbol, const std::string& programFolder);

}  // namespace kinemo
