// What a close request of the main window does: the settings are written first, then the
// save question decides whether the window closes.
#pragma once

#include <functional>
#include <string>

namespace kinemo {

class IUserDialogs;

// writeSettings runs first; when it fails its error is shown and the close goes on, so
// a broken settings folder never traps the user in the program. An empty question
// closes at once; otherwise Yes/No/Cancel: Cancel keeps the window, No closes, Yes runs
// saveAs and closes only when it saved. Returns whether the window may close.
bool ConfirmClose(const std::function<void()>& writeSettings, const std::string& question, IUserDialogs& dialogs,
                  const std::function<bool()>& saveAs);

// The save question alone: an empty question goes on at once; Yes goes on only when saveAs
// saved, No goes on, Cancel (or no answer) does not.
bool AskToSave(const std::string& question, IUserDialogs& dialogs, const std::function<bool()>& saveAs);

}  // namespace kinemo
