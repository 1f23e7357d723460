// libFuzzer target: arbitrary bytes as the settings file, read as the program reads it at
// start-up, then written back with the read values and read again: the values survive.
#include "FuzzSupport.h"

#include "base/ConfigFile.h"
#include "base/KinemoError.h"
#include "base/SpecialFolder.h"
#include "base/UserSettings.h"

#include <cstdio>
#include <cstdlib>

using namespace kinemo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TSpecialFolder folders(fuzz::ScratchFolder() + "/cfg/");
    const std::string path = folders.SettingsFile();
    fuzz::WriteBytes(path, data, size);
    TUserSettings settings;
    try {
        settings = TUserSettings::Read(folders, "/opt/kinemo");
    } catch (const TKinemoError&) {
        return 0;
    }
    // The file as the program writes it: every other line kept, the four values replaced.
    settings.Write(folders);
    const TUserSettings again = TUserSettings::Read(folders, "/opt/kinemo");
    if (again.SaveFileFolder != settings.SaveFileFolder || again.UserFactorFileFolder != settings.UserFactorFileFolder ||
        again.UserFactorImageFolder != settings.UserFactorImageFolder || again.PaperSize != settings.PaperSize) {
        std::fprintf(stderr, "The settings written do not read back the same\n");
        std::abort();
    }
    const TConfigFile written(path);
    if (TConfigFile(path).Text() != written.Text()) std::abort();
    return 0;
}
