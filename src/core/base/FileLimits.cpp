// File size limits: the check before a file is parsed and the limited reader.
#include "base/FileLimits.h"

#include "base/ErrorMessage.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace kinemo {

namespace {

std::string Megabytes(uint64_t bytes) { return FloatToText(static_cast<double>(bytes) / (1 << 20)); }

}  // namespace

TFileTooLarge::TFileTooLarge(std::string path, uint64_t limit)
    : TKinemoError("The file " + path + " is larger than " + Megabytes(limit) + " MB"), path_(std::move(path)),
      limit_(limit) {}

void CheckFileSize(const std::string& path, uint64_t maxBytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) > maxBytes)
        throw TFileTooLarge(path, maxBytes);
}

std::string ReadLimitedFile(const std::string& path, uint64_t maxBytes) {
    CheckFileSize(path, maxBytes);
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw TKinemoError("Can not read file " + path + ": " + std::strerror(errno));
    std::string out;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        out.append(buf, n);
        if (out.size() > maxBytes) {
            std::fclose(f);
            throw TFileTooLarge(path, maxBytes);
        }
    }
    const bool bad = std::ferror(f);
    std::fclose(f);
    if (bad) throw TKinemoError("Can not read file " + path);
    return out;
}

std::string FileTooLargeText(const TErrorMessage& errors, const TFileTooLarge& e) {
    const std::string format = errors.GetText("FileTooLarge");
    if (format.empty()) return e.what();
    return FormatText(format, {e.Path(), Megabytes(e.Limit())});
}

}  // namespace kinemo
