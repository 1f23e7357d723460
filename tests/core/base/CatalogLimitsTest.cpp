// A catalog from others cannot keep the program busy: a view where a table belongs is
// refused when the catalog is opened, and a query past its deadline is stopped, named.
#include "base/Catalog.h"
#include "base/KinemoError.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace kinemo;
using namespace std::chrono_literals;
using kinemo::test::TempDir;

TEST(CatalogLimits, ATableReplacedByAnEndlessViewIsRefusedNamingIt) {
    TempDir dir;
    const std::string path = dir.File("Kinemo.db");
    std::filesystem::copy_file(test::SampleCatalogPath(), path);
    test::ApplyCatalogSql(path, R"(
        ALTER TABLE t_motor_value RENAME TO t_motor_value_kept;
        CREATE VIEW t_motor_value AS
          WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n)
          SELECT t_motor_value_kept.* FROM t_motor_value_kept, n;
    )");
    try {
        TCatalog catalog(path);
        FAIL() << "the catalog was opened";
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "The catalog \"" + path +
                                             "\" cannot be used: \"t_motor_value\" is a view, and a catalog holds "
                                             "tables only.");
    }
}

TEST(CatalogLimits, AQueryPastItsDeadlineIsStoppedNamingItsSql) {
    TempDir dir;
    const std::string path = dir.File("Kinemo.db");
    test::MakeCatalog(path, std::string(test::kMinimalSchema) + R"(
        INSERT INTO s_message VALUES (1, 'error', 'CatalogQueryTimeLimit', 'Query of %s stopped after %s s: %s', NULL);
    )");
    TCatalog catalog(path);
    catalog.SetQueryTimeLimit(100ms);
    TCatalogQuery q(catalog);
    const std::string sql = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT count(*) FROM n";
    q.SetSQL(sql);
    try {
        q.Open();
        FAIL() << "the endless query ended";
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "Query of " + path + " stopped after 0.1 s: " + sql);
    }
    // The catalog stays usable: the next query has its own deadline.
    q.SetSQL("select count(*) from s_message");
    q.Open();
    EXPECT_EQ(q.AsInteger(0), 1);
}
