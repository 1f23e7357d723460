// Builds the catalog database from its SQL text files: mkcatalog OUT.db schema.sql data1.sql ...
// The file is built beside the target and renamed over it, so a failed build leaves no
// half-filled catalog. A data file may list problems as rows of the temporary table
// build_problem (message): every row is printed and the build fails.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

static bool RunFile(sqlite3* db, const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "mkcatalog: can not read %s\n", path);
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    char* err = nullptr;
    if (sqlite3_exec(db, ss.str().c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "mkcatalog: %s: %s\n", path, err ? err : "error");
        sqlite3_free(err);
        return false;
    }
    return true;
}

// Prints the rows of temp.build_problem; true when there are none (or no such table).
static bool NoBuildProblems(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT message FROM temp.build_problem ORDER BY rowid", -1, &st, nullptr) != SQLITE_OK)
        return true;
    int count = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(st, 0);
        std::fprintf(stderr, "%s\n", text ? reinterpret_cast<const char*>(text) : "");
        ++count;
    }
    sqlite3_finalize(st);
    if (count > 0) std::fprintf(stderr, "mkcatalog: %d problem(s) listed above\n", count);
    return count == 0;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mkcatalog OUT.db schema.sql [data.sql ...]\n");
        return 2;
    }
    std::string out = argv[1];
    std::string tmp = out + ".building";
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "mkcatalog: can not create %s\n", tmp.c_str());
        return 1;
    }
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
    bool ok = sqlite3_exec(db, "PRAGMA foreign_keys=ON; BEGIN;", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (int i = 2; ok && i < argc; ++i) ok = RunFile(db, argv[i]);
    ok = ok && NoBuildProblems(db);
    ok = ok && sqlite3_exec(db, "COMMIT; VACUUM;", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!ok || std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::remove(tmp.c_str());
        std::fprintf(stderr, "mkcatalog: %s not built\n", out.c_str());
        return 1;
    }
    return 0;
}
