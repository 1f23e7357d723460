// Name=value list.
#include "base/NameValueList.h"

#include <cctype>

namespace kinemo {

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

int TNameValueList::IndexOfName(const std::string& name) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const std::string& l = lines_[i];
        size_t eq = l.find('=');
        if (eq == std::string::npos) continue;
        if (eq == name.size() && SameText(l.substr(0, eq), name)) return static_cast<int>(i);
    }
    return -1;
}

std::string TNameValueList::Value(const std::string& name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : lines_[i].substr(lines_[i].find('=') + 1);
}

bool TNameValueList::Contains(const std::string& name) const { return IndexOfName(name) >= 0; }

void TNameValueList::SetValue(const std::string& name, const std::string& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) lines_.erase(lines_.begin() + i);
        return;
    }
    if (i >= 0) lines_[i] = name + "=" + value;
    else lines_.push_back(name + "=" + value);
}

void TNameValueList::Add(const std::string& line) { lines_.push_back(line); }

std::string TNameValueList::Name(size_t i) const {
    size_t eq = lines_[i].find('=');
    return eq == std::string::npos ? lines_[i] : lines_[i].substr(0, eq);
}

std::string TNameValueList::ValueAt(size_t i) const {
    size_t eq = lines_[i].find('=');
    return eq == std::string::npos ? std::string() : lines_[i].substr(eq + 1);
}

std::string TNameValueList::Text(const std::string& sep) const {
    std::string out;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) out += sep;
        out += lines_[i];
    }
    return out;
}

}  // namespace kinemo
