// libFuzzer target: arbitrary bytes as the settings file, read as the program reads it at
// start-up, then written back with the read values and read again: the values survive.
#include "FuzzSupport.h"

#include "base/ConfigFile.h"
#include "base/KinemoError.h"
#include "base/SpecialFolder.h"
#include "base/UserSettings.h"
#include "base/WindowPlacement.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace kinemo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TSpecialFolder folders(fuzz::ScratchFolder() + "/cfg/");
    const std::string path = folders.SettingsFile();
    fuzz::WriteBytes(path, data, size);
    TUserSettings settings;
    try {
        settings = TUserSettings::Read(folders);
    } catch (const TKinemoError&) {
        return 0;
    }
    // The window's place from the file, brought onto two screens: numbers near the end of
    // int must not overflow on the way, and the place ends inside one of the screens.
    if (settings.Window.Normal) {
        const std::vector<TScreenRect> screens = {{0, 0, 1920, 1040}, {-1280, 200, 1280, 984}};
        const TScreenRect r = PlaceWithinScreens(*settings.Window.Normal, screens, 640, 480);
        bool inside = false;
        for (const TScreenRect& s : screens)
            inside = inside || (r.Left >= s.Left && r.Top >= s.Top && r.Right() <= s.Right() && r.Bottom() <= s.Bottom());
        if (!inside) {
            std::fprintf(stderr, "The window was placed outside every screen\n");
            std::abort();
        }
    }
    for (const auto& [name, sizes] : settings.Window.Splitters) {
        long long total = 0;
        for (int size : sizes) total += size;  // what the splitter adds up
        if (total < 0) std::abort();
    }
    // The file as the program writes it: every other line kept, the four values replaced.
    settings.Write(folders);
    const TUserSettings again = TUserSettings::Read(folders);
    if (again.SaveFileFolder != settings.SaveFileFolder || again.UserFactorFileFolder != settings.UserFactorFileFolder ||
        again.UserFactorImageFolder != settings.UserFactorImageFolder || again.PaperSize != settings.PaperSize) {
        std::fprintf(stderr, "The settings written do not read back the same\n");
        std::abort();
    }
    const TConfigFile written(path);
    if (TConfigFile(path).Text() != written.Text()) std::abort();
    return 0;
}
