// Atomic file writes and small file-system helpers.
#include "base/AtomicFile.h"

#include "base/KinemoError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kinemo {

namespace {

std::string ErrnoText() { return std::strerror(errno); }

}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string tmpl = path + ".tmpXXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) throw TKinemoError("Can not write file " + path + ": " + ErrnoText());
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            std::string why = ErrnoText();
            ::close(fd);
            ::unlink(tmpl.c_str());
            throw TKinemoError("Can not write file " + path + ": " + why);
        }
        done += static_cast<size_t>(n);
    }
    // A replaced file keeps the permissions the user gave the old one.
    struct stat st {};
    ::fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::string why = ErrnoText();
        ::unlink(tmpl.c_str());
        throw TKinemoError("Can not write file " + path + ": " + why);
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        std::string why = ErrnoText();
        ::unlink(tmpl.c_str());
        throw TKinemoError("Can not write file " + path + ": " + why);
    }
}

std::string ReadWholeFile(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw TKinemoError("Can not read file " + path + ": " + ErrnoText());
    std::string out;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    const bool bad = std::ferror(f);
    std::fclose(f);
    if (bad) throw TKinemoError("Can not read file " + path);
    return out;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace kinemo
