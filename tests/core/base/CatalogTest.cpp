// Catalog access: clear errors for unusable files, the query cycle, and the text and
// setting readers over a small fixture catalog.
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::TempDir;

namespace {

std::string Fixture(const TempDir& dir) {
    std::string path = dir.File("Kinemo.db");
    test::MakeCatalog(path, std::string(test::kMinimalSchema) + R"(
        INSERT INTO s_config VALUES ('max_factor_count', 10, NULL), ('font_name', NULL, 'Sans');
        INSERT INTO m_db_version VALUES (1, '2.1.0.7');
        INSERT INTO s_message VALUES
          (3, 'error', 'NotAttachable', 'old text', NULL),
          (1, 'error', 'IllegalNumber', 'Not a number: %s', NULL),
          (9, 'error', 'NotAttachable', 'Cannot attach here', NULL),
          (5, 'combo', 'Items', 'second', NULL),
          (2, 'combo', 'Items', 'first', NULL),
          (1, 'frame', 'Help', 'Manual', 'help/index.html');
        CREATE TABLE t_numbers (n_cd INTEGER, n_value REAL, n_text TEXT);
        INSERT INTO t_numbers VALUES (1, 2.5, 'a'), (2, NULL, NULL), (3, 7.75, 'c');
    )");
    return path;
}

}  // namespace

TEST(Catalog, UnusableFilesGiveErrorsNamingTheFile) {
    TempDir dir;
    try {
        TCatalog c(dir.File("missing.db"));
        FAIL();
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "Catalog file not found: " + dir.File("missing.db"));
    }
    test::WriteFile(dir.File("text.db"), "this is not a database, just some text that is long enough");
    EXPECT_THROW(TCatalog(dir.File("text.db")), TKinemoError);
    test::MakeCatalog(dir.File("other.db"), "CREATE TABLE unrelated (x INTEGER);");
    try {
        TCatalog c(dir.File("other.db"));
        FAIL();
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "Not a Kinemo catalog: " + dir.File("other.db") + " (table s_config is missing)");
    }
    EXPECT_THROW(TCatalog(dir.Path()), TKinemoError);  // a folder
}

TEST(Catalog, AMissingTableIsNamedWhenAReaderNeedsIt) {
    TempDir dir;
    TCatalog catalog(Fixture(dir));
    TCatalogQuery q(catalog);
    q.SetSQL("select muc_cd from m_machine_unit_class");
    try {
        q.Open();
        FAIL();
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "Catalog " + dir.File("Kinemo.db") +
                                            ": no such table: m_machine_unit_class\nSQL: select muc_cd from m_machine_unit_class");
    }
    EXPECT_FALSE(q.Active());
    // The query is usable again after the failure.
    q.SetSQL("select count(*) from t_numbers");
    q.Open();
    EXPECT_EQ(q.AsInteger(0), 3);
}

TEST(Catalog, QueryCycleReadsFieldsByNameAndIndex) {
    TempDir dir;
    TCatalog catalog(Fixture(dir));
    TCatalogQuery q(catalog);
    q.SetSQL(std::vector<std::string>{"select n_cd, n_value, n_text from t_numbers", "where n_cd >= :LOW",
                                      "order by n_cd"});
    q.SetParam("LOW", 2);
    q.Open();
    ASSERT_FALSE(q.Eof());
    EXPECT_TRUE(q.HasField("N_VALUE"));
    EXPECT_FALSE(q.HasField("n_other"));
    EXPECT_TRUE(q.IsNull("n_value"));
    EXPECT_EQ(q.AsFloat("n_value"), 0.0);
    EXPECT_EQ(q.AsString(2), "");
    q.Next();
    EXPECT_EQ(q.AsInteger("n_cd"), 3);
    EXPECT_DOUBLE_EQ(q.AsFloat(1), 7.75);
    EXPECT_EQ(q.AsString("n_text"), "c");
    EXPECT_THROW(q.AsString("nope"), TKinemoError);
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_THROW(q.AsInteger(0), TKinemoError);
    q.Close();
    // A parameter the SQL names but the reader did not set is an error, not a NULL.
    q.SetSQL("select n_cd from t_numbers where n_cd = :MISSING");
    EXPECT_THROW(q.Open(), TKinemoError);
}

TEST(Catalog, TwoOpenQueriesWithTheSameTextDoNotDisturbEachOther) {
    TempDir dir;
    TCatalog catalog(Fixture(dir));
    TCatalogQuery outer(catalog), inner(catalog);
    const std::string sql = "select n_cd from t_numbers where n_cd >= :LOW order by n_cd";
    outer.SetSQL(sql);
    outer.SetParam("LOW", 1);
    outer.Open();
    std::vector<long long> seen;
    for (; !outer.Eof(); outer.Next()) {
        inner.SetSQL(sql);
        inner.SetParam("LOW", 3);
        inner.Open();
        EXPECT_EQ(inner.AsInteger(0), 3);
        inner.Close();
        seen.push_back(outer.AsInteger(0));
    }
    EXPECT_EQ(seen, (std::vector<long long>{1, 2, 3}));
}

TEST(CatalogText, ReadersOfMessagesSettingsAndVersion) {
    TempDir dir;
    TCatalog catalog(Fixture(dir));
    TCatalogQuery q(catalog);
    TNameValueList errors = ReadMessageClass(q, "error");
    EXPECT_EQ(errors.Value("NotAttachable"), "Cannot attach here");  // the later row wins
    EXPECT_EQ(ReadMessageText(q, "error", "IllegalNumber"), "Not a number: %s");
    EXPECT_EQ(ReadMessageText(q, "error", "NoSuchKey"), "");
    EXPECT_EQ(ReadMessageItems(q, "combo", "Items"), (std::vector<std::string>{"first", "second"}));
    auto help = ReadMessageWithSymbol(q, "frame", "Help");
    EXPECT_EQ(help.first, "Manual");
    EXPECT_EQ(help.second, "help/index.html");
    EXPECT_EQ(ReadConfigInteger(q, "max_factor_count"), 10);
    EXPECT_EQ(ReadConfigInteger(q, "absent"), 0);  // no element could be added then
    EXPECT_EQ(ReadConfigText(q, "font_name"), "Sans");
    EXPECT_EQ(ReadConfigText(q, "absent"), "");
    EXPECT_EQ(ReadMdbVersionText(q), "2.1.0.7");
}

TEST(ErrorMessage, KeyedErrorsCarryCatalogTexts) {
    TempDir dir;
    TCatalog catalog(Fixture(dir));
    TCatalogQuery q(catalog);
    TErrorMessage table(q);
    EXPECT_EQ(table.GetText("NotAttachable"), "Cannot attach here");
    EXPECT_EQ(table.GetFormattedText("IllegalNumber", "abc"), "Not a number: abc");
    TErrorMessageException plain(table, "NotAttachable");
    EXPECT_STREQ(plain.what(), "Cannot attach here");
    EXPECT_EQ(plain.Key(), "NotAttachable");
    TErrorMessageException missing(table, "NoSuchKey");
    EXPECT_STREQ(missing.what(), "");
    TFormatErrorMessageException formatted(table, "IllegalNumber", {std::string("-3")});
    EXPECT_STREQ(formatted.what(), "Not a number: -3");
    TFormatErrorMessageException noDirective(table, "NotAttachable", {std::string("x")});
    EXPECT_STREQ(noDirective.what(), "Cannot attach here");
    // Both are the system's errors: one catch at the boundary takes them.
    EXPECT_THROW(throw TFormatErrorMessageException(table, "IllegalNumber", {}), TKinemoError);
}
