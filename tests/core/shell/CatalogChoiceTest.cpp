// Choosing the catalog of a run: command line, stored language, build tree and installed
// layout, missing files.
#include "shell/CatalogChoice.h"
#include "shell/LanguageModel.h"
#include "base/ConfigFile.h"
#include "base/KinemoError.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kinemo;
using kinemo::test::TempDir;
using kinemo::test::WriteFile;

namespace {

// A program folder laid out like the build tree (catalogs beside the program) or like an
// installed program (bin/ and share/kinemo/).
struct Layout {
    TempDir dir;
    std::string program, data, settings;
    Layout(bool installed, bool withJapanese) {
        program = dir.File(installed ? "usr/bin" : "build/bin");
        data = installed ? dir.File("usr/share/kinemo") : program;
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(data);
        WriteFile(data + "/Kinemo.db", "");
        if (withJapanese) WriteFile(data + "/Kinemo-ja.db", "");
        settings = dir.File("Kinemo.ini");
    }
};

std::string Canonical(const std::string& path) { return std::filesystem::weakly_canonical(path).string(); }

}  // namespace

TEST(CatalogChoice, StoredLanguageAndLayoutPickTheFile) {
    struct Case {
        const char* name;
        bool installed, withJapanese;
        const char* stored;  // nullptr: nothing stored
        const char* expectedFile;
    };
    const Case cases[] = {
        {"first start, build tree", false, true, nullptr, "Kinemo.db"},
        {"Japanese chosen, build tree", false, true, "ja", "Kinemo-ja.db"},
        {"Japanese chosen, installed", true, true, "ja", "Kinemo-ja.db"},
        {"English chosen, installed", true, true, "en", "Kinemo.db"},
        {"Japanese chosen but not installed", true, false, "ja", "Kinemo.db"},
        {"unknown language stored", false, true, "xx", "Kinemo.db"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Layout layout(c.installed, c.withJapanese);
        if (c.stored) WriteCatalogLanguage(layout.settings, c.stored);
        const TCatalogChoice choice = ChooseCatalog(layout.program, {"job.kjb"}, layout.settings);
        EXPECT_EQ(Canonical(choice.CatalogPath), Canonical(layout.data + "/" + c.expectedFile));
        EXPECT_EQ(Canonical(choice.PictureFolder), Canonical(layout.data));
        EXPECT_EQ(choice.Arguments, std::vector<std::string>{"job.kjb"});
    }
}

TEST(CatalogChoice, AnInstalledProgramFindsItsDataFolderWithoutDotDot) {
    Layout installed(true, false);
    EXPECT_EQ(FindDataFolder(installed.program), installed.data + "/");
    EXPECT_EQ(FindDataFolder(installed.program + "/"), installed.data + "/");
    Layout build(false, false);
    EXPECT_EQ(FindDataFolder(build.program), build.program + "/");
    TempDir empty;  // no catalog anywhere: the program's own folder (opening it reports the error)
    EXPECT_EQ(FindDataFolder(empty.File("bin")), empty.File("bin") + "/");
}

TEST(CatalogChoice, CommandLineNamesTheFileAndIsRemovedFromTheArguments) {
    Layout layout(true, true);
    WriteCatalogLanguage(layout.settings, "ja");
    const std::string own = layout.dir.File("mine");
    std::filesystem::create_directories(own + "/picture");
    const std::string other = layout.dir.File("other");
    std::filesystem::create_directories(other);

    TCatalogChoice a = ChooseCatalog(layout.program, {"--catalog", own + "/My.db", "job.kjb"}, layout.settings);
    EXPECT_EQ(a.CatalogPath, own + "/My.db");
    EXPECT_EQ(a.PictureFolder, own + "/");  // a catalog with its own pictures
    EXPECT_EQ(a.Arguments, std::vector<std::string>{"job.kjb"});

    TCatalogChoice b = ChooseCatalog(layout.program, {"job.kjb", "--catalog=" + other + "/Other.db"}, layout.settings);
    EXPECT_EQ(b.CatalogPath, other + "/Other.db");
    EXPECT_EQ(Canonical(b.PictureFolder), Canonical(layout.data));  // no pictures of its own
    EXPECT_EQ(b.Arguments, std::vector<std::string>{"job.kjb"});

    EXPECT_THROW(ChooseCatalog(layout.program, {"--catalog"}, layout.settings), TKinemoError);
    EXPECT_THROW(ChooseCatalog(layout.program, {"--catalog="}, layout.settings), TKinemoError);
}

TEST(CatalogChoice, LanguageIsStoredBesideOtherSettings) {
    TempDir dir;
    const std::string settings = dir.File("Kinemo.ini");
    WriteFile(settings, "[Dir]\nSaveFile=/home/me/jobs/\n");
    EXPECT_EQ(ReadCatalogLanguage(settings), "en");
    WriteCatalogLanguage(settings, "ja");
    EXPECT_EQ(ReadCatalogLanguage(settings), "ja");
    EXPECT_EQ(TConfigFile(settings).ReadString("Dir", "SaveFile", ""), "/home/me/jobs/");
}

TEST(LanguageModel, OffersTheInstalledCatalogsAndStoresAChangeForTheNextStart) {
    Layout both(true, true);
    TNameValueList texts;
    texts.SetValue("Language.en", "English");
    texts.SetValue("Language.ja", "日本語");
    TLanguageModel model(both.data, both.settings, texts);
    ASSERT_EQ(model.Languages().size(), 2u);
    EXPECT_EQ(model.LanguageName(1), "日本語");
    EXPECT_EQ(model.CurrentIndex(), 0u);
    EXPECT_FALSE(model.Accept(0));  // unchanged: nothing written, no restart note
    EXPECT_FALSE(std::filesystem::exists(both.settings));
    EXPECT_TRUE(model.Accept(1));
    EXPECT_EQ(ReadCatalogLanguage(both.settings), "ja");
    EXPECT_EQ(TLanguageModel(both.data, both.settings, texts).CurrentIndex(), 1u);
    EXPECT_FALSE(model.Accept(7));

    Layout english(false, false);
    WriteCatalogLanguage(english.settings, "ja");  // chosen, then the Japanese catalog removed
    TLanguageModel only(english.data, english.settings, {});
    ASSERT_EQ(only.Languages().size(), 1u);
    EXPECT_EQ(only.CurrentIndex(), 0u);
    EXPECT_EQ(only.LanguageName(0), "en");  // no text: the code
}
