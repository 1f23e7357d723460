// The folders and paper size the main window keeps for the run, read from and written
// to the settings file.
#pragma once

#include "base/RecentProjects.h"
#include "base/WindowPlacement.h"

#include <string>
#include <vector>

namespace kinemo {

class TSpecialFolder;

// A value of the settings file that was not valid and the default used instead.
struct TSettingProblem {
    std::string File, Key, Value, Default;
};

struct TUserSettings {
    std::string SaveFileFolder;
    std::string UserFactorFileFolder;
    std::string UserFactorImageFolder;
    int PaperSize = 0;
    TRecentProjects RecentProjects;
    TWindowPlacement Window;
    // Values read that were not valid (their defaults are used); shown once by the caller.
    std::vector<TSettingProblem> Problems;

    // Reads "Dir", "Print", the recent projects and the window placement, and applies the defaults of empty
    // folders: the user's documents folder for SaveFile, the user element folder for the
    // other two. A SaveFile folder that is gone or not writable counts as empty: the
    // dialogs never start where nothing can be saved. A PaperSize that is not an integer
    // from 0 up is read as 0 and listed in Problems.
    static TUserSettings Read(const TSpecialFolder& folders);
    // Writes the values and the file.
    void Write(const TSpecialFolder& folders) const;
    // Writes only the recent projects (right after an open or save, so a crash keeps them).
    void WriteRecentProjects(const TSpecialFolder& folders) const;
};

}  // namespace kinemo
