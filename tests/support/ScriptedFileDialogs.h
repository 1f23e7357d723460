// File and folder dialogs that answer from a script and record what they were asked.
#pragma once

#include "base/FileDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kinemo::test {

class TScriptedFileDialogs : public IFileDialogs {
public:
    // Answers in order; an empty script answers "cancelled".
    std::deque<std::optional<std::string>> openNames, saveNames, folders;
    std::vector<TFileDialogRequest> openRequests, saveRequests;
    std::vector<std::string> folderTitles;

    std::optional<std::string> OpenFileName(const TFileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next(openNames);
    }
    std::optional<std::string> SaveFileName(const TFileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveNames);
    }
    std::optional<std::string> FolderName(const std::string& title, const std::string&) override {
        folderTitles.push_back(title);
        return Next(folders);
    }

private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& script) {
        if (script.empty()) return std::nullopt;
        auto v = script.front();
        script.pop_front();
        return v;
    }
};

}  // namespace kinemo::test
