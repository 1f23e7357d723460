// Settings file and per-user folders: first start, bad files, unwritable folders,
// atomic writes, separate users.
#include "base/AtomicFile.h"
#include "base/ConfigFile.h"
#include "base/KinemoError.h"
#include "base/SpecialFolder.h"
#include "base/UserSettings.h"
#include "support/TestSupport.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kinemo;
using kinemo::test::TempDir;

TEST(Settings, FirstStartCreatesTheFolderUsesDefaultsAndWritesOnRequest) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("home"));
    TSpecialFolder folders(dir.File("config"), "", dir.File("home"));
    const std::string userFolder = dir.File("config") + "/Kinemo/custom_factor/";
    TUserSettings s = TUserSettings::Read(folders);
    EXPECT_TRUE(DirectoryExists(userFolder));
    EXPECT_EQ(s.SaveFileFolder, dir.File("home") + "/");  // no user-dirs.dirs: the home folder
    EXPECT_EQ(s.UserFactorFileFolder, userFolder);
    EXPECT_EQ(s.UserFactorImageFolder, userFolder);
    EXPECT_EQ(s.PaperSize, 0);
    EXPECT_FALSE(FileExists(folders.SettingsFile()));  // nothing written until asked

    std::filesystem::create_directories(dir.File("jobs"));
    s.SaveFileFolder = dir.File("jobs") + "/";
    s.PaperSize = 2;
    s.Write(folders);
    TUserSettings again = TUserSettings::Read(folders);
    EXPECT_EQ(again.SaveFileFolder, dir.File("jobs") + "/");
    EXPECT_EQ(again.PaperSize, 2);
}

TEST(Settings, GarbageLinesAreSkippedAndKnownKeysStillRead) {
    TempDir dir;
    TSpecialFolder folders(dir.File("config"));
    test::WriteFile(folders.SettingsFile(),
                    "stray line before any section\n[Dir]\nSaveFile=" + dir.Path() + "/\n%%%garbage%%%\n=novalue\r\n"
                    "[ValueFormat]\nPrec=6\n[Print]\nPaperSize= 3 \n");
    TUserSettings s = TUserSettings::Read(folders);
    EXPECT_EQ(s.SaveFileFolder, dir.Path() + "/");
    EXPECT_EQ(s.PaperSize, 3);
    EXPECT_EQ(TValueFormat(folders.SettingsFile()).Precision(), 6);
}

// A bad value never stops the start: its default is used and the value is named once.
TEST(Settings, ABadPaperSizeFallsBackToItsDefaultAndIsNamed) {
    TempDir dir;
    TSpecialFolder folders(dir.File("config"));
    for (const char* bad : {"A4", "abc", "-1", "99999999999999999999"}) {
        SCOPED_TRACE(bad);
        test::WriteFile(folders.SettingsFile(), std::string("[Print]\nPaperSize=") + bad + "\n[Dir]\nSaveFile=" +
                                                    dir.Path() + "/\n");
        TUserSettings s;
        ASSERT_NO_THROW(s = TUserSettings::Read(folders));
        EXPECT_EQ(s.PaperSize, 0);
        EXPECT_EQ(s.SaveFileFolder, dir.Path() + "/");  // the rest is read as usual
        ASSERT_EQ(s.Problems.size(), 1u);
        EXPECT_EQ(s.Problems[0].File, folders.SettingsFile());
        EXPECT_EQ(s.Problems[0].Key, "PaperSize");
        EXPECT_EQ(s.Problems[0].Value, bad);
        EXPECT_EQ(s.Problems[0].Default, "0");
    }
    test::WriteFile(folders.SettingsFile(), "[Print]\nPaperSize=1\n");
    EXPECT_TRUE(TUserSettings::Read(folders).Problems.empty());
}

TEST(Settings, UncreatableFolderRaisesCanNotCreateFolderWithThePath) {
    TempDir dir;
    test::WriteFile(dir.File("blocker"), "a file where a folder must go");
    TSpecialFolder folders(dir.File("blocker") + "/config");
    try {
        folders.UserFactorFolder();
        FAIL();
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "Can not create folder." + dir.File("blocker") + "/config/Kinemo/custom_factor/");
    }
    EXPECT_THROW(TValueFormat(folders.SettingsFile()), TKinemoError);
}

TEST(Settings, TwoUsersKeepSeparateFiles) {
    TempDir dir;
    TSpecialFolder alice(dir.File("alice")), bob(dir.File("bob"));
    TValueFormat(alice.SettingsFile()).SetPrecision(7);
    EXPECT_EQ(TValueFormat(alice.SettingsFile()).Precision(), 7);
    EXPECT_EQ(TValueFormat(bob.SettingsFile()).Precision(), TValueFormat::kDefaultPrecision);
}

TEST(Settings, SetPrecisionClampsAndLeavesTheRunningPrecision) {
    TempDir dir;
    TSpecialFolder folders(dir.File("c"));
    TValueFormat running(folders.SettingsFile());
    running.SetPrecision(40);
    EXPECT_EQ(running.Precision(), 4);
    EXPECT_EQ(TValueFormat(folders.SettingsFile()).Precision(), 12);
    running.SetPrecision(-3);
    EXPECT_EQ(TValueFormat(folders.SettingsFile()).Precision(), 0);
}

TEST(ConfigFile, WritesAtomicallyAndKeepsOtherSections) {
    TempDir dir;
    const std::string path = dir.File("s.ini");
    {
        TConfigFile ini(path);
        ini.WriteString("USER_DEFAULT_MEASURE", "1", "102");
        ini.WriteInteger("Print", "PaperSize", 1);
        ini.UpdateFile();
    }
    TConfigFile ini(path);
    ini.WriteInteger("Print", "PaperSize", 9);
    ini.UpdateFile();
    const std::string first = ReadWholeFile(path);
    ini.UpdateFile();
    EXPECT_EQ(ReadWholeFile(path), first);  // same content, same bytes
    TConfigFile back(path);
    EXPECT_EQ(back.ReadString("USER_DEFAULT_MEASURE", "1", ""), "102");
    EXPECT_EQ(back.ReadInteger("print", "papersize", 0), 9);
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(e.path().filename(), "s.ini") << "temporary file left behind";
}

TEST(AtomicFile, AFailedWriteLeavesThePreviousFile) {
    TempDir dir;
    const std::string path = dir.File("project.kjb");
    WriteFileAtomically(path, "version one");
    EXPECT_THROW(WriteFileAtomically(dir.File("no/such/folder/x"), "data"), TKinemoError);
    EXPECT_EQ(ReadWholeFile(path), "version one");
}
