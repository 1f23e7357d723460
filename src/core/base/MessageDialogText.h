// The rules of the one message dialog: captions by dialog type and button texts from the
// catalog, the standard button order, result codes, and the default error report's text.
#pragma once

#include "base/NameValueList.h"
#include "base/UserDialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

class TMessageDialogText {
public:
    TMessageDialogText() = default;
    explicit TMessageDialogText(TNameValueList texts) : texts_(std::move(texts)) {}
    // s_message class "message_dialog".
    static TMessageDialogText Read(TCatalogQuery& query);

    // "mtWarning" … "mtConfirmation" (empty when missing); a custom dialog keeps the
    // application title.
    std::string Caption(TMsgDlgType type, const std::string& applicationTitle) const;
    // "mb" + the button's name; none for NoToAll and YesToAll, which keep their standard texts.
    std::optional<std::string> ButtonText(TMsgDlgButton button) const;

private:
    TNameValueList texts_;
};

// The buttons of a set, in the standard order Yes, No, OK, Cancel, Abort, Retry, Ignore,
// All, NoToAll, YesToAll, Help.
std::vector<TMsgDlgButton> DialogButtons(unsigned buttons);
// What pressing a button returns; Help returns mrNone (it closes nothing by itself).
TModalResult ButtonResult(TMsgDlgButton button);
// The button Enter presses: OK, else Yes, else Retry; none when the set has none of them.
std::optional<TMsgDlgButton> DefaultButton(unsigned buttons);
// The button Escape presses: Cancel, else No, else OK.
std::optional<TMsgDlgButton> EscapeButton(unsigned buttons);

// The default error report's text: a "." is appended when the text is not empty and its
// last character sorts above "." in code order.
std::string DefaultErrorReportText(const std::string& message);

}  // namespace kinemo
