// The read-only catalog database and the query object every reader uses.
#pragma once

#include <chrono>
#include <cstdint>
#include <atomic>
#include <limits>
#include <map>
#include <mutex>
#include <memory>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kinemo {

// One read-only connection to a catalog file. Errors name the file. Queries of several
// threads may share it (the connection is serialized, the statement pool locked), but one
// query object belongs to one thread at a time: a sizing session opens a connection of its
// own, so its queries never wait for another session's.
class TCatalog {
public:
    // Opens path read-only and checks that it is an SQLite database holding the catalog's
    // system tables and no views (a view standing in for a table can make every query
    // endless); raises TKinemoError naming the file otherwise. The schema is not trusted:
    // it may call no function that has side effects.
    explicit TCatalog(std::string path);
    ~TCatalog();
    TCatalog(const TCatalog&) = delete;
    TCatalog& operator=(const TCatalog&) = delete;

    const std::string& Path() const { return path_; }
    bool HasTable(const std::string& name) const;
    std::vector<std::string> TableNames() const;
    long long RowCount(const std::string& table);

    // Number of queries opened so far: lets tests prove that a path reads no catalog.
    long long OpenCount() const { return openCount_.load(std::memory_order_relaxed); }

    // Prepared statements are kept per SQL text, so reopening a query costs no parsing;
    // a statement is lent to one open query at a time.
    sqlite3_stmt* Acquire(const std::string& sql);
    void Release(sqlite3_stmt* stmt);
    void CountOpen() { openCount_.fetch_add(1, std::memory_order_relaxed); }
    [[noreturn]] void Fail(const std::string& what) const;
    // Raises the failure of a statement: a query stopped at its deadline names its SQL.
    [[noreturn]] void FailStatement(int rc, const std::string& why, const std::string& sql) const;

    // Time one step of a query (its first row, or the next) may take before it is stopped.
    void SetQueryTimeLimit(std::chrono::milliseconds limit) { queryTimeLimit_ = limit; }
    // Starts the deadline of the step about to run.
    void StartDeadline() const {
        deadline_.store((std::chrono::steady_clock::now() + queryTimeLimit_).time_since_epoch().count(),
                        std::memory_order_relaxed);
    }
    static constexpr std::chrono::milliseconds kDefaultQueryTimeLimit{10'000};

private:
    static int Progress(void* self);
    // The catalog's own text of an error key, or empty.
    std::string Message(const std::string& key) const;
    void Refuse(const std::string& why);

    std::string path_;
    sqlite3* db_ = nullptr;
    std::chrono::milliseconds queryTimeLimit_ = kDefaultQueryTimeLimit;
    // Ticks of the steady clock; queries sharing the connection share the latest deadline.
    mutable std::atomic<std::chrono::steady_clock::rep> deadline_{
        std::numeric_limits<std::chrono::steady_clock::rep>::max()};
    struct Pooled {
        sqlite3_stmt* stmt;
        bool inUse;
    };
    std::mutex poolMutex_;  // guards statements_
    std::multimap<std::string, Pooled> statements_;
    std::atomic<long long> openCount_{0};
};

// The query cycle of every reader: Close, SetSQL, SetParam, Open, read rows, Close.
class TCatalogQuery {
public:
    explicit TCatalogQuery(TCatalog& catalog) : catalog_(&catalog) {}
    ~TCatalogQuery() { Close(); }
    TCatalogQuery(const TCatalogQuery&) = delete;
    TCatalogQuery& operator=(const TCatalogQuery&) = delete;

    TCatalog& Catalog() const { return *catalog_; }

    void Close();
    // Replaces the SQL text; several lines are joined with line breaks.
    void SetSQL(const std::string& sql);
    void SetSQL(const std::vector<std::string>& lines);
    void AddSQL(const std::string& line);
    const std::string& SQL() const { return sql_; }

    void SetParam(const std::string& name, long long value);
    void SetParam(const std::string& name, int value) { SetParam(name, static_cast<long long>(value)); }
    void SetParam(const std::string& name, double value);
    void SetParam(const std::string& name, const std::string& value);
    void SetParam(const std::string& name, const char* value) { SetParam(name, std::string(value)); }

    // Runs the query and moves to the first row.
    void Open();
    bool Active() const { return stmt_ != nullptr; }
    bool Eof() const { return eof_; }
    void Next();

    int FieldCount() const;
    std::string FieldName(int index) const;
    bool HasField(const std::string& name) const;
    int FieldIndex(const std::string& name) const;  // raises when missing

    bool IsNull(int index) const;
    bool IsNull(const std::string& name) const { return IsNull(FieldIndex(name)); }
    long long AsInteger(int index) const;
    long long AsInteger(const std::string& name) const { return AsInteger(FieldIndex(name)); }
    double AsFloat(int index) const;
    double AsFloat(const std::string& name) const { return AsFloat(FieldIndex(name)); }
    std::string AsString(int index) const;
    std::string AsString(const std::string& name) const { return AsString(FieldIndex(name)); }

private:
    void CheckRow(int index) const;

    TCatalog* catalog_;
    std::string sql_;
    std::map<std::string, std::variant<long long, double, std::string>> params_;
    sqlite3_stmt* stmt_ = nullptr;
    bool eof_ = true;
    std::vector<std::string> fieldNames_;
};

}  // namespace kinemo
