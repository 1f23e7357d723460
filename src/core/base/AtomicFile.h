// Writes a file through a temporary file in the same folder and a rename, so a crash or
// a full disk never leaves a half-written target behind.
#pragma once

#include "base/KinemoError.h"

#include <functional>
#include <string>

namespace kinemo {

class TErrorMessage;

// The steps of an atomic write, in order.
enum class TWriteStep { Create, Write, Flush, Rename };

// A write that failed: the target, the step and the system's error number. The target is
// untouched and no temporary file is left behind.
class TFileWriteError : public TKinemoError {
public:
    TFileWriteError(std::string path, TWriteStep step, int error);
    const std::string& Path() const { return path_; }
    TWriteStep Step() const { return step_; }
    int Error() const { return error_; }

private:
    std::string path_;
    TWriteStep step_;
    int error_;
};

// Raises TFileWriteError when the file cannot be written. An existing file the user may
// not write (or that nobody may write) is refused (EACCES at Create); a symbolic link is
// followed and its target replaced; a file with other hard links is written in place so
// that every name still shows it. The new bytes are written to an unnamed file that gets
// its temporary name only for the rename, and temporary files of the same target left by
// a killed save are removed first.
void WriteFileAtomically(const std::string& path, const std::string& bytes);
// The same, with the failure told in the catalog's words: "FileNotWrittenDiskFull" for a
// full disk, "FileNotWrittenReadOnly" for a folder or file the user may not write, else
// "FileNotWritten" with the system's reason (TFormatErrorMessageException, path first).
void WriteFileAtomically(const std::string& path, const std::string& bytes, const TErrorMessage& errors);
// The catalog's words for a failed write, as above.
std::string FileWriteErrorText(const TFileWriteError& error, const TErrorMessage& errors);

// A test seam in the writer itself: while a fault is set on this thread, the hook is asked
// before each step of every write; a non-zero answer makes the step fail with that system
// error number, as the system would (a short write for Write). The hook may also stop
// the process there, to test a crash in the middle of a save.
class TWriteFault {
public:
    using THook = std::function<int(TWriteStep step, const std::string& path)>;
    explicit TWriteFault(THook hook);
    // The step given fails with error on every write.
    TWriteFault(TWriteStep step, int error);
    ~TWriteFault();
    TWriteFault(const TWriteFault&) = delete;
    TWriteFault& operator=(const TWriteFault&) = delete;

private:
    THook hook_;
    TWriteFault* previous_;
};

// The whole file as bytes; raises TKinemoError naming the path when it cannot be read.
std::string ReadWholeFile(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

}  // namespace kinemo
