#pragma once
// Thin owners of an SQLite connection and a prepared statement. Every failure
// throws sto_Problem with SQLite's message; SQL text never carries data, only
// identifiers quoted by sto_QuoteName.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "store/sto_ModelFileException.h"

// "name" with inner quotes doubled: a safe SQL identifier for any text without NUL.
std::string sto_QuoteName(std::string_view name);

class sto_Connection {
public:
    sto_Connection(std::string const& filename, int flags);
    ~sto_Connection();
    sto_Connection(sto_Connection const&) = delete;
    sto_Connection& operator=(sto_Connection const&) = delete;

    sqlite3* Handle() const { return db_; }
    void Exec(std::string const& sql);
    [[noreturn]] void Fail(std::string const& doing) const;
    void Close();  // reports a failure to close, which the destructor cannot

private:
    sqlite3* db_ = nullptr;
};

class sto_Statement {
public:
    sto_Statement(sto_Connection& db, std::string const& sql);
    ~sto_Statement() { sqlite3_finalize(stmt_); }
    sto_Statement(sto_Statement const&) = delete;
    sto_Statement& operator=(sto_Statement const&) = delete;

    sqlite3_stmt* Handle() const { return stmt_; }
    bool Step();  // true while a row is ready
    void Run();   // step once to completion, then reset for the next bindings
    int Type(int column) const { return sqlite3_column_type(stmt_, column); }
    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string_view Text(int column) const;

    void Bind(int index, std::int64_t v);
    void Bind(int index, double v);
    void Bind(int index, std::string_view v, int type = SQLITE_TEXT);  // bytes stay the caller's until Run
    void BindNull(int index);

private:
    void Check(int rc) const;
    sto_Connection& db_;
    sqlite3_stmt* stmt_ = nullptr;
};
