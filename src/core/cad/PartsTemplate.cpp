// Expansion of the hand-over template.
#include "cad/PartsTemplate.h"

#include "base/NameValueList.h"

namespace kinemo {

namespace {
const std::string kOpen = "{[%]";
const std::string kClose = "[%]}";
}  // namespace

std::string ExpandPartsTemplate(const std::string& templ, const TNameValueList& values) {
    std::string out;
    size_t pos = 0;
    while (true) {
        const size_t open = templ.find(kOpen, pos);
        if (open == std::string::npos) break;
        const size_t close = templ.find(kClose, open + kOpen.size());
        if (close == std::string::npos) break;
        out.append(templ, pos, open - pos);
        const std::string name = templ.substr(open + kOpen.size(), close - open - kOpen.size());
        if (!name.empty()) out += values.Value(name);
        pos = close + kClose.size();
    }
    out.append(templ, pos, std::string::npos);
    return out;
}

}  // namespace kinemo
