// The run context's start-up reading of the catalog: s_config values and the version
// check that may refuse a catalog.
#include "session/KinemoContext.h"
#include "base/KinemoError.h"
#include "base/ApplicationVersion.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::TempDir;
using kinemo::test::TRecordingDialogs;

namespace {

std::string CatalogFor(const TempDir& dir, const std::string& trueVersion) {
    std::string path = dir.File("Kinemo.db");
    test::MakeCatalog(path, std::string(test::kMinimalSchema) +
                                "INSERT INTO s_config VALUES ('debug_mode', 1, NULL), ('max_factor_count', 8, NULL),"
                                " ('user_define_factor', 0, NULL), ('true_application_version', NULL, '" +
                                trueVersion +
                                "');"
                                "INSERT INTO m_db_version VALUES (1, '5.6.7.8');"
                                "INSERT INTO s_message VALUES (1, 'main_window', 'MdbVersion_Application_1', "
                                "'This catalog belongs to another program version.', NULL);");
    return path;
}

}  // namespace

TEST(Context, ReadsConfigAndAcceptsAMatchingCatalog) {
    TempDir dir;
    TRecordingDialogs dialogs;
    TKinemoContext ctx(CatalogFor(dir, ApplicationVersionText()), TSpecialFolder(dir.File("cfg")), dialogs);
    EXPECT_TRUE(ctx.ReadCatalogConfig());
    EXPECT_TRUE(ctx.Run().DebugMode);
    EXPECT_FALSE(ctx.Run().UserDefineFactor);
    EXPECT_EQ(ctx.Run().MaxFactorCount, 8);
    EXPECT_EQ(ctx.Run().FontName, "");  // missing key
    EXPECT_EQ(ctx.Run().MdbVersionText, "5.6.7.8");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Context, ACatalogOfAnotherMajorVersionIsRefusedWithItsMessage) {
    TempDir dir;
    TRecordingDialogs dialogs;
    TKinemoContext ctx(CatalogFor(dir, "999.0.0.0"), TSpecialFolder(dir.File("cfg")), dialogs);
    EXPECT_FALSE(ctx.ReadCatalogConfig());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "This catalog belongs to another program version.");
}

TEST(Context, SampleCatalogIsAcceptedAndHasItsServices) {
    TempDir dir;
    TRecordingDialogs dialogs;
    TKinemoContext ctx(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
    EXPECT_TRUE(ctx.ReadCatalogConfig());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ctx.Run().MaxFactorCount, 10);
    EXPECT_TRUE(ctx.Run().UserDefineFactor);
}

TEST(Context, NoCatalogNoContext) {
    TempDir dir;
    TRecordingDialogs dialogs;
    EXPECT_THROW(TKinemoContext(dir.File("none.db"), TSpecialFolder(dir.File("cfg")), dialogs), TKinemoError);
}
