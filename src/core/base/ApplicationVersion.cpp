// Version texts and checks.
#include "base/ApplicationVersion.h"

#include "BuildVersion.h"
#include "base/CatalogText.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"

namespace kinemo {

std::string ApplicationVersionText() { return KINEMO_VERSION_TEXT; }

namespace {

// Takes the component before the first "." off text; empty when no "." is left.
std::string TakeComponent(std::string& text) {
    size_t dot = text.find('.');
    if (dot == std::string::npos) {
        text.clear();
        return {};
    }
    std::string c = text.substr(0, dot);
    text.erase(0, dot + 1);
    return c;
}

}  // namespace

int VersionMismatchLevel(const std::string& own, const std::string& other) {
    std::string a = own, b = other;
    for (int level = 1; level <= 3; ++level) {
        std::string ca = TakeComponent(a), cb = TakeComponent(b);
        if (ca.empty() || cb.empty() || ca != cb) return level;
    }
    return 0;
}

bool CheckVersion(const std::string& own, const std::string& other, const std::string& key,
                  const std::optional<std::string>& formatArgument, TCatalogQuery& query, IUserDialogs& dialogs) {
    const int level = VersionMismatchLevel(own, other);
    if (level == 0) return true;
    std::string text = ReadMessageText(query, "main_window", key + "_" + std::to_string(level));
    if (formatArgument) {
        try {
            text = FormatText(text, {*formatArgument});
        } catch (const std::exception&) {
            // A text without a fitting directive is shown as it stands.
        }
    }
    if (level < 3) {
        dialogs.ShowMessageDialog(text, TMsgDlgType::Confirmation, mbOK);
        return false;
    }
    return dialogs.ShowMessageDialog(text, TMsgDlgType::Confirmation, mbYes | mbNo) == mrYes;
}

bool CheckApplicationVersion(const std::string& applicationVersion, const std::string& other,
                             const std::string& keyStem, const std::optional<std::string>& formatArgument,
                             TCatalogQuery& query, IUserDialogs& dialogs) {
    return CheckVersion(applicationVersion, other, keyStem + "_Application", formatArgument, query, dialogs);
}

bool CheckMdbVersion(const std::string& mdbVersion, const std::string& other, const std::string& keyStem,
                     const std::optional<std::string>& formatArgument, TCatalogQuery& query,
                     IUserDialogs& dialogs) {
    return CheckVersion(mdbVersion, other, keyStem + "_Mdb", formatArgument, query, dialogs);
}

}  // namespace kinemo
