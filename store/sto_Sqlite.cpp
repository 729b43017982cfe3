#include "store/sto_Sqlite.h"

#include <cctype>
#include <cstdio>
#include <cstring>

std::string sto_QuoteName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string sto_FileUri(std::string const& path, std::string const& query) {
    std::string uri = path.starts_with('/') ? "file://" : "file:";  // an absolute path after an empty authority
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/._~-", c)) {
            uri += char(c);
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            uri += buf;
        }
    }
    return uri + "?" + query;
}

namespace {
constexpr int kProgressInterval = 1000;  // virtual machine steps between two progress calls
}

int sto_Connection::Progress(void* self) {
    auto& c = *static_cast<sto_Connection*>(self);
    return ++c.progress_ > sto_StepBudget / kProgressInterval;
}

sto_Connection::sto_Connection(std::string const& filename, int flags) {
    int rc = sqlite3_open_v2(filename.c_str(), &db_, flags | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw sto_Problem{"SQLite cannot open it (" + message + ")"};
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, sto_BusyMilliseconds);
    sqlite3_progress_handler(db_, kProgressInterval, &Progress, this);
}

sto_Connection::~sto_Connection() { sqlite3_close_v2(db_); }

void sto_Connection::Fail(std::string const& doing) const {
    switch (sqlite3_errcode(db_) & 0xff) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_IOERR:
        case SQLITE_FORMAT: throw sto_Problem{std::string("the file is damaged (") + sqlite3_errmsg(db_) + ")"};
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw sto_Problem{"the file is in use by another program (it is locked); try again when that program "
                              "has finished with it"};
        case SQLITE_INTERRUPT:
            throw sto_Problem{"reading it takes too long: a statement ran past its limit of " +
                              std::to_string(sto_StepBudget) + " steps"};
        default: throw sto_Problem{doing + " failed (" + sqlite3_errmsg(db_) + ")"};
    }
}

void sto_Connection::Exec(std::string const& sql) {
    StartStep();
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
}

void sto_Connection::Close() {
    if (sqlite3_close(db_) != SQLITE_OK) Fail("closing the database");
    db_ = nullptr;
}

sto_Statement::sto_Statement(sto_Connection& db, std::string const& sql) : db_(db) {
    if (sqlite3_prepare_v3(db.Handle(), sql.data(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) !=
        SQLITE_OK)
        db.Fail(sql);
}

void sto_Statement::Check(int rc) const {
    if (rc != SQLITE_OK) db_.Fail("binding a value");
}

bool sto_Statement::Step() {
    db_.StartStep();
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    db_.Fail(sqlite3_sql(stmt_));
}

void sto_Statement::Run() {
    while (Step()) {
    }
    sqlite3_reset(stmt_);
}

std::string_view sto_Statement::Text(int column) const {
    auto p = reinterpret_cast<char const*>(sqlite3_column_blob(stmt_, column));
    return p ? std::string_view(p, sqlite3_column_bytes(stmt_, column)) : std::string_view();
}

void sto_Statement::Bind(int index, std::int64_t v) { Check(sqlite3_bind_int64(stmt_, index, v)); }
void sto_Statement::Bind(int index, double v) { Check(sqlite3_bind_double(stmt_, index, v)); }
void sto_Statement::BindNull(int index) { Check(sqlite3_bind_null(stmt_, index)); }
void sto_Statement::Bind(int index, std::string_view v, int type) {
    auto data = v.data() ? v.data() : "";
    Check(type == SQLITE_BLOB ? sqlite3_bind_blob64(stmt_, index, data, v.size(), SQLITE_STATIC)
                              : sqlite3_bind_text64(stmt_, index, data, v.size(), SQLITE_STATIC, SQLITE_UTF8));
}
