// Writing and reading one million small objects (four attributes each, one of them an
// enumeration string) through the visitors into and out of the in-memory database.
#include <benchmark/benchmark.h>

#include "include/cls_AttributeTable.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/nex/nex_Exception.h"

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
    A(id, id_, "id", 0)            \
    A(x, x_, "x", 0.0)             \
    A(name, name_, "name", "")     \
    A(kind, kind_, "kind", bch_Kind::LOW)

class bch_Point : public cls_Persistent {
    CLS_PERSISTENT(bch_Point, cls_Persistent, 0x7E000001, 1, BCH_POINT_ATTRIBUTES)
    bch_Point() = default;
    int id_ = 0;
    double x_ = 0.0;
    std::string name_;
    bch_Kind kind_ = bch_Kind::LOW;
};

#define BCH_CLOUD_ATTRIBUTES(A) A(points, points_, "points", {})

class bch_Cloud : public cls_Persistent {
    CLS_PERSISTENT(bch_Cloud, cls_Persistent, 0x7E000002, 1, BCH_CLOUD_ATTRIBUTES)
    bch_Cloud() = default;
    std::vector<std::shared_ptr<bch_Point>> points_;
};

constexpr int count = 1'000'000;

bch_Cloud MakeCloud() {
    cls_MetadataRegistrar::initClassMetadata(bch_Point::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(bch_Cloud::InitializeMetadata, 7);
    bch_Cloud cloud;
    cloud.points_.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto p = std::make_shared<bch_Point>();
        p->id_ = i;
        p->x_ = i * 0.5;
        p->name_.push_back('p');  // short: within the string's own buffer
        p->kind_ = i % 2 ? bch_Kind::HIGH : bch_Kind::LOW;
        cloud.points_.push_back(std::move(p));
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
        benchmark::DoNotOptimize(cloud->points_.size());
        state.PauseTiming();
        cloud.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(BM_WriteMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
