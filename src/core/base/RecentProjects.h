// The projects opened or saved last, newest first, as the File menu lists them and the
// settings file keeps them.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

class TConfigFile;

class TRecentProjects {
public:
    static constexpr int kMaxCount = 8;
    static constexpr const char* kSection = "RecentProjects";

    const std::vector<std::string>& Files() const { return files_; }
    bool Empty() const { return files_.empty(); }

    // path goes to the top; an earlier entry of the same path goes, the ninth drops off.
    void Add(const std::string& path);
    // False when path was not in the list.
    bool Remove(const std::string& path);

    // Keys "File1" to "File8" of section "RecentProjects"; empty and repeated entries
    // are skipped, relative paths too (the list is only ever written with absolute ones).
    static TRecentProjects Read(const TConfigFile& ini);
    void Write(TConfigFile& ini) const;

    // The menu text of entry index (0-based): format with the number and the path (the
    // path alone without a format), the home folder shown as "~".
    std::string MenuText(size_t index, const std::string& format, const std::string& homeFolder) const;

private:
    std::vector<std::string> files_;
};

}  // namespace kinemo
