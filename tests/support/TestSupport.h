// Shared test helpers: temporary folders, small fixture catalogs, scripted dialogs.
#pragma once

#include "base/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace kinemo::test {

// A fresh folder under the system temporary folder, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The minimal tables every catalog has (s_config, m_db_version, s_message).
extern const char* const kMinimalSchema;

// Builds an SQLite catalog at path from SQL text; fails the test on SQL errors.
void MakeCatalog(const std::string& path, const std::string& sql);
// Runs SQL on an existing catalog file in one transaction; raises on SQL errors.
void ApplyCatalogSql(const std::string& path, const std::string& sql);

// Writes text to a file (test fixture files).
void WriteFile(const std::string& path, const std::string& text);

// The sample catalog built beside the executables.
std::string SampleCatalogPath();

struct RecordedMessage {
    std::string text;
    TMsgDlgType type;
    unsigned buttons;
};

// Records every message; answers from a script, else the first of Yes, OK.
class TRecordingDialogs : public IUserDialogs {
public:
    std::vector<RecordedMessage> messages;
    std::deque<int> answers;

    int ShowMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) override {
        messages.push_back({text, type, buttons});
        if (!answers.empty()) {
            int a = answers.front();
            answers.pop_front();
            return a;
        }
        return (buttons & mbYes) ? mrYes : mrOk;
    }
};

}  // namespace kinemo::test
