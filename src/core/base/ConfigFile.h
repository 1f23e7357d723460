// The per-user settings file: an INI file read whole, changed in memory, written on request.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

class TConfigFile {
public:
    // Reads the file when it exists; a missing file is an empty settings file.
    // Lines that are neither "[section]", "name=value" nor comments are ignored.
    explicit TConfigFile(std::string path);

    const std::string& Path() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Missing key: def. A value that is not an integer: def as well.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // Missing key: def. A value that is not an integer raises TKinemoError naming the
    // file, the key and the value.
    int ReadIntegerStrict(const std::string& section, const std::string& key, int def) const;
    bool HasKey(const std::string& section, const std::string& key) const;
    // The keys of a section in file order (none when it is missing).
    std::vector<std::string> Keys(const std::string& section) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);

    // Writes the file to disk atomically.
    void UpdateFile() const;
    std::string Text() const;

private:
    struct Entry {
        std::string key, value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Entry* Find(const std::string& section, const std::string& key) const;

    std::string path_;
    std::vector<Section> sections_;
};

}  // namespace kinemo
