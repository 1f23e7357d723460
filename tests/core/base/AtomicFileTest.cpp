// The atomic writer under faults: every failing step leaves the previous file as it was,
// no temporary file behind, and the user reads the catalog's message; a process killed
// in the middle of a save leaves the old or the new file, never a torn one.
#include "base/AtomicFile.h"
#include "base/ErrorMessage.h"
#include "support/ExampleSession.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kinemo;

namespace {

const TWriteStep kSteps[] = {TWriteStep::Create, TWriteStep::Write, TWriteStep::Flush, TWriteStep::Rename};

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder nobody may create files in: a read-only one for a normal user; for root, who
// may write everywhere else, the kernel's own read-only folder.
std::string ReadOnlyFolder(const test::TempDir& dir) {
    if (::geteuid() == 0) return "/sys";
    const std::string folder = dir.File("locked");
    std::filesystem::create_directory(folder);
    ::chmod(folder.c_str(), 0555);
    return folder;
}

}  // namespace

TEST(AtomicFile, EveryFailingStepLeavesThePreviousFileAndNoTemporaryFile) {
    test::TempDir dir;
    const std::string path = dir.File("project.kjb");
    WriteFileAtomically(path, "version one");
    for (TWriteStep step : kSteps) {
        for (int error : {ENOSPC, EACCES, EIO}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(step)) + " " + std::strerror(error));
            TWriteFault fault(step, error);
            try {
                WriteFileAtomically(path, std::string(100000, 'x'));
                ADD_FAILURE() << "the write did not fail";
            } catch (const TFileWriteError& e) {
                EXPECT_EQ(e.Step(), step);
                EXPECT_EQ(e.Error(), error);
                EXPECT_EQ(e.Path(), path);
            }
            EXPECT_EQ(ReadWholeFile(path), "version one");
            EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"project.kjb"});
        }
    }
    // The fault ends with its scope.
    WriteFileAtomically(path, "version two");
    EXPECT_EQ(ReadWholeFile(path), "version two");
}

TEST(AtomicFile, AFailedSaveShowsTheCatalogsMessageAndKeepsTheProjectModified) {
    test::ExampleSession job("02_ball_screw_through_gear.kjb");
    const std::string path = job.dir.File("job.kjb");
    job.session->SaveProject(path);
    const std::string saved = ReadWholeFile(path);
    job.session->PrintHeaderText = "changed";
    job.session->MarkModified();
    struct Case {
        TWriteStep step;
        int error;
        std::string key, text;
    };
    const Case cases[] = {
        {TWriteStep::Create, EACCES, "FileNotWrittenReadOnly",
         "The file \"" + path + "\" could not be written because the folder or the file is read-only. "
         "The previous file is unchanged; save to another folder."},
        {TWriteStep::Create, EROFS, "FileNotWrittenReadOnly",
         "The file \"" + path + "\" could not be written because the folder or the file is read-only. "
         "The previous file is unchanged; save to another folder."},
        {TWriteStep::Write, ENOSPC, "FileNotWrittenDiskFull",
         "The file \"" + path + "\" could not be written because the disk is full. "
         "The previous file is unchanged; free some space and save again."},
        {TWriteStep::Flush, EDQUOT, "FileNotWrittenDiskFull",
         "The file \"" + path + "\" could not be written because the disk is full. "
         "The previous file is unchanged; free some space and save again."},
        {TWriteStep::Flush, EIO, "FileNotWritten",
         "The file \"" + path + "\" could not be written (Input/output error). The previous file is unchanged."},
        {TWriteStep::Rename, EXDEV, "FileNotWritten",
         "The file \"" + path + "\" could not be written (Invalid cross-device link). The previous file is unchanged."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + " " + std::strerror(c.error));
        TWriteFault fault(c.step, c.error);
        try {
            job.session->SaveProject(path);
            ADD_FAILURE() << "the save reported success";
        } catch (const TFormatErrorMessageException& e) {
            EXPECT_EQ(e.Key(), c.key);
            EXPECT_EQ(std::string(e.what()), c.text);
        }
        EXPECT_EQ(ReadWholeFile(path), saved);
        EXPECT_TRUE(job.session->Modified());
        EXPECT_EQ(FolderEntries(job.dir.Path()), (std::vector<std::string>{"cfg", "job.kjb"}));
    }
    job.session->SaveProject(path);
    EXPECT_FALSE(job.session->Modified());
    EXPECT_NE(ReadWholeFile(path), saved);
}

TEST(AtomicFile, AReadOnlyFolderIsReportedNeverASilentSuccess) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const std::string folder = ReadOnlyFolder(job.dir);
    const std::string path = folder + "/job.kjb";
    job.session->MarkModified();
    try {
        job.session->SaveProject(path);
        ADD_FAILURE() << "the save reported success";
    } catch (const TFormatErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "FileNotWrittenReadOnly");
        EXPECT_EQ(std::string(e.what()), "The file \"" + path +
                                             "\" could not be written because the folder or the file is read-only. "
                                             "The previous file is unchanged; save to another folder.");
    }
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(job.session->Modified());
}

// A child saves and is killed: at each step of the write by the seam, then at random
// moments while it saves large files over and over. The file is always one of the two.
TEST(AtomicFile, AProcessKilledDuringASaveLeavesTheOldOrTheNewFile) {
    test::TempDir dir;
    const std::string path = dir.File("project.kjb");
    const std::string oldText(3 << 20, 'o'), newText((3 << 20) + 17, 'n');
    auto runChild = [&](const std::function<void()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            body();
            ::_exit(0);
        }
        return pid;
    };
    for (TWriteStep step : kSteps) {
        WriteFileAtomically(path, oldText);
        const pid_t pid = runChild([&] {
            TWriteFault fault([step](TWriteStep s, const std::string&) {
                if (s == step) ::raise(SIGKILL);
                return 0;
            });
            WriteFileAtomically(path, newText);
        });
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        EXPECT_EQ(ReadWholeFile(path), oldText) << "killed before step " << static_cast<int>(step);
        EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"project.kjb"})
            << "killed before step " << static_cast<int>(step);
    }
    std::mt19937 random(20);
    std::uniform_int_distribution<int> delayMicroseconds(0, 40000);
    for (int round = 0; round < 25; ++round) {
        const pid_t pid = runChild([&] {
            for (int i = 0;; ++i) WriteFileAtomically(path, i % 2 ? oldText : newText);
        });
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        const std::string now = ReadWholeFile(path);
        EXPECT_TRUE(now == oldText || now == newText) << "round " << round << ": " << now.size() << " bytes";
    }
    // Whatever a kill left behind goes with the next save of the same file.
    WriteFileAtomically(path, "saved again");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"project.kjb"});
}

// Temporary files of a killed save are ours to remove; look-alikes of other files and other
// names are not.
TEST(AtomicFile, TheNextSaveRemovesStaleTemporaryFilesOfItsTargetOnly) {
    test::TempDir dir;
    const std::string path = dir.File("project.kjb");
    WriteFileAtomically(path, "one");
    test::WriteFile(dir.File("project.kjb.tmpA1b2C3"), "left by a killed save");
    test::WriteFile(dir.File("project.kjb.tmpnotes"), "the user's own file");
    test::WriteFile(dir.File("other.kjb.tmpA1b2C3"), "another target's");
    WriteFileAtomically(path, "two");
    EXPECT_EQ(ReadWholeFile(path), "two");
    EXPECT_EQ(FolderEntries(dir.Path()),
              (std::vector<std::string>{"other.kjb.tmpA1b2C3", "project.kjb", "project.kjb.tmpnotes"}));
}

// A read-only file is not replaced behind the user's back, as a read-only folder is not
// written into: the catalog's message, the file as it was.
TEST(AtomicFile, AFileTheUserMayNotWriteIsNotReplaced) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const std::string path = job.dir.File("job.kjb");
    test::WriteFile(path, "the colleague's file");
    ::chmod(path.c_str(), 0444);
    job.session->MarkModified();
    try {
        job.session->SaveProject(path);
        ADD_FAILURE() << "the save replaced a read-only file";
    } catch (const TFormatErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "FileNotWrittenReadOnly");
    }
    EXPECT_EQ(ReadWholeFile(path), "the colleague's file");
    EXPECT_TRUE(job.session->Modified());
    EXPECT_EQ(FolderEntries(job.dir.Path()), (std::vector<std::string>{"cfg", "job.kjb"}));
}

// A symbolic link leads the save to its target (the link stays a link); a file with a
// second hard link is changed under both names.
TEST(AtomicFile, LinksAreKeptSymbolicLinksFollowedHardLinksShared) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    const std::string target = dir.File("real/project.kjb");
    WriteFileAtomically(target, "first");
    ASSERT_EQ(::symlink("real/project.kjb", dir.File("link.kjb").c_str()), 0);
    WriteFileAtomically(dir.File("link.kjb"), "through the link");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kjb")));
    EXPECT_EQ(ReadWholeFile(target), "through the link");
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"link.kjb", "real"}));

    // A link to a file not there yet makes the file.
    ASSERT_EQ(::symlink("real/new.kjb", dir.File("ahead.kjb").c_str()), 0);
    WriteFileAtomically(dir.File("ahead.kjb"), "new");
    EXPECT_EQ(ReadWholeFile(dir.File("real/new.kjb")), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("ahead.kjb")));

    ASSERT_EQ(::link(target.c_str(), dir.File("second.kjb").c_str()), 0);
    WriteFileAtomically(dir.File("second.kjb"), "shared by both names, and longer");
    EXPECT_EQ(ReadWholeFile(target), "shared by both names, and longer");
    WriteFileAtomically(target, "short");
    EXPECT_EQ(ReadWholeFile(dir.File("second.kjb")), "short");
    EXPECT_EQ(std::filesystem::hard_link_count(target), 2u);
    // A failed write in place leaves the previous bytes under both names.
    {
        TWriteFault fault(TWriteStep::Write, ENOSPC);
        EXPECT_THROW(WriteFileAtomically(target, std::string(100000, 'x')), TFileWriteError);
    }
    EXPECT_EQ(ReadWholeFile(dir.File("second.kjb")), "short");
}
