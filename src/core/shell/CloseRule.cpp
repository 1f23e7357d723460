// The close rule of the main window.
#include "shell/CloseRule.h"

#include "base/MessageDialogText.h"
#include "base/UserDialogs.h"

#include <exception>

namespace kinemo {

bool ConfirmClose(const std::function<void()>& writeSettings, const std::string& question, IUserDialogs& dialogs,
                  const std::function<bool()>& saveAs) {
    try {
        writeSettings();
    } catch (const std::exception& e) {
        dialogs.ShowMessageDialog(DefaultErrorReportText(e.what()), TMsgDlgType::Error, mbOK);
    }
    return AskToSave(question, dialogs, saveAs);
}

bool AskToSave(const std::string& question, IUserDialogs& dialogs, const std::function<bool()>& saveAs) {
    if (question.empty()) return true;
    switch (dialogs.ShowMessageDialog(question, TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel)) {
    case mrNo: return true;
    case mrYes: return saveAs();
    default: return false;  // Cancel, or the dialog closed without an answer
    }
}

}  // namespace kinemo
