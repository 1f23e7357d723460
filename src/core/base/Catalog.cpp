// SQLite catalog connection and query object.
#include "base/Catalog.h"

#include "base/KinemoError.h"
#include "base/NameValueList.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <sys/stat.h>

namespace kinemo {

TCatalog::TCatalog(std::string path) : path_(std::move(path)) {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0)
        throw TKinemoError("Catalog file not found: " + path_);
    if (!S_ISREG(st.st_mode)) throw TKinemoError("Catalog is not a file: " + path_);
    int rc = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw TKinemoError("Can not open catalog " + path_ + ": " + why);
    }
    // The catalog's SQL texts write string literals in double quotes.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
    sqlite3_extended_result_codes(db_, 1);
    // SQLite opens lazily; reading the schema tells a database from any other file.
    char* err = nullptr;
    rc = sqlite3_exec(db_, "select count(*) from sqlite_master", nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string why = err ? err : sqlite3_errstr(rc);
        sqlite3_free(err);
        sqlite3_close(db_);
        db_ = nullptr;
        throw TKinemoError("Not a Kinemo catalog: " + path_ + " (" + why + ")");
    }
    for (const char* table : {"s_config", "m_db_version", "s_message"})
        if (!HasTable(table)) Refuse(std::string("table ") + table + " is missing");
    // A function with side effects is never run from the schema of a file from others.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    // Every step of a query is checked against its deadline (a recursive view or a huge
    // join would otherwise keep the program busy for hours).
    sqlite3_progress_handler(db_, 10000, &TCatalog::Progress, this);
    // The catalog is tables only: a view where a table belongs is refused, named.
    sqlite3_stmt* views = nullptr;
    std::string view;
    if (sqlite3_prepare_v2(db_, "select name from sqlite_master where type='view' order by name", -1, &views,
                           nullptr) == SQLITE_OK &&
        (StartDeadline(), sqlite3_step(views) == SQLITE_ROW))
        view = reinterpret_cast<const char*>(sqlite3_column_text(views, 0));
    sqlite3_finalize(views);
    if (!view.empty()) {
        const std::string format = Message("CatalogViewRefused");
        if (format.empty()) Refuse(view + " is a view, not a table");
        const std::string text = FormatText(format, {path_, view});
        sqlite3_close(db_);
        db_ = nullptr;
        throw TKinemoError(text);
    }
}

void TCatalog::Refuse(const std::string& why) {
    sqlite3_close(db_);
    db_ = nullptr;
    throw TKinemoError("Not a Kinemo catalog: " + path_ + " (" + why + ")");
}

int TCatalog::Progress(void* self) {
    const auto* catalog = static_cast<const TCatalog*>(self);
    return std::chrono::steady_clock::now().time_since_epoch().count() > catalog->deadline_.load(std::memory_order_relaxed)
               ? 1
               : 0;
}

std::string TCatalog::Message(const std::string& key) const {
    sqlite3_stmt* st = nullptr;
    std::string text;
    if (sqlite3_prepare_v2(db_, "select msg_value from s_message where msg_class='error' and msg_control=?1", -1, &st,
                           nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        StartDeadline();
        if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
            text = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    }
    sqlite3_finalize(st);
    return text;
}

void TCatalog::FailStatement(int rc, const std::string& why, const std::string& sql) const {
    if ((rc & 0xff) == SQLITE_INTERRUPT) {
        const std::string format = Message("CatalogQueryTimeLimit");
        const std::string limit = FloatToText(static_cast<double>(queryTimeLimit_.count()) / 1000.0);
        if (!format.empty()) throw TKinemoError(FormatText(format, {path_, limit, sql}));
        Fail("query stopped after " + limit + " s\nSQL: " + sql);
    }
    Fail(why + "\nSQL: " + sql);
}

TCatalog::~TCatalog() {
    for (auto& [sql, pooled] : statements_) sqlite3_finalize(pooled.stmt);
    if (db_) sqlite3_close(db_);
}

void TCatalog::Fail(const std::string& what) const {
    throw TKinemoError("Catalog " + path_ + ": " + what);
}

bool TCatalog::HasTable(const std::string& name) const {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db_, "select 1 from sqlite_master where type='table' and lower(name)=lower(?1)", -1, &st,
                       nullptr);
    sqlite3_bind_text(st, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    StartDeadline();
    bool found = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    return found;
}

std::vector<std::string> TCatalog::TableNames() const {
    std::vector<std::string> out;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db_, "select name from sqlite_master where type='table' order by name", -1, &st, nullptr);
    StartDeadline();
    while (sqlite3_step(st) == SQLITE_ROW) out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return out;
}

long long TCatalog::RowCount(const std::string& table) {
    std::string sql = "select count(*) from \"" + table + "\"";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        Fail(sqlite3_errmsg(db_));
    }
    StartDeadline();
    const int rc = sqlite3_step(st);
    const long long n = rc == SQLITE_ROW ? sqlite3_column_int64(st, 0) : 0;
    const std::string why = sqlite3_errmsg(db_);
    sqlite3_finalize(st);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) FailStatement(rc, why, sql);
    return n;
}

sqlite3_stmt* TCatalog::Acquire(const std::string& sql) {
    std::lock_guard lock(poolMutex_);
    auto [first, last] = statements_.equal_range(sql);
    for (auto it = first; it != last; ++it)
        if (!it->second.inUse) {
            it->second.inUse = true;
            return it->second.stmt;
        }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        std::string why = sqlite3_errmsg(db_);
        sqlite3_finalize(st);
        Fail(why + "\nSQL: " + sql);
    }
    statements_.emplace(sql, Pooled{st, true});
    return st;
}

void TCatalog::Release(sqlite3_stmt* stmt) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    std::lock_guard lock(poolMutex_);
    for (auto& [sql, pooled] : statements_)
        if (pooled.stmt == stmt) pooled.inUse = false;
}

void TCatalogQuery::Close() {
    if (stmt_) catalog_->Release(stmt_);
    stmt_ = nullptr;
    eof_ = true;
    fieldNames_.clear();
}

void TCatalogQuery::SetSQL(const std::string& sql) {
    Close();
    sql_ = sql;
    params_.clear();
}

void TCatalogQuery::SetSQL(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) joined += (i ? "\n" : "") + lines[i];
    SetSQL(joined);
}

void TCatalogQuery::AddSQL(const std::string& line) {
    Close();
    sql_ += (sql_.empty() ? "" : "\n") + line;
}

void TCatalogQuery::SetParam(const std::string& name, long long value) { params_[name] = value; }
void TCatalogQuery::SetParam(const std::string& name, double value) { params_[name] = value; }
void TCatalogQuery::SetParam(const std::string& name, const std::string& value) { params_[name] = value; }

void TCatalogQuery::Open() {
    Close();
    sqlite3_stmt* st = catalog_->Acquire(sql_);
    stmt_ = st;  // from here on Close() hands it back, also on error
    const int n = sqlite3_bind_parameter_count(st);
    for (int i = 1; i <= n; ++i) {
        const char* pname = sqlite3_bind_parameter_name(st, i);
        if (!pname) {
            Close();
            catalog_->Fail("unnamed parameter in SQL: " + sql_);
        }
        std::string key = pname + 1;  // drop ':'
        auto it = params_.end();
        for (auto p = params_.begin(); p != params_.end(); ++p)
            if (SameText(p->first, key)) it = p;
        if (it == params_.end()) {
            Close();
            catalog_->Fail("parameter :" + key + " not set\nSQL: " + sql_);
        }
        if (auto v = std::get_if<long long>(&it->second)) sqlite3_bind_int64(st, i, *v);
        else if (auto d = std::get_if<double>(&it->second)) sqlite3_bind_double(st, i, *d);
        else sqlite3_bind_text(st, i, std::get<std::string>(it->second).c_str(), -1, SQLITE_TRANSIENT);
    }
    catalog_->CountOpen();
    const int cols = sqlite3_column_count(st);
    for (int i = 0; i < cols; ++i) fieldNames_.emplace_back(sqlite3_column_name(st, i));
    eof_ = false;
    Next();
}

void TCatalogQuery::Next() {
    if (!stmt_ || eof_) return;
    catalog_->StartDeadline();
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return;
    eof_ = true;
    if (rc != SQLITE_DONE) {
        const std::string why = sqlite3_errmsg(sqlite3_db_handle(stmt_));
        const std::string sql = sql_;
        Close();
        catalog_->FailStatement(rc, why, sql);
    }
}

int TCatalogQuery::FieldCount() const { return static_cast<int>(fieldNames_.size()); }

std::string TCatalogQuery::FieldName(int index) const { return fieldNames_.at(static_cast<size_t>(index)); }

bool TCatalogQuery::HasField(const std::string& name) const {
    for (const auto& f : fieldNames_)
        if (SameText(f, name)) return true;
    return false;
}

int TCatalogQuery::FieldIndex(const std::string& name) const {
    for (size_t i = 0; i < fieldNames_.size(); ++i)
        if (SameText(fieldNames_[i], name)) return static_cast<int>(i);
    catalog_->Fail("field " + name + " not found\nSQL: " + sql_);
}

void TCatalogQuery::CheckRow(int index) const {
    if (!stmt_ || eof_) catalog_->Fail("no current row\nSQL: " + sql_);
    if (index < 0 || index >= FieldCount())
        catalog_->Fail("field index " + std::to_string(index) + " out of range\nSQL: " + sql_);
}

bool TCatalogQuery::IsNull(int index) const {
    CheckRow(index);
    return sqlite3_column_type(stmt_, index) == SQLITE_NULL;
}

long long TCatalogQuery::AsInteger(int index) const {
    CheckRow(index);
    if (sqlite3_column_type(stmt_, index) == SQLITE_FLOAT)
        return std::llround(sqlite3_column_double(stmt_, index));
    return sqlite3_column_int64(stmt_, index);
}

double TCatalogQuery::AsFloat(int index) const {
    CheckRow(index);
    return sqlite3_column_double(stmt_, index);
}

std::string TCatalogQuery::AsString(int index) const {
    CheckRow(index);
    const unsigned char* t = sqlite3_column_text(stmt_, index);
    if (!t) return {};
    return std::string(reinterpret_cast<const char*>(t), static_cast<size_t>(sqlite3_column_bytes(stmt_, index)));
}

}  // namespace kinemo
