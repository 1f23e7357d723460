// The desktop's per-user rules: the documents folder as the project default, writable
// default folders, the recent-projects list and the remembered window place.
#include "base/AtomicFile.h"
#include "base/ConfigFile.h"
#include "base/RecentProjects.h"
#include "base/SpecialFolder.h"
#include "base/UserSettings.h"
#include "base/WindowPlacement.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace kinemo;
using kinemo::test::TempDir;

TEST(DocumentsFolder, ParseUserDirsLines) {
    struct Case {
        const char* name;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"home relative", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
         "/home/u/Dokumente"},
        {"absolute", "XDG_DOCUMENTS_DIR=\"/data/docs/\"\n", "/data/docs"},
        {"home itself means disabled", "XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "/home/u"},
        {"comment only", "# XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n", ""},
        {"relative is not allowed", "XDG_DOCUMENTS_DIR=\"Docs\"\n", ""},
        {"last line wins", "XDG_DOCUMENTS_DIR=\"$HOME/A\"\nXDG_DOCUMENTS_DIR=\"$HOME/B\"\r\n", "/home/u/B"},
        {"similar key", "XDG_DOCUMENTS_DIRX=\"$HOME/A\"\n", ""},
        {"$HOMEX is no home", "XDG_DOCUMENTS_DIR=\"$HOMEX/A\"\n", ""},
        {"blanks around", "  XDG_DOCUMENTS_DIR = \"$HOME/Docs\"  \n", "/home/u/Docs"},
        {"no file content", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDocumentsDir(c.text, "/home/u"), c.expected) << c.name;
}

TEST(DocumentsFolder, IsCreatedOnFirstUseElseTheHomeFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("home"));
    std::filesystem::create_directories(dir.File("config"));
    TSpecialFolder folders(dir.File("config"), "", dir.File("home"));
    EXPECT_EQ(folders.DocumentsFolder(), dir.File("home") + "/");  // no user-dirs.dirs

    test::WriteFile(dir.File("config") + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Projects/Kinemo\"\n");
    EXPECT_EQ(folders.DocumentsFolder(), dir.File("home") + "/Projects/Kinemo/");
    EXPECT_TRUE(DirectoryExists(dir.File("home") + "/Projects/Kinemo"));

    // A documents folder that cannot be made (a file is in the way) is no default.
    test::WriteFile(dir.File("blocker"), "x");
    test::WriteFile(dir.File("config") + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + dir.File("blocker") + "/docs\"\n");
    EXPECT_EQ(folders.DocumentsFolder(), dir.File("home") + "/");
}

TEST(DocumentsFolder, TheProjectFolderDefaultIsAlwaysWritable) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("home"));
    std::filesystem::create_directories(dir.File("readonly"));
    ::chmod(dir.File("readonly").c_str(), 0555);
    std::filesystem::create_directories(dir.File("config"));
    TSpecialFolder folders(dir.File("config"), "", dir.File("home"));
    test::WriteFile(dir.File("config") + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    const std::string documents = dir.File("home") + "/Documents/";
    struct Case {
        const char* name;
        std::string stored, expected;
    };
    std::vector<Case> cases = {
        {"empty", "", documents},
        {"kept", dir.File("home") + "/jobs/", dir.File("home") + "/jobs/"},
        {"gone", dir.File("home") + "/removed/", documents},
    };
    // root writes everywhere, so the program's own install folder only counts for users.
    if (::geteuid() != 0) cases.push_back({"read-only, like the install folder", dir.File("readonly") + "/", documents});
    std::filesystem::create_directories(dir.File("home") + "/jobs");
    for (const Case& c : cases) {
        TConfigFile ini(folders.SettingsFile());
        ini.WriteString("Dir", "SaveFile", c.stored);
        ini.UpdateFile();
        EXPECT_EQ(TUserSettings::Read(folders).SaveFileFolder, c.expected) << c.name;
    }
    ::chmod(dir.File("readonly").c_str(), 0755);
}

TEST(RecentProjects, NewestFirstWithoutRepeatsAndAtMostEight) {
    TRecentProjects r;
    for (int i = 1; i <= 10; ++i) r.Add("/p/" + std::to_string(i) + ".kjb");
    ASSERT_EQ(r.Files().size(), 8u);
    EXPECT_EQ(r.Files().front(), "/p/10.kjb");
    EXPECT_EQ(r.Files().back(), "/p/3.kjb");
    r.Add("/p/5.kjb");  // an entry opened again moves to the top, not twice in the list
    EXPECT_EQ(r.Files()[0], "/p/5.kjb");
    EXPECT_EQ(std::count(r.Files().begin(), r.Files().end(), "/p/5.kjb"), 1);
    EXPECT_EQ(r.Files().size(), 8u);
    EXPECT_TRUE(r.Remove("/p/10.kjb"));
    EXPECT_FALSE(r.Remove("/p/10.kjb"));
    EXPECT_EQ(r.Files().size(), 7u);
}

TEST(RecentProjects, SettingsFileRoundTripLeavesNoStaleEntries) {
    TempDir dir;
    const std::string path = dir.File("s.ini");
    TRecentProjects r;
    for (const char* p : {"/a.kjb", "/b.kjb", "/c.kjb"}) r.Add(p);
    {
        TConfigFile ini(path);
        r.Write(ini);
        ini.UpdateFile();
    }
    r.Remove("/b.kjb");
    {
        TConfigFile ini(path);
        r.Write(ini);
        ini.UpdateFile();
    }
    const TRecentProjects back = TRecentProjects::Read(TConfigFile(path));
    EXPECT_EQ(back.Files(), (std::vector<std::string>{"/c.kjb", "/a.kjb"}));

    // Edited by hand: gaps, repeats and relative names are skipped.
    test::WriteFile(path, "[RecentProjects]\nFile1=/x.kjb\nFile2=\nFile3=rel.kjb\nFile4=/x.kjb\nFile5=/y.kjb\n");
    EXPECT_EQ(TRecentProjects::Read(TConfigFile(path)).Files(), (std::vector<std::string>{"/x.kjb", "/y.kjb"}));
}

TEST(RecentProjects, MenuTexts) {
    TRecentProjects r;
    r.Add("/data/a&b.kjb");
    r.Add("/home/u/jobs/press.kjb");
    EXPECT_EQ(r.MenuText(0, "&%d  %s", "/home/u/"), "&1  ~/jobs/press.kjb");
    EXPECT_EQ(r.MenuText(1, "&%d  %s", "/home/u/"), "&2  /data/a&&b.kjb");  // no stray mnemonic
    EXPECT_EQ(r.MenuText(0, "", "/home/u/"), "~/jobs/press.kjb");
    EXPECT_EQ(r.MenuText(0, "&%d %s", "/home/us/"), "&1 /home/u/jobs/press.kjb");  // a folder, not a prefix
    EXPECT_EQ(r.MenuText(2, "&%d %s", ""), "");
}

TEST(WindowPlacement, BroughtOntoTheScreensOfThisRun) {
    const TScreenRect left{0, 0, 1920, 1040}, right{1920, 0, 1280, 984};
    struct Case {
        const char* name;
        TScreenRect saved;
        std::vector<TScreenRect> screens;
        TScreenRect expected;
    };
    const Case cases[] = {
        {"fits: unchanged", {100, 80, 1000, 800}, {left, right}, {100, 80, 1000, 800}},
        {"on the second screen", {2000, 50, 1000, 800}, {left, right}, {2000, 50, 1000, 800}},
        {"second screen gone: onto the primary", {2000, 50, 1000, 800}, {left}, {920, 50, 1000, 800}},
        {"mostly on the right screen, pulled in", {1800, 100, 1000, 760}, {left, right}, {1920, 100, 1000, 760}},
        {"larger than the screen: shrunk", {-50, -20, 2500, 1400}, {left}, {0, 0, 1920, 1040}},
        {"grown below the minimum is kept at it", {10, 10, 500, 300}, {left}, {10, 10, 907, 738}},
        {"screen smaller than the minimum: the screen", {0, 0, 907, 738}, {{0, 0, 800, 600}}, {0, 0, 800, 600}},
        {"above and left of every screen", {-3000, -3000, 1000, 800}, {left, right}, {0, 0, 1000, 800}},
        {"no screens known: unchanged", {5, 6, 1000, 800}, {}, {5, 6, 1000, 800}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceWithinScreens(c.saved, c.screens, 907, 738), c.expected) << c.name;
}

TEST(WindowPlacement, SettingsFileRoundTripAndBadEntries) {
    TempDir dir;
    const std::string path = dir.File("s.ini");
    TWindowPlacement p;
    p.Normal = TScreenRect{-5, 30, 1200, 900};
    p.Maximized = true;
    p.Splitters["SplitterPattern"] = {320, 0, 640};
    {
        TConfigFile ini(path);
        p.Write(ini);
        ini.UpdateFile();
    }
    const TWindowPlacement back = TWindowPlacement::Read(TConfigFile(path));
    ASSERT_TRUE(back.Normal.has_value());
    EXPECT_EQ(*back.Normal, *p.Normal);
    EXPECT_TRUE(back.Maximized);
    EXPECT_EQ(back.Splitters.at("SplitterPattern"), (std::vector<int>{320, 0, 640}));

    test::WriteFile(path, "[Window]\nLeft=1\nTop=2\nWidth=0\nHeight=600\n[Splitters]\nA=1,,2\nB=-3,4\nC=7\n");
    const TWindowPlacement bad = TWindowPlacement::Read(TConfigFile(path));
    EXPECT_FALSE(bad.Normal.has_value());  // a window without width is no place
    EXPECT_FALSE(bad.Maximized);
    EXPECT_EQ(bad.Splitters.size(), 1u);
    EXPECT_EQ(bad.Splitters.at("C"), std::vector<int>{7});
}

// Right() and Bottom() add place and size: numbers near the end of int would overflow
// there, so a place no screen can have is left out as unreadable.
TEST(WindowPlacement, APlaceBeyondAnyScreenIsLeftOut) {
    TempDir dir;
    const std::string path = dir.File("s.ini");
    for (const char* place : {"Left=2147483000\nTop=0\nWidth=2000\nHeight=600",
                              "Left=0\nTop=-2147483000\nWidth=800\nHeight=2147483000",
                              "Left=0\nTop=0\nWidth=1000001\nHeight=600"}) {
        test::WriteFile(path, std::string("[Window]\n") + place + "\n[Splitters]\nA=2147483647,1\n");
        const TWindowPlacement p = TWindowPlacement::Read(TConfigFile(path));
        EXPECT_FALSE(p.Normal.has_value()) << place;
        EXPECT_TRUE(p.Splitters.empty()) << place;
    }
    test::WriteFile(path, "[Window]\nLeft=-1000000\nTop=1000000\nWidth=1000000\nHeight=1\n");
    const TWindowPlacement edge = TWindowPlacement::Read(TConfigFile(path));
    ASSERT_TRUE(edge.Normal.has_value());
    EXPECT_EQ(edge.Normal->Right(), 0);
}

TEST(WindowPlacement, SplitterSizeTexts) {
    struct Case {
        const char* text;
        std::optional<std::vector<int>> expected;
    };
    const Case cases[] = {
        {"120,340", std::vector<int>{120, 340}}, {"0", std::vector<int>{0}}, {"", std::nullopt},
        {"1,", std::nullopt}, {"a,1", std::nullopt}, {"1 ,2", std::nullopt}, {"99999999999", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSplitterSizes(c.text), c.expected) << c.text;
}
