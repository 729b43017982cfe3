#include <gtest/gtest.h>

#include <memory>

#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_Message.h"

namespace {

constexpr std::uint32_t CURRENT = 0x7F000601, RETIRED = 0x7F000602, HOLDER = 0x7F000603, GONE = 0x7F000604,
                        EXTENSION = 0x7F000605;

// Today's classes: a step-like class at version 30 and a holder of references.
cls_ClassRegistrar Today() {
    cls_ClassRegistrar r;
    auto& c = r.CreateClassMD("tst_Current", CURRENT, 30);
    c.AddAttribute({0, "period"}, cls_TypeDouble);
    c.AddAttribute({1, "solver"}, cls_TypeString);
    c.AddAttribute({2, "count"}, cls_TypeInt);
    auto& h = r.CreateClassMD("tst_Holder", HOLDER, 5);
    h.AddAttribute({0, "items"}, cls_TypeObject, cls_ListTypeId, 1);
    r.CreateClassMD("tst_Extension", EXTENSION, 2, HOLDER);
    return r;
}

dbs_Table Table(std::uint32_t id, char const* name, int version, std::vector<dbs_Attribute> schema,
                std::vector<dbs_List> rows) {
    dbs_Table t{id, name, version};
    t.schema = std::move(schema);
    for (auto& r : rows) t.rows.push_back({-1, std::move(r)});
    return t;
}

dbs_Attribute A(int ordinal, char const* name, int code) { return {ordinal, name, code, cls_PlainTypeArg, 0}; }

TEST(DatabaseConverter, ANewerTableIsRefusedNamingTheClassAndBothVersionsAndNothingChanges) {
    dbs_Database db;
    db.AddTable(Table(CURRENT, "tst_Current", 31, {A(0, "period", 10)}, {{dbs_Value(1.0)}}));
    db.AddTable(Table(HOLDER, "tst_Holder", 2, {}, {{}}));
    auto const before = db;
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { dbc_DatabaseConverter().Convert(db, Today()); }),
              "the stored class tst_Current has version 31, newer than this release's 30");
    EXPECT_EQ(db, before);
}

// The vocabulary on a table of version 10 that goes through 10 -> 20 -> today (30).
TEST(DatabaseConverter, VersionsChangeTheirRowsInOrderAndTheLayoutEndsAsToday) {
    dbc_DatabaseConverter converter;
    converter.AddVersion(std::make_shared<dbc_OldClassVersion>(
        dbc_OldClassVersion("tst_Current", CURRENT, 10)
            .Attribute("time", cls_TypeDouble)
            .Attribute("legacy", cls_TypeInt)
            .Rename("time", "period")
            .Drop("legacy")
            .Add("count", 7)));
    converter.AddVersion(std::make_shared<dbc_OldClassVersion>(
        dbc_OldClassVersion("tst_Current", CURRENT, 20)
            .Attribute("period", cls_TypeDouble)
            .Attribute("count", cls_TypeInt)
            .ChangeType("count", [](dbs_Value const& v) { return dbs_Value(v.AsInteger() * 2); })
            // The solver comes from another table, read before anything moves.
            .Convert([](dbc_Row& row) {
                auto const* retired = row.Database().FindTable(RETIRED);
                row.Set("solver", retired ? retired->rows[0].fields[0] : dbs_Value("none"));
            })));
    EXPECT_EQ(converter.OldMetadata(CURRENT, 10)->Attributes(),
              (std::vector<dbs_Attribute>{A(0, "time", 10), A(1, "legacy", 5)}));
    EXPECT_EQ(converter.OldMetadata(CURRENT, 15), nullptr);

    struct Case {
        int version;
        std::vector<dbs_Attribute> schema;
        dbs_List row;
        dbs_List expected;
    } const cases[] = {
        {10, {A(0, "time", 10), A(1, "legacy", 5)}, {dbs_Value(2.5), dbs_Value(9)},
         {dbs_Value(2.5), dbs_Value("direct"), dbs_Value(14)}},
        {20, {A(0, "period", 10), A(1, "count", 5)}, {dbs_Value(1.5), dbs_Value(3)},
         {dbs_Value(1.5), dbs_Value("direct"), dbs_Value(6)}},
        // Today's version: kept by name, nothing converted.
        {30, {A(1, "solver", 11), A(0, "period", 10)}, {dbs_Value("x"), dbs_Value(0.5)},
         {dbs_Value(0.5), dbs_Value("x"), dbs_Value()}},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.version);
        dbs_Database db;
        db.AddTable(Table(CURRENT, "tst_Current", c.version, c.schema, {c.row}));
        db.AddTable(Table(RETIRED, "tst_Retired", 3, {A(0, "solver", 11)}, {{dbs_Value("direct")}}));
        converter.Convert(db, Today());
        auto const& t = db.Tables().at(CURRENT);
        EXPECT_EQ(t.version, 30);
        EXPECT_EQ(t.schema, Today().Find(CURRENT)->Attributes());
        EXPECT_EQ(t.rows[0].fields, c.expected);
    }
}

// A retired class is brought to its last version, its rows move into today's class with
// an attribute renamed, references follow them, and retired and deleted tables go.
TEST(DatabaseConverter, RetiredRowsMoveAndEveryReferenceFollows) {
    dbc_DatabaseConverter converter;
    converter.AddVersion(std::make_shared<dbc_OldClassVersion>(
        dbc_OldClassVersion("tst_Retired", RETIRED, 3).Attribute("t", cls_TypeDouble).Rename("t", "timePeriod")));
    converter.MoveRows(RETIRED, CURRENT, {{"timePeriod", "period"}});
    converter.DeleteClass(GONE);
    converter.RenameClass(HOLDER, "tst_Holder");

    dbs_Database db;
    db.AddTable(Table(CURRENT, "tst_Current", 30, {A(0, "period", 10)}, {{dbs_Value(1.0)}}));
    db.AddTable(Table(RETIRED, "tst_Retired", 3, {A(0, "t", 10)}, {{dbs_Value(2.0)}, {dbs_Value(3.0)}}));
    db.AddTable(Table(GONE, "tst_Gone", 1, {}, {{}}));
    db.AddTable(Table(HOLDER, "tst_OldHolder", 5, {{0, "items", cls_TypeObject, cls_ListTypeId, 1}},
                      {{dbs_List{dbs_Value(dbs_Ref{RETIRED, 1}), dbs_Value(dbs_Ref{CURRENT, 0})}}}));
    db.SetRoot("first", {RETIRED, 0});
    converter.Convert(db, Today());

    EXPECT_FALSE(db.FindTable(RETIRED) || db.FindTable(GONE));
    auto const& current = db.Tables().at(CURRENT);
    ASSERT_EQ(current.rows.size(), 3u);
    EXPECT_EQ(std::tuple(current.rows[1].fields[0], current.rows[2].fields[0]), std::tuple(dbs_Value(2.0), dbs_Value(3.0)));
    EXPECT_EQ(db.Tables().at(HOLDER).className, "tst_Holder");
    EXPECT_EQ(db.Tables().at(HOLDER).rows[0].fields[0],
              dbs_Value(dbs_List{dbs_Value(dbs_Ref{CURRENT, 2}), dbs_Value(dbs_Ref{CURRENT, 0})}));
    EXPECT_EQ(db.Roots().at("first"), (dbs_Ref{CURRENT, 1}));
}

// Rows that become derived parts: linked to each holder row naming them (a shared row
// duplicated, an orphan dropped and its references null), placed after the rows the
// table holds, references to a holder reaching the derived row; a move into a class
// today's release lacks is refused by the retired class's message.
TEST(DatabaseConverter, DerivedRowsLinkToTheirHoldersAfterTheRowsThereAlready) {
    dbc_DatabaseConverter converter;
    dbc_Move move;
    move.from = RETIRED, move.to = CURRENT, move.name = "tst_Retired", move.linkTable = HOLDER, move.linkAttribute = "items";
    converter.MoveRows(move);

    dbs_Database db;
    db.AddTable(Table(CURRENT, "tst_Current", 30, {A(0, "period", 10)}, {{dbs_Value(1.0)}}));
    db.AddTable(Table(RETIRED, "tst_Retired", 3, {A(0, "period", 10)}, {{dbs_Value(2.0)}, {dbs_Value(3.0)}}));
    db.AddTable(Table(HOLDER, "tst_Holder", 5, {{0, "items", cls_TypeObject, cls_ListTypeId, 1}},
                      {{dbs_Value(dbs_Ref{RETIRED, 0})}, {dbs_Value(dbs_Ref{RETIRED, 0})}}));
    db.SetRoot("first", {HOLDER, 1});
    auto old = db;
    old.FindTable(RETIRED)->rows.push_back({-1, {dbs_Value(4.0)}});  // named by no holder
    converter.Convert(old, Today());
    auto const& rows = old.Tables().at(CURRENT).rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(std::tuple(rows[1].baseOid, rows[2].baseOid, rows[2].fields[0]), std::tuple(0, 1, dbs_Value(2.0)));
    EXPECT_EQ(old.Roots().at("first"), (dbs_Ref{CURRENT, 2}));
    EXPECT_EQ(old.FindTable(RETIRED), nullptr);

    dbc_Move unknown = move;
    unknown.to = 0x7F0006FF;
    dbc_DatabaseConverter refusing;
    refusing.MoveRows(unknown);
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { refusing.Convert(db, Today()); }),
              "rename_tst_Retired failed: outputTable can't be NULL");
}

// An extension stored at version 1 as an empty placeholder (its base declared, no base
// part written) gains a base part of defaults; a current-version row without one is
// left for the reader to refuse.
TEST(DatabaseConverter, APlaceholderWithoutItsBasePartGainsOneOfDefaults) {
    for (int version : {1, 2}) {
        SCOPED_TRACE(version);
        dbs_Database db;
        auto placeholder = Table(EXTENSION, "tst_Extension", version, {}, {{}, {}});
        placeholder.baseId = HOLDER;
        db.AddTable(placeholder);
        db.AddTable(Table(HOLDER, "tst_Holder", 5, {{0, "items", cls_TypeObject, cls_ListTypeId, 1}}, {{dbs_List{}}}));
        dbc_DatabaseConverter().Convert(db, Today());
        auto const& rows = db.Tables().at(EXTENSION).rows;
        auto const& bases = db.Tables().at(HOLDER).rows;
        EXPECT_EQ(std::tuple(rows[0].baseOid, rows[1].baseOid, bases.size()),
                  version == 1 ? std::tuple(1, 2, 3u) : std::tuple(-1, -1, 1u));
        if (version == 1 && bases.size() == 3) {
            EXPECT_EQ(bases[2].fields, dbs_List{dbs_Value()});
        }
    }
}

}  // namespace
