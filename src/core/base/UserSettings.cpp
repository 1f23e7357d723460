// Reading and writing the user's settings: folders, paper size, recent projects, window placement.
#include "base/UserSettings.h"

#include "base/ConfigFile.h"
#include "base/SpecialFolder.h"

namespace kinemo {

TUserSettings TUserSettings::Read(const TSpecialFolder& folders) {
    TConfigFile ini(folders.SettingsFile());
    TUserSettings s;
    s.SaveFileFolder = ini.ReadString("Dir", "SaveFile", "");
    s.UserFactorFileFolder = ini.ReadString("Dir", "UserFactorFile", "");
    s.UserFactorImageFolder = ini.ReadString("Dir", "UserFactorImage", "");
    // A value that is not one falls back to its default, named, rather than stop the start.
    const std::string paper = ini.ReadString("Print", "PaperSize", "");
    s.PaperSize = paper.empty() ? 0 : ini.ReadInteger("Print", "PaperSize", -1);
    if (s.PaperSize < 0) {
        s.Problems.push_back({folders.SettingsFile(), "PaperSize", paper, "0"});
        s.PaperSize = 0;
    }
    s.RecentProjects = TRecentProjects::Read(ini);
    s.Window = TWindowPlacement::Read(ini);
    if (!IsWritableFolder(s.SaveFileFolder)) s.SaveFileFolder = folders.DocumentsFolder();
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
    RecentProjects.Write(ini);
    Window.Write(ini);
    ini.UpdateFile();
}

void TUserSettings::WriteRecentProjects(const TSpecialFolder& folders) const {
    TConfigFile ini(folders.SettingsFile());
    RecentProjects.Write(ini);
    ini.UpdateFile();
}

}  // namespace kinemo
