// The folder dialog's rules: the three folders it edits, the browser results, and what
// OK hands back to the main window.
#pragma once

#include "base/NameValueList.h"
#include "base/UserSettings.h"

#include <array>
#include <string>

namespace kinemo {

class TCatalogQuery;

class TChangeDirectoryModel {
public:
    enum TFolder { SaveFile, UserFactorFile, UserFactorImage };
    static constexpr int kFolderCount = 3;

    // Where an emptied box leads: the documents folder for project files, the user
    // element folder for the other two.
    struct TDefaults {
        std::string SaveFile;
        std::string UserFactor;
    };

    TChangeDirectoryModel(const TUserSettings& current, TDefaults defaults, TNameValueList texts);
    // s_message class "form_change_directory".
    static TNameValueList ReadTexts(TCatalogQuery& query);

    // The catalog text of a control name (empty when missing).
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    // Control names of the labels, buttons and edit boxes of each folder.
    static const char* LabelName(TFolder folder);
    static const char* ButtonName(TFolder folder);
    static const char* EditName(TFolder folder);

    const std::string& Folder(TFolder folder) const { return folders_[folder]; }
    // The user typed into a box.
    void SetFolder(TFolder folder, const std::string& text) { folders_[folder] = text; }
    // The folder browser returned a folder: it goes into the box with a trailing "/".
    void FolderChosen(TFolder folder, const std::string& path);

    // OK: current with the three folders replaced, each with a trailing "/"; an emptied
    // box gives its default folder. Nothing is checked for existence.
    TUserSettings Accept(const TUserSettings& current) const;

private:
    std::array<std::string, kFolderCount> folders_;
    TDefaults defaults_;
    TNameValueList texts_;
};

}  // namespace kinemo
