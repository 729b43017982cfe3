// Saving and opening a model file of one million small rows, against plain SQLite
// inserting and selecting the same rows with prepared statements in one transaction.
#include <unistd.h>

#include "bench/bench_Support.h"
#include "store/sto_ModelFile.h"

namespace {

constexpr int kRows = 1'000'000;

struct Row {
    std::int64_t stepId;
    double magnitude;
    std::string name;
};

dbs_Database const& Model() {
    static dbs_Database const db = [] {
        dbs_Database db;
        dbs_Table t{7, "kloC_Pressure", 203, 1, {{0, "stepId", 5, 1, 0}, {1, "magnitude", 10, 1, 0}, {2, "name", 11, 1, 0}}, {}};
        t.rows.reserve(kRows);
        for (int i = 0; i < kRows; ++i) t.rows.push_back({-1, {i, i * 0.5, "load-" + std::to_string(i)}});
        db.AddTable(std::move(t));
        return db;
    }();
    return db;
}

using bench::Path;

template <class F>
void Timed(benchmark::State& state, char const* name, F work) {
    bench::Timed(state, name, kRows, work);
}

void SaveModelFile(benchmark::State& state) {
    Model();
    Timed(state, "save model file", [](auto&) { sto_ModelFile::Save(Model(), Path("store_bench.stw")); });
}

void InsertPlainSqlite(benchmark::State& state) {
    auto const& rows = Model().FindTable(7)->rows;
    auto path = Path("store_bench_plain.db");
    Timed(state, "insert plain SQLite", [&](benchmark::State& st) {
        st.PauseTiming();
        std::filesystem::remove(path);
        st.ResumeTiming();
        bench::PlainInsert(path, "CREATE TABLE t(id INTEGER PRIMARY KEY, stepId, magnitude, name)",
                           "INSERT INTO t VALUES(?,?,?,?)", [&](sqlite3_stmt* insert, auto step) {
                               for (std::size_t i = 0; i < rows.size(); ++i) {
                                   auto const& f = rows[i].fields;
                                   sqlite3_bind_int64(insert, 1, std::int64_t(i));
                                   sqlite3_bind_int64(insert, 2, f[0].AsInteger());
                                   sqlite3_bind_double(insert, 3, f[1].AsDouble());
                                   auto const& name = f[2].AsString();
                                   sqlite3_bind_text(insert, 4, name.data(), int(name.size()), SQLITE_STATIC);
                                   step(insert);
                               }
                           });
    });
}

void OpenModelFile(benchmark::State& state) {
    auto path = Path("store_bench.stw");
    sto_ModelFile::Save(Model(), path);
    Timed(state, "open model file", [&](auto&) { benchmark::DoNotOptimize(sto_ModelFile::Open(path)); });
}

void SelectPlainSqlite(benchmark::State& state) {
    auto path = Path("store_bench_plain.db");
    Timed(state, "select plain SQLite", [&](auto&) {
        std::vector<Row> rows;
        bench::PlainSelect(path, "SELECT id, stepId, magnitude, name FROM t ORDER BY id", [&](sqlite3_stmt* select) {
            rows.push_back({sqlite3_column_int64(select, 1), sqlite3_column_double(select, 2),
                            std::string(reinterpret_cast<char const*>(sqlite3_column_text(select, 3)),
                                        sqlite3_column_bytes(select, 3))});
        });
        benchmark::DoNotOptimize(rows);
    });
}

// The floor under opening: building the same rows in memory, with no file at all.
void BuildInMemory(benchmark::State& state) {
    Timed(state, "build in memory", [&](auto&) {
        dbs_Table t{7, "kloC_Pressure", 203, 1, Model().FindTable(7)->schema, {}};
        t.rows.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            auto& row = t.rows.emplace_back();
            row.fields.reserve(3);
            row.fields.emplace_back(std::int64_t(i));
            row.fields.emplace_back(i * 0.5);
            row.fields.emplace_back(std::string("load-123456"));
        }
        benchmark::DoNotOptimize(t);
    });
}

}  // namespace

BENCHMARK(BuildInMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SaveModelFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(InsertPlainSqlite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpenModelFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SelectPlainSqlite)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto& s = bench::Seconds();
    auto ratio = [&](char const* what, char const* mine, char const* plain) {
        if (s.count(mine) && s.count(plain))
            std::printf("%s: model file %.0f ms, plain SQLite %.0f ms, ratio %.2f\n", what, s[mine] * 1e3,
                        s[plain] * 1e3, s[mine] / s[plain]);
    };
    ratio("save", "save model file", "insert plain SQLite");
    ratio("open", "open model file", "select plain SQLite");
    if (s.count("build in memory"))
        std::printf("building the same rows in memory alone: %.0f ms\n", s["build in memory"] * 1e3);
    std::filesystem::remove(Path("store_bench.stw"));
    std::filesystem::remove(Path("store_bench_plain.db"));
}
