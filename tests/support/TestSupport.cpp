// Shared test helpers.
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <stdexcept>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kinemo::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "kinemo-test-XXXXXX").string();
    char* made = ::mkdtemp(tmpl.data());
    if (!made) throw std::runtime_error("mkdtemp failed");
    path_ = made;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Folders made read-only by a test must become writable again to be removed.
    for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec))
        std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

const char* const kMinimalSchema = R"(
CREATE TABLE s_config (cfg_class TEXT, cfg_value INTEGER, cfg_name TEXT);
CREATE TABLE m_db_version (mdv_cd INTEGER, mdv_value TEXT);
CREATE TABLE s_message (msg_cd INTEGER, msg_class TEXT, msg_control TEXT, msg_value TEXT, msg_symbol TEXT);
)";

void MakeCatalog(const std::string& path, const std::string& sql) {
    std::remove(path.c_str());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* err = nullptr;
    // One transaction: statement-by-statement commits would sync the disk each time.
    const std::string wrapped = "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;\n" + sql + "\nCOMMIT;";
    int rc = sqlite3_exec(db, wrapped.c_str(), nullptr, nullptr, &err);
    std::string why = err ? err : "";
    sqlite3_free(err);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << why;
}

void ApplyCatalogSql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    char* err = nullptr;
    const std::string wrapped = "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;\n" + sql + "\nCOMMIT;";
    const int rc = sqlite3_exec(db, wrapped.c_str(), nullptr, nullptr, &err);
    const std::string why = err ? err : "";
    sqlite3_free(err);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error(path + ": " + why);
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string SampleCatalogPath() { return std::string(KINEMO_BIN_DIR) + "/Kinemo.db"; }

}  // namespace kinemo::test
