// The one modal message dialog: catalog captions and button texts, buttons in the
// standard order, the stated result codes.
#pragma once

#include "base/MessageDialogText.h"
#include "base/UserDialogs.h"

#include <QString>

#include <memory>

class QAbstractButton;
class QMessageBox;

namespace kinemo {

class TMessageDialog : public IUserDialogs {
public:
    // The texts of s_message class "message_dialog"; kept for the run.
    void SetTexts(TMessageDialogText texts) { texts_ = std::move(texts); }
    void SetInterfaceFont(const std::string& fontName) { fontName_ = fontName; }

    // The dialog as it will be shown, not yet shown (tests and screenshots look at it).
    std::unique_ptr<QMessageBox> Build(const std::string& text, TMsgDlgType type, unsigned buttons) const;
    // The result code of the button that closed a built dialog; mrNone when none did.
    static int Result(const QMessageBox& box);

    int ShowMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) override;

private:
    TMessageDialogText texts_;
    std::string fontName_;
};

}  // namespace kinemo
