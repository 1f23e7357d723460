// The window caption formats and where help commands lead.
#include "shell/HelpTarget.h"
#include "base/KinemoError.h"
#include "shell/WindowCaptions.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace kinemo;

TEST(WindowCaptions, BaseCaptionWithoutAFileAndFileCaptionWithItsNameOnly) {
    TWindowCaptions c("%s %s (%s)", "%%s - %s %s (%s)", "Kinemo", "1.0.0.0", "2.5.0.1");
    EXPECT_EQ(c.Base(), "Kinemo 1.0.0.0 (2.5.0.1)");
    EXPECT_EQ(c.Caption(""), "Kinemo 1.0.0.0 (2.5.0.1)");
    EXPECT_EQ(c.Caption("/home/u/jobs/press line.kjb"), "press line.kjb - Kinemo 1.0.0.0 (2.5.0.1)");
}

TEST(WindowCaptions, PercentSignsInFileNamesAreNotDirectives) {
    TWindowCaptions c("%s", "%s %s %s: %%s", "Kinemo", "1.0.0.0", "2");
    EXPECT_EQ(c.Caption("/tmp/50%d.kjb"), "Kinemo 1.0.0.0 2: 50%d.kjb");
}

TEST(WindowCaptions, UnsavedChangesAreMarkedByTheCatalogsFormat) {
    TWindowCaptions c("%s %s (%s)", "%%s - %s %s (%s)", "Kinemo", "1.0.0.0", "2.5.0.1");
    EXPECT_EQ(c.Caption("/a/50%d.kjb", true), "50%d.kjb - Kinemo 1.0.0.0 (2.5.0.1)");  // no format: no mark
    c.SetModifiedFormat("*%s");
    EXPECT_EQ(c.Caption("", true), "*Kinemo 1.0.0.0 (2.5.0.1)");
    EXPECT_EQ(c.Caption("/a/50%d.kjb", true), "*50%d.kjb - Kinemo 1.0.0.0 (2.5.0.1)");
    EXPECT_EQ(c.Caption("/a/50%d.kjb", false), "50%d.kjb - Kinemo 1.0.0.0 (2.5.0.1)");
}

TEST(WindowCaptions, MissingFormatsGiveEmptyCaptions) {
    TWindowCaptions c("", "", "Kinemo", "1.0.0.0", "2");
    EXPECT_EQ(c.Caption(""), "");
    EXPECT_EQ(c.Caption("/a/b.kjb"), "");
}

TEST(WindowCaptions, AFormatAskingForMoreTextsThanThereAreFails) {
    EXPECT_THROW(TWindowCaptions("%s %s %s %s", "", "Kinemo", "1", "2"), TKinemoError);
    // A file format without the kept "%%s" cannot take the file name.
    TWindowCaptions noName("%s", "%s %s %s", "Kinemo", "1", "2");
    EXPECT_EQ(noName.Caption("/a/b.kjb"), "Kinemo 1 2");
}

TEST(HelpTargets, WebAddressesAreOpenedUnchanged) {
    const THelpTarget h = ResolveHelpTarget("http://example.org/help", "/opt/kinemo/");
    EXPECT_TRUE(h.IsWebAddress);
    EXPECT_EQ(h.Target, "http://example.org/help");
    EXPECT_EQ(ResolveHelpTarget("HTTPS://example.org", "/opt/kinemo/").Target, "HTTPS://example.org");
}

TEST(HelpTargets, OtherTargetsLieBelowTheProgramFolder) {
    const THelpTarget h = ResolveHelpTarget("doc\\manual.pdf", "/opt/kinemo");
    EXPECT_FALSE(h.IsWebAddress);
    EXPECT_EQ(h.Target, "/opt/kinemo/doc/manual.pdf");
    EXPECT_EQ(ResolveHelpTarget("\\index.html", "/opt/kinemo/").Target, "/opt/kinemo/index.html");
}

TEST(HelpTargets, NoSymbolOpensNothing) {
    // Without this the bare program folder would be opened.
    EXPECT_EQ(ResolveHelpTarget("", "/opt/kinemo/").Target, "");
}

// A catalog folder from someone else supplies help pages only: nothing outside the folder,
// also not through ".." or a link, and nothing a desktop would run when it is opened.
TEST(HelpTargets, TargetsOutsideTheFolderOrNoHelpPagesAreRefused) {
    test::TempDir dir;
    const std::string folder = dir.File("catalog");
    std::filesystem::create_directories(folder + "/doc");
    test::WriteFile(folder + "/doc/help.html", "<p>help</p>");
    test::WriteFile(dir.File("outside.html"), "<p>not the catalog's</p>");
    ASSERT_EQ(::symlink(dir.File("outside.html").c_str(), (folder + "/doc/linked.html").c_str()), 0);
    test::WriteFile(folder + "/doc/setup.sh", "#!/bin/sh\n");
    test::WriteFile(folder + "/doc/start.desktop", "[Desktop Entry]\n");

    EXPECT_FALSE(ResolveHelpTarget("doc\\help.html", folder).Refused);
    EXPECT_FALSE(ResolveHelpTarget("doc/missing.PDF", folder).Refused);  // missing is told later
    for (const char* symbol : {"..\\outside.html", "doc\\..\\..\\outside.html", "doc/linked.html",
                               "doc\\setup.sh", "doc\\start.desktop", "doc"}) {
        SCOPED_TRACE(symbol);
        EXPECT_TRUE(ResolveHelpTarget(symbol, folder).Refused);
    }
}
