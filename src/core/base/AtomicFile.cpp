// Atomic file writes, their fault seam and small file-system helpers.
#include "base/AtomicFile.h"

#include "base/ErrorMessage.h"

#include <cerrno>
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

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string tmp = path + ".tmpXXXXXX";
    int injected = InjectedError(TWriteStep::Create, path);
    int fd = injected ? -1 : ::mkstemp(tmp.data());
    if (fd < 0) Fail(path, TWriteStep::Create, injected ? injected : errno, "");

    // An injected write fault lets half of the bytes through first, as a full disk does.
    injected = InjectedError(TWriteStep::Write, path);
    const size_t limit = injected ? bytes.size() / 2 : bytes.size();
    size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            Fail(path, TWriteStep::Write, error, tmp);
        }
        done += static_cast<size_t>(n);
    }
    if (injected) {
        ::close(fd);
        Fail(path, TWriteStep::Write, injected, tmp);
    }
    // A replaced file keeps the permissions the user gave the old one.
    struct stat st {};
    ::fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
    injected = InjectedError(TWriteStep::Flush, path);
    if (injected || ::fsync(fd) != 0) {
        const int error = injected ? injected : errno;
        ::close(fd);
        Fail(path, TWriteStep::Flush, error, tmp);
    }
    if (::close(fd) != 0) Fail(path, TWriteStep::Flush, errno, tmp);
    injected = InjectedError(TWriteStep::Rename, path);
    if (injected || ::rename(tmp.c_str(), path.c_str()) != 0) Fail(path, TWriteStep::Rename, injected ? injected : errno, tmp);
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
