// Finding the registered CAD data program and running it with a time limit.
#include "base/Registry.h"
#include "base/UserDialogs.h"
#include "cad/CadProgram.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>

namespace kinemo {
namespace {

TEST(CadProgram, RegisteredPathRelativeToTheProgramFolder) {
    test::TempDir dir;
    const struct {
        const char* entry;
        const char* expected;
    } cases[] = {
        {"@=kinemo-cad\n", "/opt/kinemo/kinemo-cad"},
        {"@=/usr/bin/other-cad\n", "/usr/bin/other-cad"},
        {"@=\"/a b/cad\"\n", "/a b/cad"},
        {"@=\n", ""},
        {"Language=en\n", ""},
    };
    for (const auto& c : cases) {
        test::WriteFile(dir.File("r.ini"), std::string("[App Paths\\Zerith.EXE]\n") + c.entry);
        EXPECT_EQ(FindCadProgram(TRegistry({dir.File("r.ini")}), "/opt/kinemo"), c.expected) << c.entry;
    }
    EXPECT_EQ(FindCadProgram(TRegistry(), "/opt/kinemo"), "");
}

// Records the wait window's reports.
struct TWaitRecorder : IProgress {
    int calls = 0, lastPosition = -1, lastCount = -1;
    void Progress(int position, int count, const std::string&) override {
        ++calls, lastPosition = position, lastCount = count;
    }
};

TEST(CadProgram, ExitStatusTimeLimitAndWaitWindow) {
    test::TempDir dir;
    const std::string script = dir.File("p.sh");
    test::WriteFile(script, "#!/bin/sh\n[ \"$1\" = slow ] && sleep 10\nexit \"$2\"\n");
    ::chmod(script.c_str(), 0755);
    TWaitRecorder wait;
    TCadRunResult r = RunCadProgram(script, {"fast", "3"}, 5000, &wait);
    EXPECT_EQ(r.Status, TCadRunStatus::Finished);
    EXPECT_EQ(r.ExitCode, 3);
    EXPECT_EQ(wait.lastPosition, wait.lastCount);  // the wait window closes at the end

    const auto start = std::chrono::steady_clock::now();
    r = RunCadProgram(script, {"slow", "0"}, 200, &wait);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(r.Status, TCadRunStatus::TimedOut);
    EXPECT_LT(ms, 3000);  // stopped, not waited for
    EXPECT_GT(wait.calls, 2);

    EXPECT_EQ(RunCadProgram("", {}, 1000, nullptr).Status, TCadRunStatus::NotStarted);
    EXPECT_EQ(RunCadProgram(dir.File("none"), {}, 1000, nullptr).Status, TCadRunStatus::NotStarted);
}

}  // namespace
}  // namespace kinemo
