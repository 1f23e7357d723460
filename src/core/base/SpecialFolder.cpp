// Per-user folders.
#include "base/SpecialFolder.h"

#include "base/AtomicFile.h"
#include "base/KinemoError.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

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
    temp_ = IncludeTrailingDelimiter(EnvOr("TMPDIR", "/tmp"));
}

TSpecialFolder::TSpecialFolder(std::string appDataFolder, std::string tempFolder)
    : appData_(IncludeTrailingDelimiter(appDataFolder)),
      temp_(IncludeTrailingDelimiter(tempFolder.empty() ? EnvOr("TMPDIR", "/tmp") : tempFolder)) {}

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

std::string TSpecialFolder::SettingsFile() const { return UserFactorFolder() + kSettingsFileName; }

}  // namespace kinemo
