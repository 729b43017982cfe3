// The loading history at scale: a model of many loads over many analysis steps built
// through the host's step flow. Times each change of the step sequence (insert a step at
// the front and remove it, rename a step, change a step's procedure) against one pass
// over the same (load, step) records; the copy of the load container (time, heap bytes,
// loads copied); the heap bytes per (load, step) record; and saving and opening the model
// file against plain SQLite writing and reading the same number of rows.
//
// The model is STEPWISE_LOADS loads (default 10,000) over STEPWISE_STEPS static steps
// (default 100); every load is created in the first step and modified in the middle one.
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <variant>
#include <vector>

#include "bench/bench_Support.h"
#include "host/hst_ModelFile.h"
#include "host/hst_StepFlow.h"
#include "module/klo/kloC_Module.h"
#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_Moment.h"
#include "module/klo/loads/kloC_Pressure.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/general/kprC_ViscoStep.h"

// Heap accounting: live bytes and allocation count while `counting` is on. It is on while
// the model is built and while the container is copied, and off for every timed save,
// open and change, so that the accounting does not weigh on the times compared with plain
// SQLite (which allocates through its own allocator). Blocks freed while it is off are not
// subtracted; only differences taken within one counting stretch are reported.
namespace {
std::atomic<std::int64_t> liveBytes{0}, allocations{0};
std::atomic<bool> counting{true};
}  // namespace

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    if (counting.load(std::memory_order_relaxed)) {
        liveBytes += std::int64_t(malloc_usable_size(p));
        ++allocations;
    }
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    if (counting.load(std::memory_order_relaxed)) liveBytes -= std::int64_t(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

int EnvOr(char const* name, int fallback) {
    char const* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}
int const kLoads = EnvOr("STEPWISE_LOADS", 10'000);
int const kSteps = EnvOr("STEPWISE_STEPS", 100);
std::int64_t Records() { return std::int64_t(kLoads) * kSteps; }

std::string StepName(int i) { return "Step-" + std::to_string(i); }

kprC_StaticStep Static() {
    kprC_StaticStep step;
    step.timePeriod(1.0);
    return step;
}

kloC_LoadContainer& Loads(ddr_Model& model) { return model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd()); }

struct Built {
    ddr_Model model;
    std::int64_t recordBytes = 0;  // heap taken by the loads once the steps exist
};

Built& Model() {
    static Built built = [] {
        int modules = 0;
        kloC_initialize(modules);
        Built b;
        b.model.Extension<kprC_StepContainer>(ddr_Model::stepCmd())
            .SetInitialStep(kprC_Step::initialCmd().String(), kprC_InitialStep());
        hst_StepFlow flow(b.model);
        cow_String previous = "Initial";
        for (int i = 1; i <= kSteps; ++i) {
            flow.InsertAfter(previous, StepName(i), Static());
            previous = StepName(i);
        }
        std::int64_t const before = liveBytes;
        auto& loads = Loads(b.model);
        std::string const first = StepName(1), middle = StepName(kSteps / 2 + 1);
        for (int i = 0; i < kLoads; ++i) {
            std::string const name = "Load-" + std::to_string(i);
            rgnC_Region const region({"Set-" + std::to_string(i % 100)}, 1);
            switch (i % 3) {
            case 0:
                loads.Insert(name, kloC_ConcentratedForce(region, first, kloC_ConcentratedForceState(0.0, -1.0, 0.0)));
                loads.Get(name).Insert(middle, kloC_ConcentratedForceState(0.0, -2.0, 0.0));
                break;
            case 1:
                loads.Insert(name, kloC_Pressure(region, first, kloC_PressureState(1.0)));
                loads.Get(name).Insert(middle, kloC_PressureState(2.0));
                break;
            default:
                loads.Insert(name, kloC_Moment(region, first, kloC_MomentState(0.0, 0.0, 1.0)));
                loads.Get(name).Insert(middle, kloC_MomentState(0.0, 0.0, 2.0));
            }
        }
        b.recordBytes = liveBytes - before;
        counting = false;
        return b;
    }();
    return built;
}

template <class F>
void Timed(benchmark::State& state, char const* name, F work) {
    Model();
    bench::Timed(state, name, Records(), [&](benchmark::State&) { work(); });
}

// One pass over every (load, step) record: what a step change is measured against.
void BM_OnePass(benchmark::State& state) {
    Timed(state, "one pass", [] {
        std::int64_t sum = 0;
        for (auto const& [name, load] : Loads(Model().model).map())
            for (auto const& r : load->States()) sum += mdl_Value(r.status()) + r.HasState();
        benchmark::DoNotOptimize(sum);
    });
}

void BM_InsertStepAtFront(benchmark::State& state) {
    hst_StepFlow flow(Model().model);
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        flow.InsertAfter("Initial", "Front", Static());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        flow.Remove("Front");
        state.ResumeTiming();
    }
    bench::Seconds()["insert"] = total / double(state.iterations());
}

void BM_RemoveStepAtFront(benchmark::State& state) {
    hst_StepFlow flow(Model().model);
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        flow.InsertAfter("Initial", "Front", Static());
        state.ResumeTiming();
        auto start = std::chrono::steady_clock::now();
        flow.Remove("Front");
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    bench::Seconds()["remove"] = total / double(state.iterations());
}

void BM_RenameStep(benchmark::State& state) {
    hst_StepFlow flow(Model().model);
    std::string const name = StepName(kSteps / 2);
    Timed(state, "rename", [&] {
        flow.Rename(name, "Renamed");
        flow.Rename("Renamed", name);
    });
    bench::Seconds()["rename"] /= 2;
}

void BM_ChangeProcedure(benchmark::State& state) {
    hst_StepFlow flow(Model().model);
    std::string const name = StepName(kSteps / 2);
    kprC_ViscoStep visco;
    visco.timePeriod(1.0);
    Timed(state, "change procedure", [&] {
        flow.Replace(name, visco);
        flow.Replace(name, Static());
    });
    bench::Seconds()["change procedure"] /= 2;
}

void BM_CopyLoadContainer(benchmark::State& state) {
    auto const& loads = Loads(Model().model);
    std::int64_t bytes = 0, count = 0, copied = 0;
    Timed(state, "container copy", [&] {
        counting = true;
        std::int64_t const b = liveBytes, a = allocations;
        kloC_LoadContainer copy = loads;
        bytes = liveBytes - b;
        count = allocations - a;
        counting = false;
        state.PauseTiming();
        copied = 0;
        for (auto const& [name, load] : copy.map()) copied += &load.Get() != &loads.ConstGet(name);
        state.ResumeTiming();
    });
    state.counters["heap bytes"] = double(bytes);
    state.counters["allocations"] = double(count);
    state.counters["loads copied"] = double(copied);
}

void BM_MemoryPerRecord(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Model().recordBytes);
    state.counters["bytes/record"] = double(Model().recordBytes) / double(Records());
    state.counters["records"] = double(Records());
}

void BM_SaveModel(benchmark::State& state) {
    Timed(state, "save", [] { hst_ModelFile::Save(Model().model, bench::Path("propagation_bench.stw")); });
}

void BM_OpenModel(benchmark::State& state) {
    Timed(state, "open", [] {
        auto model = hst_ModelFile::Open(bench::Path("propagation_bench.stw"));
        benchmark::DoNotOptimize(&model);
    });
}

// Plain SQLite writing one row per (load, step) record: the load's name, the step's
// name, the status and whether the record holds a state.
void BM_InsertPlainSqlite(benchmark::State& state) {
    Timed(state, "plain insert", [&] {
        bench::PlainInsert(bench::Path("propagation_bench_plain.db"),
                           "CREATE TABLE r(oid INTEGER PRIMARY KEY, load, step, status, state)",
                           "INSERT INTO r VALUES(?,?,?,?,?)", [](sqlite3_stmt* insert, auto step) {
                               std::int64_t oid = 0;
                               for (auto const& [name, load] : Loads(Model().model).map())
                                   for (auto const& r : load->States()) {
                                       sqlite3_bind_int64(insert, 1, oid++);
                                       sqlite3_bind_text(insert, 2, name.data(), int(name.size()), SQLITE_STATIC);
                                       auto const& stepName = r.stepName();
                                       sqlite3_bind_text(insert, 3, stepName.data(), int(stepName.size()), SQLITE_STATIC);
                                       sqlite3_bind_int(insert, 4, mdl_Value(r.status()));
                                       sqlite3_bind_int64(insert, 5, r.HasState());
                                       step(insert);
                                   }
                           });
    });
}

// Reads back every column the plain insert stored, as the model file's open reads every
// column of its records.
void BM_SelectPlainSqlite(benchmark::State& state) {
    struct Row {
        std::int64_t oid;
        std::string load, step;
        int status;
        bool state;
    };
    Timed(state, "plain select", [&] {
        std::vector<Row> rows;
        bench::PlainSelect(bench::Path("propagation_bench_plain.db"),
                           "SELECT oid, load, step, status, state FROM r ORDER BY oid", [&](sqlite3_stmt* select) {
                               auto text = [&](int column) {
                                   return std::string(reinterpret_cast<char const*>(sqlite3_column_text(select, column)),
                                                      std::size_t(sqlite3_column_bytes(select, column)));
                               };
                               rows.push_back({sqlite3_column_int64(select, 0), text(1), text(2),
                                               sqlite3_column_int(select, 3), sqlite3_column_int(select, 4) != 0});
                           });
        benchmark::DoNotOptimize(rows.size());
    });
}

// The rows of the saved model file itself, every class table, as SQLite values: what
// plain SQLite alone takes to write and read the model file's own rows, with no objects
// and no value text. The save and open above cannot be faster than these.
// The saved file's class tables, their names quoted for SQL.
std::vector<std::string> FileTables() {
    std::vector<std::string> names;
    bench::PlainSelect(bench::Path("propagation_bench.stw"), "SELECT tableName FROM \"##classes\"", [&](sqlite3_stmt* st) {
        names.push_back("\"" + std::string(reinterpret_cast<char const*>(sqlite3_column_text(st, 0))) + "\"");
    });
    return names;
}

std::vector<std::pair<std::string, std::vector<std::vector<sqlite3_value*>>>> FileRows() {
    std::vector<std::pair<std::string, std::vector<std::vector<sqlite3_value*>>>> tables;
    for (auto const& name : FileTables()) {
        auto& rows = tables.emplace_back(name, std::vector<std::vector<sqlite3_value*>>{}).second;
        bench::PlainSelect(bench::Path("propagation_bench.stw"), ("SELECT * FROM " + name).c_str(),
                           [&](sqlite3_stmt* st) {
                               auto& row = rows.emplace_back();
                               for (int c = 0; c < sqlite3_column_count(st); ++c)
                                   row.push_back(sqlite3_value_dup(sqlite3_column_value(st, c)));
                           });
    }
    return tables;
}

// Writes the model file's rows to a new file as the save does: no journal, no syncs inside
// SQLite, one transaction.
void BM_InsertFileRowsSqlite(benchmark::State& state) {
    auto const tables = FileRows();
    Timed(state, "file rows insert", [&] {
        std::string const path = bench::Path("propagation_bench_rows.db");
        std::filesystem::remove(path);
        sqlite3* db = nullptr;
        bench::Check(sqlite3_open(path.c_str(), &db), db);
        bench::Check(sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN", 0, 0, 0), db);
        for (auto const& [name, rows] : tables) {
            if (rows.empty()) continue;
            std::string create = "CREATE TABLE " + name + "(c0 INTEGER PRIMARY KEY", insert = "INSERT INTO " + name + " VALUES(?";
            for (std::size_t c = 1; c < rows[0].size(); ++c) create += ",c" + std::to_string(c), insert += ",?";
            bench::Check(sqlite3_exec(db, (create + ")").c_str(), 0, 0, 0), db);
            sqlite3_stmt* st = nullptr;
            bench::Check(sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &st, nullptr), db);
            for (auto const& row : rows) {
                for (std::size_t c = 0; c < row.size(); ++c) sqlite3_bind_value(st, int(c) + 1, row[c]);
                bench::Check(sqlite3_step(st), db);
                sqlite3_reset(st);
            }
            sqlite3_finalize(st);
        }
        bench::Check(sqlite3_exec(db, "COMMIT", 0, 0, 0), db);
        sqlite3_close(db);
    });
    for (auto const& [name, rows] : tables)
        for (auto const& row : rows)
            for (auto* v : row) sqlite3_value_free(v);
}

// Reads every column of every class table of the model file into plain values.
void BM_SelectFileRowsSqlite(benchmark::State& state) {
    auto const names = FileTables();
    Timed(state, "file rows select", [&] {
        std::vector<std::variant<std::int64_t, double, std::string>> values;
        for (auto const& name : names)
            bench::PlainSelect(bench::Path("propagation_bench.stw"), ("SELECT * FROM " + name + " ORDER BY 1").c_str(),
                               [&](sqlite3_stmt* st) {
                                   for (int c = 0; c < sqlite3_column_count(st); ++c)
                                       switch (sqlite3_column_type(st, c)) {
                                       case SQLITE_INTEGER: values.emplace_back(sqlite3_column_int64(st, c)); break;
                                       case SQLITE_FLOAT: values.emplace_back(sqlite3_column_double(st, c)); break;
                                       case SQLITE_NULL: values.emplace_back(std::int64_t(0)); break;
                                       default:
                                           values.emplace_back(std::string(
                                               reinterpret_cast<char const*>(sqlite3_column_blob(st, c)),
                                               std::size_t(sqlite3_column_bytes(st, c))));
                                       }
                               });
        benchmark::DoNotOptimize(values.size());
    });
}

BENCHMARK(BM_OnePass)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_InsertStepAtFront)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RemoveStepAtFront)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RenameStep)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ChangeProcedure)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CopyLoadContainer)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MemoryPerRecord)->Iterations(1);
BENCHMARK(BM_SaveModel)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_InsertPlainSqlite)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OpenModel)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SelectPlainSqlite)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_InsertFileRowsSqlite)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SelectFileRowsSqlite)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("%d loads over %d steps: %lld (load, step) records\n", kLoads, kSteps, (long long)Records());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (char const* change : {"insert", "remove", "rename", "change procedure"})
        bench::PrintRatio((std::string(change) + " / one pass").c_str(), change, "one pass");
    bench::PrintRatio("save / plain SQLite insert", "save", "plain insert");
    bench::PrintRatio("open / plain SQLite select", "open", "plain select");
    bench::PrintRatio("the file's rows alone, insert / plain SQLite insert", "file rows insert", "plain insert");
    bench::PrintRatio("the file's rows alone, select / plain SQLite select", "file rows select", "plain select");
    return 0;
}
