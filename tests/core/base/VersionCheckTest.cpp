// The three-level version check: which texts match, which message is shown and what
// the user's answer decides.
#include "base/ApplicationVersion.h"
#include "base/Catalog.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::TempDir;
using kinemo::test::TRecordingDialogs;

namespace {

class VersionCheck : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeCatalog(dir.File("c.db"), std::string(test::kMinimalSchema) + R"(
            INSERT INTO s_message VALUES
              (1, 'main_window', 'MdbVersion_Application_1', 'major differs', NULL),
              (2, 'main_window', 'MdbVersion_Application_2', 'minor differs', NULL),
              (3, 'main_window', 'MdbVersion_Application_3', 'release differs, continue?', NULL),
              (4, 'main_window', 'ConfigFile_Mdb_3', 'File %s: catalog release differs, continue?', NULL);
        )");
        catalog = std::make_unique<TCatalog>(dir.File("c.db"));
        query = std::make_unique<TCatalogQuery>(*catalog);
    }
    bool Check(const std::string& own, const std::string& other) {
        return CheckApplicationVersion(own, other, "MdbVersion", std::nullopt, *query, dialogs);
    }
    TempDir dir;
    std::unique_ptr<TCatalog> catalog;
    std::unique_ptr<TCatalogQuery> query;
    TRecordingDialogs dialogs;
};

}  // namespace

TEST(VersionMismatchLevel, ComparesExactTextsPerLevel) {
    EXPECT_EQ(VersionMismatchLevel("1.2.3.4", "1.2.3.9"), 0);  // the build never counts
    EXPECT_EQ(VersionMismatchLevel("1.2.3.4", "2.2.3.4"), 1);
    EXPECT_EQ(VersionMismatchLevel("1.2.3.4", "1.02.3.4"), 2);  // "2" and "02" differ
    EXPECT_EQ(VersionMismatchLevel("1.2.3.4", "1.2.4.4"), 3);
    EXPECT_EQ(VersionMismatchLevel("1.2.3.4", "1.2.3"), 3);  // no "." left: empty component
    EXPECT_EQ(VersionMismatchLevel("1.2.3.4", ""), 1);
    EXPECT_EQ(VersionMismatchLevel("", ""), 1);
}

TEST_F(VersionCheck, BuildDifferenceIsAcceptedSilently) {
    EXPECT_TRUE(Check("1.0.0.0", "1.0.0.17"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(VersionCheck, MajorAndMinorMismatchRefuseWithOk) {
    EXPECT_FALSE(Check("1.0.0.0", "2.0.0.0"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "major differs");
    EXPECT_EQ(dialogs.messages[0].buttons, unsigned(mbOK));
    EXPECT_FALSE(Check("1.0.0.0", "1.1.0.0"));
    EXPECT_EQ(dialogs.messages[1].text, "minor differs");
    EXPECT_FALSE(Check("1.0.0.0", ""));  // empty or missing catalog version
    EXPECT_EQ(dialogs.messages[2].text, "major differs");
}

TEST_F(VersionCheck, ReleaseMismatchAsksAndTheAnswerDecides) {
    dialogs.answers = {mrYes, mrNo};
    EXPECT_TRUE(Check("1.0.0.0", "1.0.1.0"));
    EXPECT_FALSE(Check("1.0.0.0", "1.0.0"));  // three components always ask
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "release differs, continue?");
    EXPECT_EQ(dialogs.messages[1].buttons, unsigned(mbYes | mbNo));
}

TEST_F(VersionCheck, FormatArgumentFillsTheText) {
    dialogs.answers = {mrYes};
    EXPECT_TRUE(CheckMdbVersion("1.0.0.0", "1.0.2.0", "ConfigFile", std::string("job.kjb"), *query, dialogs));
    EXPECT_EQ(dialogs.messages.at(0).text, "File job.kjb: catalog release differs, continue?");
}

TEST(ApplicationVersion, HasFourComponents) {
    std::string v = ApplicationVersionText();
    EXPECT_EQ(std::count(v.begin(), v.end(), '.'), 3) << v;
}
