#pragma once
// Thin owners of an SQLite connection and a prepared statement. Every failure
// throws sto_Problem with SQLite's message; SQL text never carries data, only
// identifiers quoted by sto_QuoteName. Every statement step is bounded (a crafted file
// cannot make one run for ever), and a file locked by another program is waited for
// briefly, then reported as in use.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "store/sto_ModelFileException.h"

// "name" with inner quotes doubled: a safe SQL identifier for any text without NUL.
std::string sto_QuoteName(std::string_view name);

// The SQLite URI of a file path (a name beginning with "file:" stays a path), with
// `query` ("mode=ro", ...) appended.
std::string sto_FileUri(std::string const& path, std::string const& query);

// The virtual machine steps one statement step may take, and how long a locked file is
// waited for.
inline constexpr long sto_StepBudget = 100'000'000;
inline constexpr int sto_BusyMilliseconds = 1000;

class sto_Connection {
public:
    // `filename` is a URI: the connection always opens with SQLITE_OPEN_URI.
    sto_Connection(std::string const& filename, int flags);
    ~sto_Connection();
    sto_Connection(sto_Connection const&) = delete;
    sto_Connection& operator=(sto_Connection const&) = delete;

    sqlite3* Handle() const { return db_; }
    void Exec(std::string const& sql);
    [[noreturn]] void Fail(std::string const& doing) const;
    void Close();  // reports a failure to close, which the destructor cannot

    // Starts the budget of the next statement step.
    void StartStep() { progress_ = 0; }

private:
    static int Progress(void* self);
    sqlite3* db_ = nullptr;
    long progress_ = 0;
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
