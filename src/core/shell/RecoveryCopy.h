// The recovery copy of a modified project: kept in the user's state folder while the
// program runs, offered after a run that ended without removing it (a crash), removed by
// a normal close.
#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace kinemo {

// A copy left by a run that is no longer running.
struct TRecoverable {
    std::string ProjectFile;  // the project it was made of; empty for one never saved
    std::time_t Time = 0;     // when it was written
    std::string CopyFile, InfoFile;
};

class TRecoveryCopy {
public:
    // folder: where copies are kept (the state folder); pid: this run's process.
    explicit TRecoveryCopy(std::string folder, int pid);

    // Keeps the copy in step with the project: a modified project is written (text is
    // asked only then) with its file name and the time; an unmodified one needs no copy,
    // so a copy kept earlier is removed. The copy is written atomically and never at the
    // project's own path. Raises TFileWriteError when it cannot be written.
    void Keep(bool modified, const std::function<std::string()>& text, const std::string& projectFile,
              std::time_t now);
    // A normal close: this run's copy is no longer needed.
    void Remove();

    // The newest copy of a run whose process is gone, none when there is no such copy.
    std::optional<TRecoverable> FindLeftBehind() const;
    // Removes a copy found by FindLeftBehind (restored or declined).
    static void Discard(const TRecoverable& copy);

    const std::string& CopyFile() const { return copyFile_; }

private:
    std::string folder_;
    int pid_;
    std::string copyFile_, infoFile_;
};

}  // namespace kinemo
