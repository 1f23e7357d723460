// Reading and writing the main window's folders and paper size.
#include "base/UserSettings.h"

#include "base/ConfigFile.h"
#include "base/SpecialFolder.h"

namespace kinemo {

TUserSettings TUserSettings::Read(const TSpecialFolder& folders, const std::string& programFolder) {
    TConfigFile ini(folders.SettingsFile());
    TUserSettings s;
    s.SaveFileFolder = ini.ReadString("Dir", "SaveFile", "");
    s.UserFactorFileFolder = ini.ReadString("Dir", "UserFactorFile", "");
    s.UserFactorImageFolder = ini.ReadString("Dir", "UserFactorImage", "");
    s.PaperSize = ini.ReadIntegerStrict("Print", "PaperSize", 0);
    if (s.SaveFileFolder.empty()) s.SaveFileFolder = IncludeTrailingDelimiter(programFolder);
    if (s.UserFactorFileFolder.empty()) s.UserFactorFileFolder = folders.UserFactorFolder();
    if (s.UserFactorImageFolder.empty()) s.UserFactorImageFolder = folders.UserFactorFolder();
    return s;
}

void TUserSettings::Write(const TSpecialFolder& folders) const {
    TConfigFile ini(folders.SettingsFile());
    ini.WriteString("Dir", "SaveFile", SaveFileFolder);
    ini.WriteString("Dir", "UserFactorFile", UserFactorFileFolder);
    ini.WriteString("Dir", "UserFactorImage", UserFactorImageFolder);
    ini.WriteInteger("Print", "PaperSize", PaperSize);
    ini.UpdateFile();
}

}  // namespace kinemo
