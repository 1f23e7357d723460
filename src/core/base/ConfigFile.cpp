// INI settings file in memory.
#include "base/ConfigFile.h"

#include "base/AtomicFile.h"
#include "base/KinemoError.h"
#include "base/NameValueList.h"

#include <charconv>

namespace kinemo {

namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool ParseInt(const std::string& text, int& out) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    const char* b = t.data();
    if (*b == '+') ++b;
    auto [p, ec] = std::from_chars(b, t.data() + t.size(), out);
    return ec == std::errc() && p == t.data() + t.size();
}

}  // namespace

TConfigFile::TConfigFile(std::string path) : path_(std::move(path)) {
    if (!FileExists(path_)) return;
    std::string text = ReadWholeFile(path_);
    Section* current = nullptr;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t nl = text.find('\n', pos);
        std::string line = Trim(text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos));
        pos = nl == std::string::npos ? text.size() + 1 : nl + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            sections_.push_back({Trim(line.substr(1, line.size() - 2)), {}});
            current = &sections_.back();
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0 || !current) continue;  // garbage line
        std::string key = Trim(line.substr(0, eq));
        std::string value = Trim(line.substr(eq + 1));
        bool replaced = false;
        for (auto& e : current->entries)
            if (SameText(e.key, key)) e.value = value, replaced = true;
        if (!replaced) current->entries.push_back({key, value});
    }
}

const TConfigFile::Entry* TConfigFile::Find(const std::string& section, const std::string& key) const {
    for (const auto& s : sections_)
        if (SameText(s.name, section))
            for (const auto& e : s.entries)
                if (SameText(e.key, key)) return &e;
    return nullptr;
}

bool TConfigFile::HasKey(const std::string& section, const std::string& key) const {
    return Find(section, key) != nullptr;
}

std::vector<std::string> TConfigFile::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    for (const auto& s : sections_)
        if (SameText(s.name, section))
            for (const auto& e : s.entries) keys.push_back(e.key);
    return keys;
}

std::string TConfigFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
    const Entry* e = Find(section, key);
    return e ? e->value : def;
}

int TConfigFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    const Entry* e = Find(section, key);
    int v = 0;
    return e && ParseInt(e->value, v) ? v : def;
}

int TConfigFile::ReadIntegerStrict(const std::string& section, const std::string& key, int def) const {
    const Entry* e = Find(section, key);
    if (!e) return def;
    int v = 0;
    if (!ParseInt(e->value, v))
        throw TKinemoError("Settings file " + path_ + ": [" + section + "] " + key + " is not an integer: '" +
                           e->value + "'");
    return v;
}

void TConfigFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    for (auto& s : sections_) {
        if (!SameText(s.name, section)) continue;
        for (auto& e : s.entries)
            if (SameText(e.key, key)) {
                e.value = value;
                return;
            }
        s.entries.push_back({key, value});
        return;
    }
    sections_.push_back({section, {{key, value}}});
}

void TConfigFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string TConfigFile::Text() const {
    std::string out;
    for (const auto& s : sections_) {
        out += "[" + s.name + "]\n";
        for (const auto& e : s.entries) out += e.key + "=" + e.value + "\n";
        out += "\n";
    }
    return out;
}

void TConfigFile::UpdateFile() const { WriteFileAtomically(path_, Text()); }

}  // namespace kinemo
