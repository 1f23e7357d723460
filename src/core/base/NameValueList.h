// An ordered list of "name=value" texts: the catalog's text lists, formula stores,
// report data. Names compare without regard to ASCII case.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

bool SameText(const std::string& a, const std::string& b);

class TNameValueList {
public:
    // The text after the first "=" of the entry named name; empty when absent.
    std::string Value(const std::string& name) const;
    bool Contains(const std::string& name) const;
    // Replaces the named entry in place or appends it; an empty value removes it.
    void SetValue(const std::string& name, const std::string& value);
    // Appends a raw line ("name=value") without looking for an existing name.
    void Add(const std::string& line);
    void Clear() { lines_.clear(); }

    size_t Count() const { return lines_.size(); }
    const std::string& Line(size_t i) const { return lines_[i]; }
    std::string Name(size_t i) const;
    std::string ValueAt(size_t i) const;
    const std::vector<std::string>& Lines() const { return lines_; }
    // The lines joined by sep (CR LF unless told).
    std::string Text(const std::string& sep = "\r\n") const;

private:
    int IndexOfName(const std::string& name) const;
    std::vector<std::string> lines_;
};

}  // namespace kinemo
