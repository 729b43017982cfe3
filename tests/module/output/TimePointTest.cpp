#include <gtest/gtest.h>

#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "platform/ddr/ddr_Model.h"
#include "tests/module/output/OutputTestSupport.h"

namespace {

using TimePoints = LibraryUp;
using Points = kprC_TimePoint::Points;

std::string const msg163 =
    "Each time point in the 2D sequence must contain one or three entries, for example ((.4,),(.5,)).";
std::string const msg164 = "Time points cannot be empty.";
std::string const msg165 = "Time points must be in ascending order.";
std::string const msg167 = "Time point start value must be less than or equal to the end value.";

TEST_F(TimePoints, Validation) {
    struct Case {
        char const* what;
        Points points;
        std::string message;
    } const cases[] = {
        {"ascending times", {{0.4}, {0.5}}, ""}, {"one time", {{2.0}}, ""},
        {"descending times", {{0.5}, {0.4}}, msg165}, {"repeated time", {{0.4}, {0.4}}, msg165},
        {"late descent", {{0.1}, {0.2}, {0.3}, {0.25}}, msg165}, {"two entries", {{0.4, 0.5}, {0.6, 0.7}}, msg163},
        {"two entries, descending", {{0.5, 0.4}}, msg163}, {"four entries", {{0.0, 1.0, 0.1, 2.0}}, msg163},
        {"no rows", {}, msg164}, {"rows without entries", Points(2, 0), msg164},
        {"range ending before its start", {{1.0, 0.5, 0.1}}, msg167}, {"range", {{0.0, 1.0, 0.1}}, ""},
        {"empty range", {{1.0, 1.0, 0.0}}, ""},
        {"ranges out of order, free increments", {{2.0, 3.0, -1.0}, {0.0, 1.0, 5.0}}, ""},
        {"second range ending before its start", {{0.0, 1.0, 0.1}, {3.0, 2.0, 0.1}}, msg167},
    };
    for (auto const& c : cases) {
        kprC_TimePoint const point(c.points);
        EXPECT_EQ(RaisedMessage([&] { point.AssertValid(); }), c.message) << c.what;
    }
}

TEST_F(TimePoints, RaggedRowsAreRefusedBeforeTheyBecomePoints) {
    EXPECT_THROW(Points::FromRows({{0.4}, {0.5, 0.6}}), omu_ValueErrorException);
    auto const array = Points::FromRows({{0.0, 1.0, 0.1}, {2.0, 3.0, 0.5}});
    EXPECT_EQ(array.Rows(), 2u);
    EXPECT_EQ(array.Columns(), 3u);
    EXPECT_EQ(array(1, 2), 0.5);
    EXPECT_EQ(Points(0, 3).Columns(), 0u);  // no rows, no columns
}

TEST_F(TimePoints, ShapesRoundTripExactly) {
    EXPECT_EQ(cls_MetadataRegistrar::Find(kprC_TimePoint::TypeId())->Attributes(),
              (std::vector<dbs_Attribute>{{0, "points", 15, 0x230001, 52}}));
    for (Points const& points : {Points{}, Points(2, 0), Points{{0.25}}, Points{{0.1}, {0.2}, {0.3}},
                                 Points{{0.0, 1.0, 0.1}, {2.0, 3.0, 0.5}}}) {
        dbs_Database db;
        auto back = RoundTrip<kprC_TimePoint>(kprC_TimePoint(points), db);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->points().Rows(), points.Rows());
        EXPECT_EQ(back->points().Columns(), points.Columns());
        EXPECT_EQ(back->points(), points);
    }
}

TEST_F(TimePoints, StoredRowsOfDifferentLengthsAreRefusedOnReading) {
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("root", kprC_TimePoint(Points{{0.1}, {0.2}}));
    db.FindTable(kprC_TimePoint::TypeId())->rows[0].fields[0] =
        dbs_List{dbs_Value(std::vector<double>{0.1}), dbs_Value(std::vector<double>{0.2, 0.3})};
    try {
        cls_ReadVisitor(db).ReadRoot<kprC_TimePoint>("root");
        ADD_FAILURE() << "read a ragged array";
    } catch (nex_TextException const& e) {
        EXPECT_NE(std::string(e.what()).find("\"points\" holds rows of different lengths"), std::string::npos)
            << e.what();
    }
}

TEST_F(TimePoints, TheMapChecksWhatItKeeps) {
    kprC_TimePointCont map;
    map.Set("TP-1", kprC_TimePoint({{0.4}, {0.5}}));
    struct Refusal {
        char const* name;
        Points points;
        std::string message;
    } const refusals[] = {{"TP-1", {{0.5}, {0.4}}, msg165}, {"TP-2", {}, msg164}, {"TP-2", {{1.0, 0.0, 0.1}}, msg167}};
    for (auto const& r : refusals) {
        EXPECT_EQ(RaisedMessage([&] { map.Set(r.name, kprC_TimePoint(r.points)); }), r.message) << r.name;
        EXPECT_EQ(map.Keys(), (cow_List<cow_String>{"TP-1"}));
        EXPECT_EQ(map.Get("TP-1").points(), (Points{{0.4}, {0.5}}));
    }
    EXPECT_THROW(map.Get("TP-2"), omu_KeyErrorException);
    EXPECT_FALSE(map.Remove("TP-2"));
    EXPECT_TRUE(map.Remove("TP-1"));
    EXPECT_EQ(map.Size(), 0u);
}

TEST_F(TimePoints, MapWithTwoEntriesRoundTripsKeepingSharing) {
    kprC_TimePointCont map;
    cow_COW<kprC_TimePoint> shared(new kprC_TimePoint(Points{{0.0, 1.0, 0.25}}));
    map.Set("Ranges", shared);
    map.Set("Times", kprC_TimePoint({{0.1}, {0.7}}));
    map.Set("RangesAgain", shared);

    dbs_Database db;
    auto back = RoundTrip<kprC_TimePointCont>(map, db);
    auto const* t = db.FindTable(kprC_TimePointCont::TypeId());
    EXPECT_EQ(t->className, "kprC_TimePointCont");
    EXPECT_EQ(t->baseId, mdl_Repository_TypeId);
    EXPECT_EQ(t->schema, (std::vector<dbs_Attribute>{{0, "timePoints", 15, 0x230002, 2}}));
    // Files written before the map stored its repository level still open.
    dbs_Database older = db;
    older.FindTable(kprC_TimePointCont::TypeId())->baseId = 1;
    older.RemoveTable(mdl_Repository_TypeId);
    EXPECT_EQ(cls_ReadVisitor(older).ReadRoot<kprC_TimePointCont>("root")->Keys(), back->Keys());
    EXPECT_EQ(db.FindTable(kprC_TimePoint::TypeId())->rows.size(), 2u);

    ASSERT_TRUE(back);
    EXPECT_EQ(back->Keys(), (cow_List<cow_String>{"Ranges", "RangesAgain", "Times"}));
    EXPECT_EQ(back->Get("Ranges").points(), (Points{{0.0, 1.0, 0.25}}));
    EXPECT_EQ(back->Get("Times").points(), (Points{{0.1}, {0.7}}));
    EXPECT_TRUE(back->timePoints().at("Ranges").SharesWith(back->timePoints().at("RangesAgain")));
}

TEST_F(TimePoints, ANewModelHoldsAnEmptyMapThatCopiesWithTheModel) {
    ddr_Model model;
    auto& map = model.Extension<kprC_TimePointCont>(ddr_Model::timePointCmd());
    EXPECT_EQ(map.DynTypeId(), 0x023C005Du);
    EXPECT_EQ(map.Size(), 0u);
    EXPECT_NE(dynamic_cast<cls_Persistent*>(&model.GetExtension(ddr_Model::timePointCmd())), nullptr);

    map.Set("TP", kprC_TimePoint({{1.0}}));
    ddr_Model copy(model);
    auto& copied = copy.Extension<kprC_TimePointCont>(ddr_Model::timePointCmd());
    copied.Set("TP", kprC_TimePoint({{2.0}}));
    copied.Set("Other", kprC_TimePoint({{3.0}}));
    EXPECT_EQ(map.Keys(), (cow_List<cow_String>{"TP"}));
    EXPECT_EQ(map.Get("TP").points(), (Points{{1.0}}));
    EXPECT_EQ(ddr_Model().Extension<kprC_TimePointCont>(ddr_Model::timePointCmd()).Size(), 0u);
}

}  // namespace
