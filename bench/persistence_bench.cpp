// Writing and reading one million small objects (four attributes each, one of them an
// enumeration string) through the visitors into and out of the in-memory database, and
// the whole path through the model file, against plain SQLite inserting and selecting
// the same rows with prepared statements in one transaction.
#include <benchmark/benchmark.h>

#include "bench/bench_Support.h"

#include "platform/cls/cls_AttributeTable.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/nex/nex_Exception.h"
#include "store/sto_ModelFile.h"

namespace {

enum class bch_Kind { LOW, HIGH };

}  // namespace

template <>
struct cls_EnumCodec<bch_Kind> {
    static std::string ToString(bch_Kind k) { return k == bch_Kind::LOW ? "LOW" : "HIGH"; }
    static bch_Kind FromStored(std::string const& s) {
        if (s == "LOW") return bch_Kind::LOW;
        if (s == "HIGH") return bch_Kind::HIGH;
        throw omu_ValueErrorException("omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: " + s);
    }
};

namespace {

#define BCH_POINT_ATTRIBUTES(A)    \
    A(int, id, 0)                  \
    A(double, x, 0.0)              \
    A(std::string, name, "")       \
    A(bch_Kind, kind, bch_Kind::LOW)

class bch_Point : public cls_Persistent {
    CLS_PERSISTENT(bch_Point, cls_Persistent, 0x7E000001, 1, BCH_POINT_ATTRIBUTES)
    bch_Point() = default;
    std::string& MutableName() { return name_; }
};
CLS_DEFINE(bch_Point)

using bch_Points = std::vector<std::shared_ptr<bch_Point>>;
#define BCH_CLOUD_ATTRIBUTES(A) A(bch_Points, points, {})

class bch_Cloud : public cls_Persistent {
    CLS_PERSISTENT(bch_Cloud, cls_Persistent, 0x7E000002, 1, BCH_CLOUD_ATTRIBUTES)
    bch_Cloud() = default;
    bch_Points& MutablePoints() { return points_; }
};
CLS_DEFINE(bch_Cloud)

constexpr int count = 1'000'000;

bch_Cloud MakeCloud() {
    cls_MetadataRegistrar::initClassMetadata(bch_Point::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(bch_Cloud::InitializeMetadata, 7);
    bch_Cloud cloud;
    cloud.MutablePoints().reserve(count);
    for (int i = 0; i < count; ++i) {
        auto p = std::make_shared<bch_Point>();
        p->id(i);
        p->x(i * 0.5);
        p->MutableName().push_back('p');  // short: within the string's own buffer
        p->kind(i % 2 ? bch_Kind::HIGH : bch_Kind::LOW);
        cloud.MutablePoints().push_back(std::move(p));
    }
    return cloud;
}

void BM_WriteMillion(benchmark::State& state) {
    auto cloud = MakeCloud();
    for (auto _ : state) {
        dbs_Database db;
        cls_WriteVisitor(db).WriteRoot("cloud", cloud);
        benchmark::DoNotOptimize(db.Tables().size());
        state.PauseTiming();
        { auto discard = std::move(db); }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_ReadMillion(benchmark::State& state) {
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("cloud", MakeCloud());
    for (auto _ : state) {
        auto cloud = cls_ReadVisitor(db).ReadRoot<bch_Cloud>("cloud");
        benchmark::DoNotOptimize(cloud->points().size());
        state.PauseTiming();
        cloud.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

using bench::Path;

template <class F>
void Timed(benchmark::State& state, char const* name, F work) {
    bench::Timed(state, name, count, [&](benchmark::State&) { work(); });
}

bch_Cloud const& Cloud() {
    static bch_Cloud const cloud = MakeCloud();
    return cloud;
}

// Objects -> visitors -> model file.
void BM_SaveMillionToFile(benchmark::State& state) {
    Timed(state, "save", [] {
        dbs_Database db;
        cls_WriteVisitor(db).WriteRoot("cloud", Cloud());
        sto_ModelFile::Save(db, Path("persistence_bench.stw"));
    });
}

// Model file -> visitors -> objects.
void BM_OpenMillionFromFile(benchmark::State& state) {
    Timed(state, "open", [] {
        auto cloud = cls_ReadVisitor(sto_ModelFile::Open(Path("persistence_bench.stw"))).ReadRoot<bch_Cloud>("cloud");
        benchmark::DoNotOptimize(cloud->points().size());
    });
}

void BM_InsertPlainSqlite(benchmark::State& state) {
    Timed(state, "plain insert", [&] {
        bench::PlainInsert(Path("persistence_bench_plain.db"), "CREATE TABLE t(oid INTEGER PRIMARY KEY, id, x, name, kind)",
                           "INSERT INTO t VALUES(?,?,?,?,?)", [](sqlite3_stmt* insert, auto step) {
                               auto const& points = Cloud().points();
                               for (std::size_t i = 0; i < points.size(); ++i) {
                                   auto const& p = *points[i];
                                   std::string kind = cls_EnumCodec<bch_Kind>::ToString(p.kind());
                                   sqlite3_bind_int64(insert, 1, std::int64_t(i));
                                   sqlite3_bind_int64(insert, 2, p.id());
                                   sqlite3_bind_double(insert, 3, p.x());
                                   sqlite3_bind_text(insert, 4, p.name().data(), int(p.name().size()), SQLITE_STATIC);
                                   sqlite3_bind_text(insert, 5, kind.data(), int(kind.size()), SQLITE_TRANSIENT);
                                   step(insert);
                               }
                           });
    });
}

void BM_SelectPlainSqlite(benchmark::State& state) {
    Timed(state, "plain select", [&] {
        std::vector<std::shared_ptr<bch_Point>> points;
        bench::PlainSelect(Path("persistence_bench_plain.db"), "SELECT id, x, name, kind FROM t ORDER BY oid",
                           [&](sqlite3_stmt* select) {
                               auto p = std::make_shared<bch_Point>();
                               p->id(int(sqlite3_column_int64(select, 0)));
                               p->x(sqlite3_column_double(select, 1));
                               p->MutableName().assign(reinterpret_cast<char const*>(sqlite3_column_text(select, 2)),
                                                       sqlite3_column_bytes(select, 2));
                               p->kind(cls_EnumCodec<bch_Kind>::FromStored(
                                   reinterpret_cast<char const*>(sqlite3_column_text(select, 3))));
                               points.push_back(std::move(p));
                           });
        benchmark::DoNotOptimize(points.size());
    });
}

BENCHMARK(BM_WriteMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveMillionToFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InsertPlainSqlite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenMillionFromFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelectPlainSqlite)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::PrintRatio("save through visitors and file / plain SQLite insert", "save", "plain insert");
    bench::PrintRatio("open through file and visitors / plain SQLite select", "open", "plain select");
    return 0;
}
