#pragma once
// What the benchmarks that compare with plain SQLite share: temporary paths, timing of
// each benchmark for the ratios printed at the end, and SQLite result checks.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace bench {

inline std::string Path(char const* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// Seconds per iteration of each timed benchmark, by name.
inline std::map<std::string, double>& Seconds() {
    static std::map<std::string, double> s;
    return s;
}

// Runs `work(state)` once per iteration, records its mean time under `name` and the rate of `rows`.
template <class F>
void Timed(benchmark::State& state, char const* name, std::int64_t rows, F work) {
    double total = 0;
    int n = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        work(state);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++n;
    }
    Seconds()[name] = total / n;
    state.counters["rows/s"] = benchmark::Counter(double(rows) * n, benchmark::Counter::kIsRate);
}

inline void Check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::abort();
    }
}

// Plain SQLite writing a new file at `path` in one transaction: `schema` creates the
// table, `insert` is prepared once, and `rows(bindAndStep)` binds each row on the
// statement it is handed and calls `bindAndStep(statement)` to insert it.
template <class Rows>
void PlainInsert(std::string const& path, char const* schema, char const* insert, Rows rows) {
    std::filesystem::remove(path);
    sqlite3* db = nullptr;
    Check(sqlite3_open(path.c_str(), &db), db);
    Check(sqlite3_exec(db, (std::string("BEGIN; ") + schema).c_str(), 0, 0, 0), db);
    sqlite3_stmt* statement = nullptr;
    Check(sqlite3_prepare_v2(db, insert, -1, &statement, nullptr), db);
    rows(statement, [db](sqlite3_stmt* s) {
        Check(sqlite3_step(s), db);
        sqlite3_reset(s);
    });
    sqlite3_finalize(statement);
    Check(sqlite3_exec(db, "COMMIT", 0, 0, 0), db);
    sqlite3_close(db);
}

// Plain SQLite reading `path`: `row(statement)` for each row of `select`.
template <class Row>
void PlainSelect(std::string const& path, char const* select, Row row) {
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db);
    sqlite3_stmt* statement = nullptr;
    Check(sqlite3_prepare_v2(db, select, -1, &statement, nullptr), db);
    while (sqlite3_step(statement) == SQLITE_ROW) row(statement);
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

// Prints "<label>: a / b" when both were measured.
inline void PrintRatio(char const* label, char const* a, char const* b) {
    auto const& s = Seconds();
    if (s.contains(a) && s.contains(b)) std::printf("%s: %.2f\n", label, s.at(a) / s.at(b));
}

}  // namespace bench
