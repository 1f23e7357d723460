// The window caption formats and where help commands lead.
#include "app/HelpTarget.h"
#include "base/KinemoError.h"
#include "app/WindowCaptions.h"

#include <gtest/gtest.h>

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
