// INI files standing in for the registry.
#include "base/Registry.h"

#include "base/AtomicFile.h"
#include "base/NameValueList.h"
#include "base/SpecialFolder.h"

#include <cstdlib>
#include <exception>

namespace kinemo {

namespace {

std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

// Values may be written in quotes, as registry exports write them.
std::string Unquote(const std::string& s) {
    return s.size() >= 2 && s.front() == '"' && s.back() == '"' ? s.substr(1, s.size() - 2) : s;
}

std::string NormalisePath(const std::string& path) {
    std::string p;
    for (char c : path) p.push_back(c == '/' ? '\\' : c);
    const size_t b = p.find_first_not_of('\\');
    if (b == std::string::npos) return {};
    return p.substr(b, p.find_last_not_of('\\') - b + 1);
}

std::string ValueName(const std::string& name) { return name.empty() ? "@" : name; }

}  // namespace

TRegistry::TRegistry(const std::vector<std::string>& files) {
    for (const auto& f : files) ReadFile(f);
}

std::vector<std::string> TRegistry::UserFiles(const TSpecialFolder& folders, const std::string& programFolder) {
    std::vector<std::string> files{folders.AppDataFolder() + "Kinemo/registry.ini"};
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string list = dirs && *dirs ? dirs : "/etc/xdg";
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t colon = list.find(':', pos);
        std::string dir = list.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos);
        if (!dir.empty()) files.push_back(IncludeTrailingDelimiter(dir) + "Kinemo/registry.ini");
        if (colon == std::string::npos) break;
        pos = colon + 1;
    }
    if (!programFolder.empty()) files.push_back(IncludeTrailingDelimiter(programFolder) + "registry.ini");
    return files;
}

TRegistry TRegistry::ForUser(const TSpecialFolder& folders, const std::string& programFolder) {
    return TRegistry(UserFiles(folders, programFolder));
}

void TRegistry::ReadFile(const std::string& path) {
    if (!FileExists(path)) return;
    std::string text;
    try {
        text = ReadWholeFile(path);
    } catch (const std::exception&) {
        return;  // an unreadable file is a registry without these keys
    }
    // Keys already answered by an earlier file are not looked up here again.
    const size_t earlier = keys_.size();
    Key* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        std::string line = Trim(text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos));
        pos = nl == std::string::npos ? text.size() : nl + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string keyPath = NormalisePath(Trim(line.substr(1, line.size() - 2)));
            current = nullptr;
            bool shadowed = false;
            for (size_t i = 0; i < earlier; ++i) shadowed = shadowed || SameText(keys_[i].path, keyPath);
            if (keyPath.empty() || shadowed) continue;
            for (size_t i = earlier; i < keys_.size() && !current; ++i)
                if (SameText(keys_[i].path, keyPath)) current = &keys_[i];
            if (!current) current = &keys_.emplace_back(Key{keyPath, {}});
            continue;
        }
        const size_t eq = line.find('=');
        if (!current || eq == std::string::npos || eq == 0) continue;
        current->values.push_back({Unquote(Trim(line.substr(0, eq))), Unquote(Trim(line.substr(eq + 1)))});
    }
}

const TRegistry::Key* TRegistry::FindKey(const std::string& keyPath) const {
    const std::string p = NormalisePath(keyPath);
    if (p.empty()) return nullptr;
    for (const auto& k : keys_)
        if (SameText(k.path, p)) return &k;
    return nullptr;
}

bool TRegistry::KeyExists(const std::string& keyPath) const { return FindKey(keyPath) != nullptr; }

std::optional<std::string> TRegistry::ReadString(const std::string& keyPath, const std::string& name) const {
    const Key* k = FindKey(keyPath);
    if (!k) return std::nullopt;
    std::optional<std::string> found;
    for (const auto& v : k->values)  // a later line for the same name wins, as in the settings file
        if (SameText(v.name, ValueName(name))) found = v.text;
    return found;
}

}  // namespace kinemo
