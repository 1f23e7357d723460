// The INI stand-in for the registry and the CAD availability rule it feeds.
#include "shell/CadAvailability.h"
#include "base/Registry.h"
#include "base/SpecialFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kinemo;
using kinemo::test::TempDir;

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteFile(dir.File("user.ini"), "; per-user values\n"
                                              "[Software\\Kinemo\\CadLink]\n"
                                              "Language=en\n"
                                              "\"Quoted\"=\"a b\"\n"
                                              "[software/app paths/cad.exe]\n"
                                              "@=/opt/cad/bin/cad\n");
        test::WriteFile(dir.File("system.ini"), "[SOFTWARE\\KINEMO\\CADLINK]\n"
                                                "Language=ja\n"
                                                "Extra=never read\n"
                                                "[Software\\Other]\n"
                                                "Language=de\n");
    }
    TRegistry Both() { return TRegistry({dir.File("user.ini"), dir.File("system.ini"), dir.File("missing.ini")}); }
    TempDir dir;
};

}  // namespace

TEST_F(Registry, KeyPathsIgnoreCaseAndDelimiterKind) {
    TRegistry r = Both();
    EXPECT_TRUE(r.KeyExists("Software\\Kinemo\\CadLink"));
    EXPECT_TRUE(r.KeyExists("\\software\\kinemo\\cadlink\\"));
    EXPECT_TRUE(r.KeyExists("Software\\App Paths\\CAD.exe"));
    EXPECT_FALSE(r.KeyExists("Software\\Kinemo"));
    EXPECT_FALSE(r.KeyExists(""));
}

TEST_F(Registry, TheFirstFileHoldingAKeyAnswersForAllItsValues) {
    TRegistry r = Both();
    EXPECT_EQ(r.ReadString("Software\\Kinemo\\CadLink", "Language"), "en");
    EXPECT_FALSE(r.ReadString("Software\\Kinemo\\CadLink", "Extra").has_value());
    EXPECT_EQ(r.ReadString("Software\\Kinemo\\CadLink", "quoted"), "a b");
    // A key only the system file holds is read from it.
    EXPECT_EQ(r.ReadString("Software\\Other", "Language"), "de");
}

TEST_F(Registry, AtIsTheDefaultValue) {
    TRegistry r = Both();
    EXPECT_EQ(r.ReadString("Software\\App Paths\\cad.exe", ""), "/opt/cad/bin/cad");
    EXPECT_EQ(r.ReadString("Software\\App Paths\\cad.exe", "@"), "/opt/cad/bin/cad");
    EXPECT_FALSE(r.ReadString("Software\\Kinemo\\CadLink", "").has_value());
}

TEST_F(Registry, UserFolderFirstThenTheSystemFolders) {
    setenv("XDG_CONFIG_DIRS", (dir.Path() + "/etc1:" + dir.Path() + "/etc2").c_str(), 1);
    const auto files = TRegistry::UserFiles(TSpecialFolder(dir.Path() + "/home"));
    unsetenv("XDG_CONFIG_DIRS");
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0], dir.Path() + "/home/Kinemo/registry.ini");
    EXPECT_EQ(files[1], dir.Path() + "/etc1/Kinemo/registry.ini");
    EXPECT_EQ(files[2], dir.Path() + "/etc2/Kinemo/registry.ini");
    EXPECT_EQ(TRegistry::UserFiles(TSpecialFolder(dir.Path()))[1], "/etc/xdg/Kinemo/registry.ini");
}

// The defaults installed beside the executables (the CAD data program Kinemo ships with)
// answer last: a user's own entry wins.
TEST_F(Registry, ProgramFolderDefaultsComeLast) {
    const auto files = TRegistry::UserFiles(TSpecialFolder(dir.Path() + "/home"), dir.Path() + "/bin");
    EXPECT_EQ(files.back(), dir.Path() + "/bin/registry.ini");
    test::WriteFile(dir.File("default.ini"), "[App Paths\\Zerith.EXE]\n@=kinemo-cad\n[Software\\Kinemo\\CadLink]\nLanguage=en\n");
    test::WriteFile(dir.File("user.ini"), "[App Paths\\Zerith.EXE]\n@=/opt/other/cad\n");
    const TRegistry r({dir.File("user.ini"), dir.File("default.ini")});
    EXPECT_EQ(r.ReadString("App Paths\\Zerith.EXE", ""), "/opt/other/cad");
    EXPECT_EQ(r.ReadString("Software\\Kinemo\\CadLink", "Language"), "en");
}

TEST_F(Registry, CadPageNeedsTheKeyAndTheSameLanguage) {
    TRegistry r = Both();
    const TCadAvailability same = CheckCadAvailability(r, "Software\\Kinemo\\CadLink", "en");
    EXPECT_TRUE(same.Available);
    EXPECT_FALSE(same.LanguageMismatch());

    const TCadAvailability other = CheckCadAvailability(r, "Software\\Kinemo\\CadLink", "EN");  // exact text
    EXPECT_FALSE(other.Available);
    EXPECT_TRUE(other.LanguageMismatch());
    EXPECT_EQ(other.Language, "en");

    const TCadAvailability missing = CheckCadAvailability(r, "Software\\NoSuchProgram", "en");
    EXPECT_FALSE(missing.Available);
    EXPECT_FALSE(missing.LanguageMismatch());  // not installed: no message

    const TCadAvailability noPath = CheckCadAvailability(r, "", "");
    EXPECT_FALSE(noPath.Available);
}

TEST_F(Registry, AKeyWithoutALanguageValueIsNoMismatch) {
    test::WriteFile(dir.File("bare.ini"), "[Software\\Cad]\nOther=1\n");
    TRegistry r({dir.File("bare.ini")});
    const TCadAvailability a = CheckCadAvailability(r, "Software\\Cad", "en");
    EXPECT_FALSE(a.Available);
    EXPECT_FALSE(a.LanguageMismatch());
}
