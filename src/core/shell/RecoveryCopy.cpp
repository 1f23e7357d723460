// Recovery copies of modified projects.
#include "shell/RecoveryCopy.h"

#include "base/AtomicFile.h"
#include "base/SpecialFolder.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>

namespace kinemo {

namespace {

const char* const kPrefix = "recovery-";
const char* const kInfoExtension = ".ini";
const char* const kCopyExtension = ".kjb";

// The value of "key=" in the info text, empty when it has none.
std::string InfoValue(const std::string& text, const std::string& key) {
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t nl = text.find('\n', pos);
        const std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        pos = nl == std::string::npos ? text.size() : nl + 1;
        if (line.compare(0, key.size() + 1, key + "=") == 0) return line.substr(key.size() + 1);
    }
    return {};
}

bool ProcessRuns(long pid) {
    if (pid <= 0 || pid > 0x3fffffff) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// A whole number of the info text; false for anything else.
bool ParseWhole(const std::string& text, long long& out) {
    if (text.empty() || text.size() > 18) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    out = std::atoll(text.c_str());
    return true;
}

}  // namespace

TRecoveryCopy::TRecoveryCopy(std::string folder, int pid) : folder_(IncludeTrailingDelimiter(folder)), pid_(pid) {
    const std::string stem = folder_ + kPrefix + std::to_string(pid_);
    copyFile_ = stem + kCopyExtension;
    infoFile_ = stem + kInfoExtension;
}

void TRecoveryCopy::Keep(bool modified, const std::function<std::string()>& text, const std::string& projectFile,
                         std::time_t now) {
    if (!modified) {
        Remove();
        return;
    }
    // The copy first, then the note that names it: a note always has a whole copy.
    WriteFileAtomically(copyFile_, text());
    WriteFileAtomically(infoFile_, "Pid=" + std::to_string(pid_) + "\nTime=" +
                                       std::to_string(static_cast<long long>(now)) + "\nProject=" + projectFile + "\n");
}

void TRecoveryCopy::Remove() {
    std::remove(infoFile_.c_str());
    std::remove(copyFile_.c_str());
}

std::optional<TRecoverable> TRecoveryCopy::FindLeftBehind() const {
    std::optional<TRecoverable> newest;
    DIR* dir = ::opendir(folder_.c_str());
    if (!dir) return newest;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        const std::string prefix = kPrefix, extension = kInfoExtension;
        if (name.size() <= prefix.size() + extension.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
            continue;
        TRecoverable r;
        r.InfoFile = folder_ + name;
        r.CopyFile = r.InfoFile.substr(0, r.InfoFile.size() - extension.size()) + kCopyExtension;
        std::string info;
        try {
            info = ReadWholeFile(r.InfoFile);
        } catch (const std::exception&) {
            continue;
        }
        long long pid = 0, time = 0;
        if (!ParseWhole(InfoValue(info, "Pid"), pid) || !ParseWhole(InfoValue(info, "Time"), time)) continue;
        // A copy of a run still going (this one or another window) is not left behind.
        if (pid == pid_ || ProcessRuns(static_cast<long>(pid)) || !FileExists(r.CopyFile)) continue;
        r.Time = static_cast<std::time_t>(time);
        r.ProjectFile = InfoValue(info, "Project");
        if (!newest || r.Time > newest->Time) newest = r;
    }
    ::closedir(dir);
    return newest;
}

void TRecoveryCopy::Discard(const TRecoverable& copy) {
    std::remove(copy.InfoFile.c_str());
    std::remove(copy.CopyFile.c_str());
}

}  // namespace kinemo
