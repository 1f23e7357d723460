// The read-only stand-in for the per-user registry: INI files whose sections are key
// paths ("Software\Vendor\Program") and whose "@" entry is a key's default value.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TSpecialFolder;

class TRegistry {
public:
    TRegistry() = default;
    // The files are searched in order; the first that holds a key answers for it.
    // Missing or unreadable files count as empty.
    explicit TRegistry(const std::vector<std::string>& files);
    // "registry.ini" in the per-user folder (application data + "Kinemo/"), then in each
    // folder of $XDG_CONFIG_DIRS (default /etc/xdg) + "/Kinemo/", then - the defaults the
    // program is installed with - in programFolder when given.
    static TRegistry ForUser(const TSpecialFolder& folders, const std::string& programFolder = "");
    static std::vector<std::string> UserFiles(const TSpecialFolder& folders, const std::string& programFolder = "");

    // Key paths compare without regard to case, with "/" read as "\" and outer
    // delimiters ignored; an empty path names no key.
    bool KeyExists(const std::string& keyPath) const;
    // A text value of a key; name "" or "@" is the default value. None when the key or
    // the value is missing.
    std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) const;

private:
    struct Value {
        std::string name, text;
    };
    struct Key {
        std::string path;  // normalised
        std::vector<Value> values;
    };
    const Key* FindKey(const std::string& keyPath) const;
    void ReadFile(const std::string& path);

    std::vector<Key> keys_;
};

}  // namespace kinemo
