// The folders and paper size the main window keeps for the run, read from and written
// to the settings file.
#pragma once

#include "base/RecentProjects.h"
#include "base/WindowPlacement.h"

#include <string>

namespace kinemo {

class TSpecialFolder;

struct TUserSettings {
    std::string SaveFileFolder;
    std::string UserFactorFileFolder;
    std::string UserFactorImageFolder;
    int PaperSize = 0;
    TRecentProjects RecentProjects;
    TWindowPlacement Window;

    // Reads "Dir", "Print", the recent projects and the window placement, and applies the defaults of empty
    // folders: the user's documents folder for SaveFile, the user element folder for the
    // other two. A SaveFile folder that is gone or not writable counts as empty: the
    // dialogs never start where nothing can be saved. A PaperSize that is not an integer
    // raises an error naming the file.
    static TUserSettings Read(const TSpecialFolder& folders);
    // Writes the values and the file.
    void Write(const TSpecialFolder& folders) const;
    // Writes only the recent projects (right after an open or save, so a crash keeps them).
    void WriteRecentProjects(const TSpecialFolder& folders) const;
};

}  // namespace kinemo
