// Child process handling of the CAD link (POSIX).
#include "cad/CadProgram.h"

#include "base/AtomicFile.h"
#include "base/Registry.h"
#include "base/SpecialFolder.h"
#include "base/UserDialogs.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace kinemo {

const char* const kCadProgramKey = "App Paths\\Zerith.EXE";

std::string FindCadProgram(const TRegistry& registry, const std::string& programFolder) {
    std::string path = registry.ReadString(kCadProgramKey, "").value_or("");
    if (path.empty()) return {};
    if (path.front() == '/') return path;
    // A relative name: beside the program's data (the build folder), else on the PATH as
    // installed programs are (/usr/bin).
    if (!programFolder.empty() && FileExists(IncludeTrailingDelimiter(programFolder) + path))
        return IncludeTrailingDelimiter(programFolder) + path;
    if (path.find('/') == std::string::npos)
        if (const char* searchPath = std::getenv("PATH")) {
            const std::string dirs = searchPath;
            size_t start = 0;
            while (start <= dirs.size()) {
                const size_t colon = std::min(dirs.find(':', start), dirs.size());
                const std::string dir = dirs.substr(start, colon - start);
                if (!dir.empty() && FileExists(IncludeTrailingDelimiter(dir) + path))
                    return IncludeTrailingDelimiter(dir) + path;
                start = colon + 1;
            }
        }
    // Without an installation folder a relative name would be looked up in whatever folder
    // the program was started from: it names no program then.
    return programFolder.empty() ? std::string() : IncludeTrailingDelimiter(programFolder) + path;
}

namespace {

using Clock = std::chrono::steady_clock;

int ElapsedMs(Clock::time_point start) {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// Reaps the child; true when it has ended (status filled).
bool Reap(pid_t pid, int& status, bool block) {
    while (true) {
        const pid_t r = ::waitpid(pid, &status, block ? 0 : WNOHANG);
        if (r == pid) return true;
        if (r == 0) return false;
        if (errno != EINTR) return true;  // not our child any more: nothing left to wait for
    }
}

// Asks the child and whatever it started (its own process group) to end, then forces them
// after a grace period.
void Stop(pid_t pid) {
    int status = 0;
    ::kill(-pid, SIGTERM);
    const auto start = Clock::now();
    while (ElapsedMs(start) < 1000) {
        if (Reap(pid, status, false)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(-pid, SIGKILL);
    Reap(pid, status, true);
}

}  // namespace

namespace {

constexpr size_t kMessageLimit = 2000;

// The read end of the pipe the child's error output goes to; closed at the end of the run.
class TErrorOutput {
public:
    TErrorOutput() {
        if (::pipe2(fds_, O_CLOEXEC) != 0) fds_[0] = fds_[1] = -1;
        else ::fcntl(fds_[0], F_SETFL, O_NONBLOCK);
    }
    ~TErrorOutput() {
        for (int fd : fds_)
            if (fd >= 0) ::close(fd);
    }
    TErrorOutput(const TErrorOutput&) = delete;
    TErrorOutput& operator=(const TErrorOutput&) = delete;
    bool Valid() const { return fds_[0] >= 0; }
    int WriteEnd() const { return fds_[1]; }
    void CloseWriteEnd() {
        if (fds_[1] >= 0) ::close(fds_[1]);
        fds_[1] = -1;
    }
    // Takes what is there without waiting; the text is kept up to the limit.
    void Drain() {
        if (fds_[0] < 0) return;
        char buf[512];
        while (true) {
            const ssize_t n = ::read(fds_[0], buf, sizeof buf);
            if (n <= 0) {
                if (n < 0 && errno == EINTR) continue;
                return;
            }
            if (text_.size() < kMessageLimit)
                text_.append(buf, std::min(static_cast<size_t>(n), kMessageLimit - text_.size()));
        }
    }
    std::string Text() const {
        const size_t b = text_.find_first_not_of(" \t\r\n");
        if (b == std::string::npos) return {};
        return text_.substr(b, text_.find_last_not_of(" \t\r\n") - b + 1);
    }

private:
    int fds_[2] = {-1, -1};
    std::string text_;
};

}  // namespace

TCadRunResult RunCadProgram(const std::string& program, const std::vector<std::string>& arguments,
                            int timeLimitMs, IProgress* progress) {
    TCadRunResult result;
    if (program.empty() || ::access(program.c_str(), X_OK) != 0) return result;
    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    TErrorOutput errors;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    if (errors.Valid()) ::posix_spawn_file_actions_adddup2(&actions, errors.WriteEnd(), STDERR_FILENO);
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    ::posix_spawn_file_actions_destroy(&actions);
    errors.CloseWriteEnd();
    if (spawned != 0) return result;

    const auto start = Clock::now();
    int status = 0;
    while (true) {
        errors.Drain();
        if (Reap(pid, status, false)) break;
        const int elapsed = ElapsedMs(start);
        if (elapsed >= timeLimitMs) {
            Stop(pid);
            ::kill(-pid, SIGKILL);  // helpers of a program that ended on the request
            errors.Drain();
            result.Status = TCadRunStatus::TimedOut;
            result.Message = errors.Text();
            if (progress) progress->Progress(timeLimitMs, timeLimitMs, "");
            return result;
        }
        if (progress) progress->Progress(elapsed, timeLimitMs, "");
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    errors.Drain();
    if (progress) progress->Progress(timeLimitMs, timeLimitMs, "");
    result.Status = TCadRunStatus::Finished;
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.Message = errors.Text();
    // posix_spawn reports an exec failure of the child as exit status 127.
    if (result.ExitCode == 127) result.Status = TCadRunStatus::NotStarted;
    return result;
}

}  // namespace kinemo
