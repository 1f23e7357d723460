// Per-user folders.
#include "base/SpecialFolder.h"

#include "base/AtomicFile.h"
#include "base/KinemoError.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace kinemo {

namespace {

const char* kApplicationTitle = "Kinemo";
const char* kSettingsFileName = "kinemo.ini";

std::string EnvOr(const char* name, const std::string& def) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : def;
}

}  // namespace

std::string IncludeTrailingDelimiter(const std::string& path) {
    return !path.empty() && path.back() == '/' ? path : path + "/";
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) return false;
    if (DirectoryExists(path)) return true;
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    size_t slash = p.rfind('/');
    if (slash != std::string::npos && slash > 0 && !ForceDirectories(p.substr(0, slash))) return false;
    return ::mkdir(p.c_str(), 0755) == 0 || (errno == EEXIST && DirectoryExists(p));
}

TSpecialFolder::TSpecialFolder() {
    std::string home = EnvOr("HOME", "");
    if (home.empty() && !std::getenv("XDG_CONFIG_HOME"))
        throw TKinemoError("The per-user application data folder can not be determined: neither "
                           "XDG_CONFIG_HOME nor HOME is set.");
    appData_ = IncludeTrailingDelimiter(EnvOr("XDG_CONFIG_HOME", home + "/.config"));
    state_ = IncludeTrailingDelimiter(
        EnvOr("XDG_STATE_HOME", home.empty() ? appData_ + "state" : home + "/.local/state"));
    temp_ = IncludeTrailingDelimiter(EnvOr("TMPDIR", "/tmp"));
    home_ = home.empty() ? std::string() : IncludeTrailingDelimiter(home);
}

TSpecialFolder::TSpecialFolder(std::string appDataFolder, std::string tempFolder, std::string homeFolder)
    : appData_(IncludeTrailingDelimiter(appDataFolder)),
      state_(appData_),
      temp_(IncludeTrailingDelimiter(tempFolder.empty() ? EnvOr("TMPDIR", "/tmp") : tempFolder)) {
    const std::string home = homeFolder.empty() ? EnvOr("HOME", "") : homeFolder;
    home_ = home.empty() ? std::string() : IncludeTrailingDelimiter(home);
}

std::string TSpecialFolder::UserFactorFolder() const {
    std::string folder = appData_ + kApplicationTitle + "/custom_factor/";
    if (!ForceDirectories(folder)) throw TKinemoError("Can not create folder." + folder);
    return folder;
}

std::string TSpecialFolder::UserMotorFolder() const {
    std::string folder = appData_ + kApplicationTitle + "/custom_motor/";
    if (!ForceDirectories(folder)) throw TKinemoError("Can not create folder." + folder);
    return folder;
}

std::string TSpecialFolder::StateFolder() const {
    std::string folder = state_ + kApplicationTitle + "/";
    if (!ForceDirectories(folder)) throw TKinemoError("Can not create folder." + folder);
    // It holds copies of the user's projects.
    ::chmod(folder.c_str(), 0700);
    return folder;
}

std::string TSpecialFolder::SettingsFile() const { return UserFactorFolder() + kSettingsFileName; }

std::string TSpecialFolder::DocumentsFolder() const {
    const std::string userDirs = appData_ + "user-dirs.dirs";
    std::string home = home_;
    while (home.size() > 1 && home.back() == '/') home.pop_back();
    if (FileExists(userDirs)) {
        const std::string documents = ParseDocumentsDir(ReadWholeFile(userDirs), home);
        // A documents folder that cannot be made or written is no place to save a project.
        if (!documents.empty() && ForceDirectories(documents) && IsWritableFolder(documents))
            return IncludeTrailingDelimiter(documents);
    }
    return home_;
}

std::string ParseDocumentsDir(const std::string& text, const std::string& home) {
    const std::string key = "XDG_DOCUMENTS_DIR";
    std::string found;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        pos = nl == std::string::npos ? text.size() : nl + 1;
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#' || line.compare(start, key.size(), key) != 0) continue;
        size_t eq = line.find_first_not_of(" \t", start + key.size());
        if (eq == std::string::npos || line[eq] != '=') continue;
        std::string value = line.substr(eq + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t')) value.pop_back();
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.erase(0, 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        // The file's own rule: a path is "$HOME/..." or absolute; the last line wins.
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
            found = home.empty() ? std::string() : home + value.substr(5);
        else if (!value.empty() && value.front() == '/')
            found = value;
        else
            found.clear();
    }
    while (found.size() > 1 && found.back() == '/') found.pop_back();
    return found;
}

bool IsWritableFolder(const std::string& path) {
    return !path.empty() && DirectoryExists(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

}  // namespace kinemo
