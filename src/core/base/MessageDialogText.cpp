// Message dialog captions, buttons and results; the default error report's text.
#include "base/MessageDialogText.h"

#include "base/CatalogText.h"

namespace kinemo {

namespace {

struct TButtonInfo {
    TMsgDlgButton button;
    const char* key;  // nullptr: the standard text stays
    TModalResult result;
};

// The standard order of the buttons.
constexpr TButtonInfo kButtons[] = {
    {mbYes, "mbYes", mrYes},         {mbNo, "mbNo", mrNo},
    {mbOK, "mbOK", mrOk},            {mbCancel, "mbCancel", mrCancel},
    {mbAbort, "mbAbort", mrAbort},   {mbRetry, "mbRetry", mrRetry},
    {mbIgnore, "mbIgnore", mrIgnore}, {mbAll, "mbAll", mrAll},
    {mbNoToAll, nullptr, mrNoToAll}, {mbYesToAll, nullptr, mrYesToAll},
    {mbHelp, "mbHelp", mrNone},
};

const TButtonInfo& Info(TMsgDlgButton button) {
    for (const auto& b : kButtons)
        if (b.button == button) return b;
    return kButtons[2];
}

std::optional<TMsgDlgButton> FirstOf(unsigned buttons, std::initializer_list<TMsgDlgButton> wanted) {
    for (TMsgDlgButton b : wanted)
        if (buttons & b) return b;
    return std::nullopt;
}

// The last code point of a UTF-8 text.
char32_t LastCodePoint(const std::string& text) {
    size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    const unsigned char lead = static_cast<unsigned char>(text[start]);
    if (lead < 0x80) return lead;
    char32_t cp = lead >= 0xF0 ? (lead & 0x07) : lead >= 0xE0 ? (lead & 0x0F) : (lead & 0x1F);
    for (size_t i = start + 1; i < text.size(); ++i) cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return cp;
}

}  // namespace

TMessageDialogText TMessageDialogText::Read(TCatalogQuery& query) {
    return TMessageDialogText(ReadMessageClass(query, "message_dialog"));
}

std::string TMessageDialogText::Caption(TMsgDlgType type, const std::string& applicationTitle) const {
    switch (type) {
    case TMsgDlgType::Warning: return texts_.Value("mtWarning");
    case TMsgDlgType::Error: return texts_.Value("mtError");
    case TMsgDlgType::Information: return texts_.Value("mtInformation");
    case TMsgDlgType::Confirmation: return texts_.Value("mtConfirmation");
    case TMsgDlgType::Custom: break;
    }
    return applicationTitle;
}

std::optional<std::string> TMessageDialogText::ButtonText(TMsgDlgButton button) const {
    const TButtonInfo& info = Info(button);
    if (!info.key) return std::nullopt;
    return texts_.Value(info.key);
}

std::vector<TMsgDlgButton> DialogButtons(unsigned buttons) {
    std::vector<TMsgDlgButton> out;
    for (const auto& b : kButtons)
        if (buttons & b.button) out.push_back(b.button);
    return out;
}

TModalResult ButtonResult(TMsgDlgButton button) { return Info(button).result; }

std::optional<TMsgDlgButton> DefaultButton(unsigned buttons) { return FirstOf(buttons, {mbOK, mbYes, mbRetry}); }

std::optional<TMsgDlgButton> EscapeButton(unsigned buttons) { return FirstOf(buttons, {mbCancel, mbNo, mbOK}); }

std::string DefaultErrorReportText(const std::string& message) {
    if (message.empty() || LastCodePoint(message) <= U'.') return message;
    return message + ".";
}

}  // namespace kinemo
