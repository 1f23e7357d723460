// Where per-user files live: the settings file, user elements and the temporary folder.
#pragma once

#include <string>

namespace kinemo {

class TSpecialFolder {
public:
    // Reads $XDG_CONFIG_HOME (default $HOME/.config) and $TMPDIR (default /tmp).
    TSpecialFolder();
    // A fixed application data folder (tests, a portable install).
    explicit TSpecialFolder(std::string appDataFolder, std::string tempFolder = "");

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
    // The system temporary folder with a trailing "/".
    const std::string& TempFolder() const { return temp_; }

private:
    std::string appData_;
    std::string temp_;
};

// Creates path and its missing parents; false when that is impossible.
bool ForceDirectories(const std::string& path);

// path with a trailing "/" added when missing.
std::string IncludeTrailingDelimiter(const std::string& path);

}  // namespace kinemo
