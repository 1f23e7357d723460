// The folders and paper size the main window keeps for the run, read from and written
// to the settings file.
#pragma once

#include <string>

namespace kinemo {

class TSpecialFolder;

struct TUserSettings {
    std::string SaveFileFolder;
    std::string UserFactorFileFolder;
    std::string UserFactorImageFolder;
    int PaperSize = 0;

    // Reads "Dir" and "Print" and applies the defaults of empty folders: the program
    // folder for SaveFile, the user element folder for the other two. A PaperSize that
    // is not an integer raises an error naming the file.
    static TUserSettings Read(const TSpecialFolder& folders, const std::string& programFolder);
    // Writes the four values and the file.
    void Write(const TSpecialFolder& folders) const;
};

}  // namespace kinemo
