// Sizes beyond which a file from others is refused before it is parsed, and the reader
// that refuses it: no file the program writes comes near them.
#pragma once

#include "base/KinemoError.h"

#include <cstdint>
#include <string>

namespace kinemo {

class TErrorMessage;

inline constexpr uint64_t kMaxProjectFileBytes = uint64_t{64} << 20;  // a project
inline constexpr uint64_t kMaxSheetFileBytes = uint64_t{1} << 20;     // a user element or motor sheet

// A file larger than its kind may be.
class TFileTooLarge : public TKinemoError {
public:
    TFileTooLarge(std::string path, uint64_t limit);
    const std::string& Path() const { return path_; }
    uint64_t Limit() const { return limit_; }

private:
    std::string path_;
    uint64_t limit_;
};

// Raises TFileTooLarge when the file at path holds more than maxBytes (a file that cannot
// be examined is left to its reader's own error).
void CheckFileSize(const std::string& path, uint64_t maxBytes);

// The whole file, read only up to maxBytes: raises TFileTooLarge beyond (also for a file
// that grows while it is read), TKinemoError naming the path when it cannot be read.
std::string ReadLimitedFile(const std::string& path, uint64_t maxBytes);

// The catalog's message for the refusal ("FileTooLarge": the path and the limit in MB), or
// the error's own words when the catalog lacks it.
std::string FileTooLargeText(const TErrorMessage& errors, const TFileTooLarge& e);

}  // namespace kinemo
