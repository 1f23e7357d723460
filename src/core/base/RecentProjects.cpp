// The recent-projects list.
#include "base/RecentProjects.h"

#include "base/ConfigFile.h"
#include "base/TextFormat.h"

#include <algorithm>

namespace kinemo {

namespace {

std::string Key(int number) { return "File" + std::to_string(number); }

}  // namespace

void TRecentProjects::Add(const std::string& path) {
    if (path.empty()) return;
    Remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > static_cast<size_t>(kMaxCount)) files_.resize(kMaxCount);
}

bool TRecentProjects::Remove(const std::string& path) {
    auto it = std::find(files_.begin(), files_.end(), path);
    if (it == files_.end()) return false;
    files_.erase(it);
    return true;
}

TRecentProjects TRecentProjects::Read(const TConfigFile& ini) {
    TRecentProjects r;
    for (int n = 1; n <= kMaxCount; ++n) {
        const std::string path = ini.ReadString(kSection, Key(n), "");
        if (path.empty() || path.front() != '/') continue;
        if (std::find(r.files_.begin(), r.files_.end(), path) == r.files_.end()) r.files_.push_back(path);
    }
    return r;
}

void TRecentProjects::Write(TConfigFile& ini) const {
    // Every key is written, so a shorter list leaves no stale entry behind.
    for (int n = 1; n <= kMaxCount; ++n)
        ini.WriteString(kSection, Key(n), static_cast<size_t>(n) <= files_.size() ? files_[n - 1] : std::string());
}

std::string TRecentProjects::MenuText(size_t index, const std::string& format, const std::string& homeFolder) const {
    if (index >= files_.size()) return {};
    std::string path = files_[index];
    if (!homeFolder.empty() && homeFolder.back() == '/' && path.rfind(homeFolder, 0) == 0)
        path = "~/" + path.substr(homeFolder.size());
    // A "&" of the path would turn the next letter into a mnemonic.
    std::string shown;
    for (char c : path) shown += c == '&' ? std::string("&&") : std::string(1, c);
    if (format.empty()) return shown;
    return FormatText(format, {static_cast<long long>(index + 1), shown});
}

}  // namespace kinemo
