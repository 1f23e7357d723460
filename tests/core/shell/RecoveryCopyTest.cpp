// The recovery copy's rules: written only for a modified project and never at the
// project's path, offered only when the run that wrote it is gone, removed by a normal end.
#include "shell/RecoveryCopy.h"
#include "base/AtomicFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace kinemo;

namespace {

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A run in a process of its own that keeps a copy and ends without removing it.
int CrashedRun(const std::string& folder, const std::string& project, const std::string& text, std::time_t when) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        TRecoveryCopy(folder, static_cast<int>(::getpid())).Keep(true, [&] { return text; }, project, when);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return static_cast<int>(pid);
}

}  // namespace

TEST(RecoveryCopy, OnlyAModifiedProjectIsKeptAndANormalEndRemovesIt) {
    test::TempDir dir;
    const std::string state = dir.File("state");
    std::filesystem::create_directory(state);
    TRecoveryCopy copy(state, static_cast<int>(::getpid()));
    int asked = 0;
    auto text = [&] {
        ++asked;
        return std::string("<KINEMO>edited</KINEMO>");
    };
    copy.Keep(false, text, dir.File("job.kjb"), 1000);
    EXPECT_TRUE(Entries(state).empty());
    EXPECT_EQ(asked, 0);  // an unmodified project is not even written out
    copy.Keep(true, text, dir.File("job.kjb"), 1000);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadWholeFile(copy.CopyFile()), "<KINEMO>edited</KINEMO>");
    EXPECT_EQ(copy.CopyFile().rfind(state + "/", 0), 0u);
    EXPECT_FALSE(FileExists(dir.File("job.kjb")));
    EXPECT_EQ(Entries(state).size(), 2u);
    // This run's own copy is not a crash's.
    EXPECT_FALSE(copy.FindLeftBehind());
    // Saved again: nothing left to recover.
    copy.Keep(false, text, dir.File("job.kjb"), 1100);
    EXPECT_TRUE(Entries(state).empty());
    copy.Keep(true, text, "", 1200);
    copy.Remove();
    EXPECT_TRUE(Entries(state).empty());
}

TEST(RecoveryCopy, ACopyOfAGoneRunIsOfferedNewestFirstAndDiscarded) {
    test::TempDir dir;
    const std::string state = dir.File("state");
    std::filesystem::create_directory(state);
    CrashedRun(state, "/jobs/older.kjb", "<old/>", 1000);
    CrashedRun(state, "/jobs/press.kjb", "<new/>", 2000);
    // A run still going (this test's process) is never offered, however new its copy.
    TRecoveryCopy(state, static_cast<int>(::getppid())).Keep(true, [] { return std::string("<running/>"); }, "", 3000);
    // Notes without a copy, or with words where numbers belong, are not offered.
    test::WriteFile(state + "/recovery-1.ini", "Pid=1\nTime=4000\nProject=/x.kjb\n");
    test::WriteFile(state + "/recovery-2.ini", "Pid=abc\nTime=4000\n");
    test::WriteFile(state + "/recovery-2.kjb", "<x/>");

    TRecoveryCopy now(state, static_cast<int>(::getpid()));
    std::optional<TRecoverable> found = now.FindLeftBehind();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ProjectFile, "/jobs/press.kjb");
    EXPECT_EQ(found->Time, 2000);
    EXPECT_EQ(ReadWholeFile(found->CopyFile), "<new/>");
    TRecoveryCopy::Discard(*found);
    found = now.FindLeftBehind();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ProjectFile, "/jobs/older.kjb");
    TRecoveryCopy::Discard(*found);
    EXPECT_FALSE(now.FindLeftBehind());
}
