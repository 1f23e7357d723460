// Atomic file writes, their fault seam and small file-system helpers.
#include "base/AtomicFile.h"

#include "base/ErrorMessage.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kinemo {

namespace {

thread_local TWriteFault* currentFault = nullptr;
thread_local const TWriteFault::THook* currentHook = nullptr;

const char* StepName(TWriteStep step) {
    switch (step) {
        case TWriteStep::Create: return "create";
        case TWriteStep::Write: return "write";
        case TWriteStep::Flush: return "flush";
        case TWriteStep::Rename: return "rename";
    }
    return "";
}

// The error the seam injects into this step, 0 for none.
int InjectedError(TWriteStep step, const std::string& path) {
    return currentHook && *currentHook ? (*currentHook)(step, path) : 0;
}

[[noreturn]] void Fail(const std::string& path, TWriteStep step, int error, const std::string& tmp) {
    if (!tmp.empty()) ::unlink(tmp.c_str());
    throw TFileWriteError(path, step, error);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

TFileWriteError::TFileWriteError(std::string path, TWriteStep step, int error)
    : TKinemoError("Can not write file " + path + " (" + StepName(step) + "): " + std::strerror(error)),
      path_(std::move(path)),
      step_(step),
      error_(error) {}

TWriteFault::TWriteFault(THook hook) : hook_(std::move(hook)), previous_(currentFault) {
    currentFault = this;
    currentHook = &hook_;
}

TWriteFault::TWriteFault(TWriteStep step, int error)
    : TWriteFault([step, error](TWriteStep s, const std::string&) { return s == step ? error : 0; }) {}

TWriteFault::~TWriteFault() {
    currentFault = previous_;
    currentHook = previous_ ? &previous_->hook_ : nullptr;
}

namespace {

const char* const kTemporaryMark = ".tmp";
constexpr size_t kTemporaryTail = 6;  // the random letters of a temporary name

std::string BaseNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path finally names: symbolic links are followed (also to a target that does
// not exist yet), so a save replaces the linked file and keeps the link.
std::string FollowLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0) return current;
        target.resize(static_cast<size_t>(n));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

// A name the writer itself gives its temporary files: name + ".tmp" + six letters.
bool IsOwnTemporaryName(const std::string& entry, const std::string& name) {
    const std::string prefix = name + kTemporaryMark;
    if (entry.size() != prefix.size() + kTemporaryTail || entry.compare(0, prefix.size(), prefix) != 0) return false;
    for (size_t i = prefix.size(); i < entry.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i]))) return false;
    return true;
}

// Temporary files of this target left by a save that was killed: ours (same user, plain
// files) are removed before the next save of the same file.
void RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = FolderOf(path), name = BaseNameOf(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = ::readdir(dir)) {
        if (!IsOwnTemporaryName(e->d_name, name)) continue;
        const std::string stale = folder + "/" + e->d_name;
        struct stat st {};
        if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(stale.c_str());
    }
    ::closedir(dir);
}

void WriteAll(int fd, const std::string& bytes, size_t limit, off_t offset, int& error) {
    size_t done = 0;
    error = 0;
    while (done < limit) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, limit - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return;
        }
        done += static_cast<size_t>(n);
    }
}

// A file with other hard links is written in place, so every name keeps showing the
// same file; a failed write puts the previous bytes back.
void WriteInPlace(const std::string& shown, const std::string& path, const std::string& bytes) {
    const std::string previous = ReadWholeFile(path);
    int injected = InjectedError(TWriteStep::Create, shown);
    const int fd = injected ? -1 : ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) Fail(shown, TWriteStep::Create, injected ? injected : errno, "");
    auto restoreAndFail = [&](TWriteStep step, int error) {
        int ignored = 0;
        WriteAll(fd, previous, previous.size(), 0, ignored);
        if (::ftruncate(fd, static_cast<off_t>(previous.size())) == 0) ::fsync(fd);
        ::close(fd);
        Fail(shown, step, error, "");
    };
    injected = InjectedError(TWriteStep::Write, shown);
    int error = 0;
    WriteAll(fd, bytes, injected ? bytes.size() / 2 : bytes.size(), 0, error);
    if (injected || error) restoreAndFail(TWriteStep::Write, injected ? injected : error);
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) restoreAndFail(TWriteStep::Write, errno);
    injected = InjectedError(TWriteStep::Flush, shown);
    if (injected || ::fsync(fd) != 0) restoreAndFail(TWriteStep::Flush, injected ? injected : errno);
    if (::close(fd) != 0) Fail(shown, TWriteStep::Flush, errno, "");
}

// Gives the unnamed file of fd a temporary name beside path; empty when that fails.
std::string LinkTemporary(int fd, const std::string& path) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const std::string source = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tmp = path + kTemporaryMark;
        for (size_t i = 0; i < kTemporaryTail; ++i) {
            unsigned char c = 0;
            if (::getentropy(&c, 1) != 0) c = static_cast<unsigned char>(std::rand());
            tmp.push_back(letters[c % (sizeof letters - 1)]);
        }
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, tmp.c_str(), AT_SYMLINK_FOLLOW) == 0) return tmp;
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace

void WriteFileAtomically(const std::string& shown, const std::string& bytes) {
    const std::string path = FollowLinks(shown);
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A file the user may not write (or marked read-only for everybody) is not replaced
    // behind its back, as a folder the user may not write is not written into.
    if (replacing && (::access(path.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0))
        Fail(shown, TWriteStep::Create, EACCES, "");
    RemoveStaleTemporaries(path);
    if (replacing && old.st_nlink > 1) {
        WriteInPlace(shown, path, bytes);
        return;
    }

    // The new file is written unnamed where the system allows it, so a save killed before
    // the rename leaves nothing behind; it gets its temporary name only for the rename.
    int injected = InjectedError(TWriteStep::Create, shown);
    std::string tmp;
    int fd = -1;
    if (!injected) {
        fd = ::open(FolderOf(path).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            tmp = path + kTemporaryMark + std::string(kTemporaryTail, 'X');
            fd = ::mkstemp(tmp.data());
            if (fd < 0) tmp.clear();
        }
    }
    if (fd < 0) Fail(shown, TWriteStep::Create, injected ? injected : errno, "");

    // An injected write fault lets half of the bytes through first, as a full disk does.
    injected = InjectedError(TWriteStep::Write, shown);
    int error = 0;
    WriteAll(fd, bytes, injected ? bytes.size() / 2 : bytes.size(), 0, error);
    if (injected || error) {
        ::close(fd);
        Fail(shown, TWriteStep::Write, injected ? injected : error, tmp);
    }
    // A replaced file keeps the permissions and, where allowed, the owner the user gave it.
    ::fchmod(fd, replacing ? (old.st_mode & 07777) : 0644);
    if (replacing && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // not our file to give away: it becomes ours, with its permissions
    }
    injected = InjectedError(TWriteStep::Flush, shown);
    if (injected || ::fsync(fd) != 0) {
        const int e = injected ? injected : errno;
        ::close(fd);
        Fail(shown, TWriteStep::Flush, e, tmp);
    }
    injected = InjectedError(TWriteStep::Rename, shown);
    if (!injected && tmp.empty()) {
        tmp = LinkTemporary(fd, path);
        if (tmp.empty()) injected = errno ? errno : EIO;
    }
    if (injected || ::rename(tmp.c_str(), path.c_str()) != 0) {
        const int e = injected ? injected : errno;
        ::close(fd);
        Fail(shown, TWriteStep::Rename, e, tmp);
    }
    if (::close(fd) != 0) {
        // the data reached the disk with fsync above; a late close error changes nothing
    }
    // The rename itself reaches the disk with the folder's entry.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

namespace {

// The catalog key of a failed write and its arguments.
std::pair<std::string, FormatArgs> FileWriteErrorKey(const TFileWriteError& error) {
    switch (error.Error()) {
        case ENOSPC:
        case EDQUOT:
            return {"FileNotWrittenDiskFull", {error.Path()}};
        case EACCES:
        case EPERM:
        case EROFS:
            return {"FileNotWrittenReadOnly", {error.Path()}};
        default:
            return {"FileNotWritten", {error.Path(), std::string(std::strerror(error.Error()))}};
    }
}

}  // namespace

std::string FileWriteErrorText(const TFileWriteError& error, const TErrorMessage& errors) {
    const auto [key, args] = FileWriteErrorKey(error);
    return TFormatErrorMessageException(errors, key, args).what();
}

void WriteFileAtomically(const std::string& path, const std::string& bytes, const TErrorMessage& errors) {
    try {
        WriteFileAtomically(path, bytes);
    } catch (const TFileWriteError& e) {
        const auto [key, args] = FileWriteErrorKey(e);
        throw TFormatErrorMessageException(errors, key, args);
    }
}

std::string ReadWholeFile(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw TKinemoError("Can not read file " + path + ": " + std::strerror(errno));
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
