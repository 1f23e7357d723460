// Program entry: the application title, the splash window, the main window with its
// start-up, the debug window and the event loop.
#pragma once

#include "shell/FormMain.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class IFileDialogs;
class IUserDialogs;

struct TProgramOptions {
    std::string ProgramFolder;            // the program's folder (catalogs beside it or in ../share/kinemo/)
    std::vector<std::string> Arguments;   // the command line without the program (--catalog PATH chooses the catalog)
    IUserDialogs* Dialogs = nullptr;      // null: the message dialog
    IFileDialogs* FileDialogs = nullptr;  // null: the system's dialogs
    std::optional<TRegistry> Registry;    // none: the user's registry files
    // null: start this program again with the arguments
    std::function<void(const std::vector<std::string>& arguments)> Restart;
    // Called once the event loop runs (tests end the run from here).
    std::function<void(TFormMain&)> Started;
};

// Runs the program; returns the exit code. A catalog that cannot be opened and a refused
// catalog version end the run without a main window.
int RunProgram(TProgramOptions options);

}  // namespace kinemo
