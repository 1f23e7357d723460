// Where per-user files live: the settings file, user elements and the temporary folder.
#pragma once

#include <string>

namespace kinemo {

class TSpecialFolder {
public:
    // Reads $XDG_CONFIG_HOME (default $HOME/.config), $XDG_STATE_HOME (default
    // $HOME/.local/state) and $TMPDIR (default /tmp).
    TSpecialFolder();
    // A fixed application data folder (tests, a portable install); an empty home folder
    // reads $HOME.
    explicit TSpecialFolder(std::string appDataFolder, std::string tempFolder = "", std::string homeFolder = "");

    // The per-user application data folder, with a trailing "/".
    const std::string& AppDataFolder() const { return appData_; }
    // AppDataFolder + "Kinemo/custom_factor/"; created with its parents on every request.
    // Raises "Can not create folder." + path when it cannot be created.
    std::string UserFactorFolder() const;
    // AppDataFolder + "Kinemo/custom_motor/": the user's motor data sheets; created like
    // UserFactorFolder.
    std::string UserMotorFolder() const;
    // The settings file inside UserFactorFolder.
    std::string SettingsFile() const;
    // The user's state folder + "Kinemo/" ($XDG_STATE_HOME, default ~/.local/state; the
    // application data folder of a fixed one), created readable by the user only on every
    // request. Raises "Can not create folder." + path when it cannot be created.
    std::string StateFolder() const;
    // The system temporary folder with a trailing "/".
    const std::string& TempFolder() const { return temp_; }
    // The user's home folder with a trailing "/" (empty when $HOME is not set).
    const std::string& HomeFolder() const { return home_; }
    // Where projects go by default: XDG_DOCUMENTS_DIR of the user's "user-dirs.dirs" in
    // AppDataFolder, created on first use; the home folder when that is not set or
    // cannot be created or written. Always with a trailing "/".
    std::string DocumentsFolder() const;

private:
    std::string appData_;
    std::string state_;
    std::string temp_;
    std::string home_;
};

// The XDG_DOCUMENTS_DIR line of a "user-dirs.dirs" text, with "$HOME" replaced by home;
// empty when the text has none or names a relative path.
std::string ParseDocumentsDir(const std::string& userDirsText, const std::string& home);

// An existing folder the user may write into.
bool IsWritableFolder(const std::string& path);

// Creates path and its missing parents; false when that is impossible.
bool ForceDirectories(const std::string& path);

// path with a trailing "/" added when missing.
std::string IncludeTrailingDelimiter(const std::string& path);

}  // namespace kinemo
