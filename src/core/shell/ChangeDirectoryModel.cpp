// Folder dialog rules.
#include "shell/ChangeDirectoryModel.h"

#include "base/CatalogText.h"
#include "base/SpecialFolder.h"

namespace kinemo {

TChangeDirectoryModel::TChangeDirectoryModel(const TUserSettings& current, TDefaults defaults, TNameValueList texts)
    : folders_{current.SaveFileFolder, current.UserFactorFileFolder, current.UserFactorImageFolder},
      defaults_(std::move(defaults)),
      texts_(std::move(texts)) {}

TNameValueList TChangeDirectoryModel::ReadTexts(TCatalogQuery& query) {
    return ReadMessageClass(query, "form_change_directory");
}

const char* TChangeDirectoryModel::LabelName(TFolder folder) {
    static const char* const names[] = {"LabelDirSaveFile", "LabelDirUserFactorFile", "LabelDirUserFactorImage"};
    return names[folder];
}

const char* TChangeDirectoryModel::ButtonName(TFolder folder) {
    static const char* const names[] = {"ButtonDirSaveFile", "ButtonDirUserFactorFile", "ButtonDirUserFactorImage"};
    return names[folder];
}

const char* TChangeDirectoryModel::EditName(TFolder folder) {
    static const char* const names[] = {"EditDirSaveFile", "EditDirUserFactorFile", "EditDirUserFactorImage"};
    return names[folder];
}

void TChangeDirectoryModel::FolderChosen(TFolder folder, const std::string& path) {
    if (!path.empty()) folders_[folder] = IncludeTrailingDelimiter(path);
}

TUserSettings TChangeDirectoryModel::Accept(const TUserSettings& current) const {
    // An emptied box would otherwise become the file-system root; the settings file
    // treats an empty folder as "use the default", and so does the dialog.
    auto folderOr = [](const std::string& text, const std::string& def) {
        return IncludeTrailingDelimiter(text.empty() ? def : text);
    };
    TUserSettings s = current;
    s.SaveFileFolder = folderOr(folders_[SaveFile], defaults_.SaveFile);
    s.UserFactorFileFolder = folderOr(folders_[UserFactorFile], defaults_.UserFactor);
    s.UserFactorImageFolder = folderOr(folders_[UserFactorImage], defaults_.UserFactor);
    return s;
}

}  // namespace kinemo
