#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "platform/cls/cls_MetadataRegistrar.h"
#include "support/tst_Message.h"
#include "tests/platform/cls/PersistenceClasses.h"

namespace {

class Persistence : public ::testing::Test {
protected:
    void SetUp() override { tst_RegisterPersistenceClasses(); }

    // A square owning a label, sharing one amplitude twice, with a child square.
    static std::shared_ptr<tst_Square> Sample() {
        auto shared = std::make_shared<tst_Amplitude>("shared", std::vector<double>{0.0, 0.5, 1.0});
        auto sq = std::make_shared<tst_Square>();
        sq->name("outer"), sq->color(tst_Color::GREEN), sq->tags({"a", "b"}), sq->side(4.0), sq->count(-12);
        sq->flag(false), sq->code(4000000000u), sq->label(cow_COW<tst_Amplitude>(new tst_Amplitude("label")));
        sq->first(shared), sq->second(shared);
        auto child = std::make_shared<tst_Square>();
        child->name("inner"), child->first(shared);
        sq->children({child, child});
        sq->byName({{"x", cow_COW<tst_Amplitude>(shared)}, {"y", sq->label()}});
        sq->weights({{"w1", 0.25}, {"w2", 4.0}}), sq->levels({3, 1, 2});
        sq->owned(std::make_unique<tst_Amplitude>("mine")), sq->extras({"e"});
        return sq;
    }

    static dbs_Database Written(cls_Persistent const& root) {
        dbs_Database db;
        cls_WriteVisitor(db).WriteRoot("shapes", root);
        return db;
    }
    static std::shared_ptr<tst_Square> ReadBack(dbs_Database const& db) {
        return cls_ReadVisitor(db).ReadRoot<tst_Square>("shapes");
    }
};

TEST_F(Persistence, RoundTripKeepsEveryAttributeAndTheSharing) {
    auto db = Written(*Sample());
    auto sq = ReadBack(db);
    ASSERT_TRUE(sq);
    EXPECT_EQ(std::tuple(sq->name(), sq->color(), sq->tags(), sq->side(), sq->count(), sq->flag(), sq->code()),
              std::tuple("outer", tst_Color::GREEN, std::vector<std::string>{"a", "b"}, 4.0, -12, false, 4000000000u));
    ASSERT_TRUE(sq->label() && sq->first());
    EXPECT_EQ(sq->label()->name(), "label");
    EXPECT_EQ(sq->first()->values(), (std::vector<double>{0.0, 0.5, 1.0}));
    EXPECT_EQ(sq->first().get(), sq->second().get());
    ASSERT_EQ(sq->children().size(), 2u);
    EXPECT_EQ(sq->children()[0].get(), sq->children()[1].get());
    auto child = std::dynamic_pointer_cast<tst_Square>(sq->children()[0]);
    ASSERT_TRUE(child);
    EXPECT_EQ(child->name(), "inner");
    EXPECT_EQ(child->first().get(), sq->first().get());
    EXPECT_EQ(sq->byName().at("x").Shared().get(), sq->first().get());
    EXPECT_TRUE(sq->byName().at("y").SharesWith(sq->label()));
    ASSERT_TRUE(sq->owned());
    EXPECT_EQ(std::tuple(sq->weights(), sq->levels(), sq->owned()->name(), sq->extras()),
              std::tuple(std::map<std::string, double>{{"w1", 0.25}, {"w2", 4.0}}, std::vector<int>{3, 1, 2}, "mine",
                         std::vector<std::string>{"e"}));

    // Stored form: one row per class level, the shared amplitude once.
    auto const& squares = db.Tables().at(tst_Square::TypeId());
    auto const& shapes = db.Tables().at(tst_Shape::TypeId());
    // Amplitudes: the shared one, the label and the owned one.
    EXPECT_EQ(std::tuple(squares.rows.size(), shapes.rows.size(), db.Tables().at(tst_Amplitude::TypeId()).rows.size()),
              std::tuple(2u, 2u, 3u));
    auto const& outer = shapes.rows[squares.rows[0].baseOid].fields;
    EXPECT_EQ(std::tuple(outer[0], outer[1]), std::tuple(dbs_Value("outer"), dbs_Value(dbs_EnumString{"GREEN"})));
    EXPECT_EQ(db.Roots().at("shapes"), (dbs_Ref{tst_Square::TypeId(), 0}));

    // Writing what was read gives the same database.
    EXPECT_EQ(Written(*sq), db);
}

TEST_F(Persistence, ReadObjectsTakeFreshIdentitiesThatLaterAllocationsDoNotReuse) {
    auto original = Sample();
    auto sq = ReadBack(Written(*original));
    EXPECT_NE(sq->Uid(), original->Uid());
    EXPECT_NE(sq->tst_Shape::Uid(), sq->Uid());
    EXPECT_EQ(sq->first()->Uid(), sq->second()->Uid());
    auto later = cls_Uid::AllocateUid();
    for (auto uid : {sq->Uid(), sq->tst_Shape::Uid(), sq->first()->Uid(), sq->label()->Uid()})
        EXPECT_LT(uid, later);
}

TEST_F(Persistence, StartWriteRefusesAnObjectAlreadyWrittenInTheSameOperation) {
    dbs_Database db;
    cls_WriteVisitor w(db);
    tst_Amplitude amp("a");
    EXPECT_EQ(w.WriteRoot("one", amp), (dbs_Ref{tst_Amplitude::TypeId(), 0}));
    EXPECT_EQ(w.WriteRoot("two", amp), (dbs_Ref{tst_Amplitude::TypeId(), 0}));
    EXPECT_EQ(db.Tables().at(tst_Amplitude::TypeId()).rows.size(), 1u);

    cls_WriteVisitor child(db);
    EXPECT_TRUE(child.StartWrite(tst_Amplitude::TypeId(), cls_Uid(999999999)));
    cls_WriteVisitor again(db);  // another operation: written anew
    EXPECT_EQ(again.WriteRoot("three", amp).oid, 2);

    // A copy is another object: written beside the original, not as a reference to it.
    tst_Amplitude copy(amp);
    EXPECT_NE(copy.Uid(), amp.Uid());
    dbs_Database db2;
    cls_WriteVisitor w2(db2);
    EXPECT_NE(w2.WriteRoot("a", amp), w2.WriteRoot("b", copy));
}

TEST_F(Persistence, AttributesMissingFromAnOlderTableReadAsTheirDefaults) {
    auto db = Written(*Sample());
    auto& squares = db.Tables().at(tst_Square::TypeId());
    for (auto const* name : {"side", "count", "flag", "code"}) {
        auto pos = *squares.Find(name);
        squares.schema.erase(squares.schema.begin() + pos);
        for (auto& row : squares.rows) row.fields.erase(row.fields.begin() + pos);
    }
    squares.version = 3;
    auto& shapes = db.Tables().at(tst_Shape::TypeId());
    shapes.rows[0].fields[*shapes.Find("color")] = dbs_Value();  // undefined
    auto sq = ReadBack(db);
    // The levels' position is found by name in the older layout.
    EXPECT_EQ(std::tuple(sq->side(), sq->count(), sq->flag(), sq->code(), sq->color(), sq->name(), sq->levels()),
              std::tuple(2.5, 7, true, 3u, tst_Color::BLUE, "outer", std::vector<int>{3, 1, 2}));
}

TEST_F(Persistence, AbsentOptionalObjectsAreStoredAsExplicitNull) {
    tst_Square sq;
    auto db = Written(sq);
    auto const& table = db.Tables().at(tst_Square::TypeId());
    for (auto const* name : {"label", "first", "owned"}) EXPECT_TRUE(table.rows[0].fields[*table.Find(name)].IsNull());
    auto back = ReadBack(db);
    EXPECT_FALSE(back->label() || back->first() || back->owned());
}

TEST_F(Persistence, EnumerationsAreStoredAsStringsAndARefusedStringStopsTheReading) {
    tst_Pair pair;
    pair.a(tst_Color::GREEN);
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("pair", pair);
    auto& row = db.Tables().at(tst_Pair::TypeId()).rows[0];
    EXPECT_EQ(row.fields[0], dbs_Value(dbs_EnumString{"GREEN"}));
    EXPECT_EQ(cls_ReadVisitor(db).ReadRoot<tst_Pair>("pair")->a(), tst_Color::GREEN);

    // "b" is read first (the read order), so its refusal is the one raised.
    row.fields[0] = dbs_EnumString{"green"};
    row.fields[1] = std::string("Purple");
    EXPECT_EQ(tst_MessageOf<omu_ValueErrorException>([&] { cls_ReadVisitor(db).ReadRoot<tst_Pair>("pair"); }),
              "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: Purple  Permissible: BLUE, GREEN, RED");
}

TEST_F(Persistence, MetadataComesFromTheAttributeTable) {
    auto const* md = cls_MetadataRegistrar::Find(tst_Square::TypeId());
    ASSERT_TRUE(md);
    EXPECT_EQ(std::tuple(md->Name(), md->Version(), md->BaseId()), std::tuple("tst_Square", 7, tst_Shape::TypeId()));
    EXPECT_TRUE(md->GetFactory());
    EXPECT_EQ(cls_MetadataRegistrar::Registrar().Find("tst_Square"), md);
    auto const amp = tst_Amplitude::TypeId();
    std::vector<dbs_Attribute> const expected = {
        {0, "side", 10, 1, 0}, {1, "count", 5, 1, 0}, {2, "flag", 13, 1, 0}, {3, "code", 5, 1, 0},
        {4, "label", 15, amp, 0}, {5, "first", 15, amp, 0}, {6, "second", 15, amp, 0},
        {7, "children", 15, 0x230001, cls_ElemObject}, {8, "byName", 15, 0x230002, cls_ElemObjectInMap},
        {9, "weights", 15, 0x230002, cls_ElemDouble}, {10, "levels", 15, 0x230001, cls_ElemInt},
        {11, "owned", 15, amp, 0}, {-1, "extras", 15, 0x230001, cls_ElemString},
    };
    EXPECT_EQ(md->Attributes(), expected);

    auto const* shape = cls_MetadataRegistrar::Find(tst_Shape::TypeId());
    EXPECT_FALSE(shape->GetFactory());
    EXPECT_EQ(shape->BaseId(), cls_NoBaseId);
    EXPECT_EQ(shape->Attributes()[1], (dbs_Attribute{1, "color", 14, 1, 0}));
    EXPECT_EQ(cls_MetadataRegistrar::Find(tst_Amplitude::TypeId())->Attributes()[1],
              (dbs_Attribute{1, "values", 15, cls_ArrayTypeId, cls_ElemDouble}));
    // Ordinals count the rows, whatever order the class reads in.
    std::vector<dbs_Attribute> const pair = {{0, "a", 14, 1, 0}, {1, "b", 14, 1, 0}, {2, "c", 7, 1, 0}};
    EXPECT_EQ(cls_MetadataRegistrar::Find(tst_Pair::TypeId())->Attributes(), pair);

    EXPECT_EQ(tst_Square::sideCmd(), "side");
    EXPECT_EQ(tst_Square::byNameCmd(), "byName");
    EXPECT_EQ(tst_Square::Attributes().FindScript("weights")->key.ordinal, 9);
}

TEST_F(Persistence, MetadataFunctionsRunWhenNeededAndTheirRemovalRemovesTheirClasses) {
    cls_MetadataRegistrar::removeClassMetadata(tst_Pair::InitializeMetadata);
    EXPECT_FALSE(cls_MetadataRegistrar::IsRegistered(tst_Pair::InitializeMetadata));
    EXPECT_EQ(cls_MetadataRegistrar::Find(tst_Pair::TypeId()), nullptr);
    tst_Pair pair;
    dbs_Database db;
    EXPECT_THROW(cls_WriteVisitor(db).WriteRoot("p", pair), nex_AssertException);
    cls_MetadataRegistrar::initClassMetadata(tst_Pair::InitializeMetadata, 3);
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(tst_Pair::InitializeMetadata), 3u);
    EXPECT_NE(cls_MetadataRegistrar::Find(tst_Pair::TypeId()), nullptr);
}

// Each refusal says its place and its problem, and keeps them apart for callers; the
// innermost place wins, and a chain of objects deeper than the limit is refused, not followed.
TEST_F(Persistence, DamagedDatabasesAreRefusedWithTheirPlaceInPlainWords) {
    // The failure's place and problem; the message is made of them when `message` is empty.
    struct Case {
        char const* what;
        std::function<void(dbs_Database&)> damage;
        std::string message;
        cls_ReadFailure failure;
    };
    auto field = [](dbs_Database& db, std::uint32_t id, char const* name, std::size_t row = 0) -> dbs_Value& {
        auto& t = db.Tables().at(id);
        return t.rows[row].fields[*t.Find(name)];
    };
    auto const sq = tst_Square::TypeId(), amplitude = tst_Amplitude::TypeId();
    auto set = [&](std::uint32_t id, char const* name, dbs_Value v, std::size_t row = 0) {
        return [=](dbs_Database& db) { field(db, id, name, row) = v; };
    };
    auto base = [](std::int64_t oid) { return [oid](dbs_Database& db) { db.Tables().at(tst_Square::TypeId()).rows[0].baseOid = oid; }; };
    std::vector<Case> const cases = {
        {"wrong kind", set(sq, "count", std::string("x")), "",
         {"tst_Square", 0, "count", "holds a string where an integer is expected"}},
        {"out of range", set(sq, "count", std::int64_t(1) << 40), "", {"tst_Square", 0, "count", "holds 1099511627776, out of range"}},
        {"nested row", set(sq, "count", 0.5, 1), "", {"tst_Square", 1, "count", "holds a double where an integer is expected"}},
        {"missing row", set(sq, "label", dbs_Ref{amplitude, 77}), "",
         {"tst_Square", 0, "label", "refers to tst_Amplitude row 77, which is not stored"}},
        {"another class", set(sq, "first", dbs_Ref{sq, 1}), "",
         {"tst_Square", 0, "first", "refers to a tst_Square where a tst_Amplitude is expected"}},
        {"another class refused before reading it", set(sq, "children", dbs_List{dbs_Ref{amplitude, 0}}), "",
         {"tst_Square", 0, "children", "refers to a tst_Amplitude where a tst_Shape is expected"}},
        {"cycle", set(sq, "children", dbs_List{dbs_Ref{sq, 0}}), "",
         {"tst_Square", 0, "children", "refers to tst_Square row 0, which contains this attribute"}},
        {"no base row", base(9), "", {"tst_Square", 0, "", "its base part (tst_Shape row 9) is not stored"}},
        {"base row one past the last", base(2), "", {"tst_Square", 0, "", "its base part (tst_Shape row 2) is not stored"}},
        {"negative base row", base(-1), "", {"tst_Square", 0, "", "its base part (tst_Shape row -1) is not stored"}},
        {"short row", [](dbs_Database& db) { db.Tables().at(tst_Square::TypeId()).rows[1].fields.pop_back(); },
         "cls_ReadVisitor: tst_Square row 1 has 12 fields for 13 attributes",
         {}},  // kept with the root's place, not the row's: only the message is compared
        {"enumeration in the base row", set(tst_Shape::TypeId(), "color", dbs_EnumString{"PURPLE"}, 1),
         "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: PURPLE  Permissible: BLUE, GREEN, RED",
         {"tst_Shape", 1, "color", "holds \"PURPLE\", which is not a permitted value"}},
        {"infinity", set(sq, "side", HUGE_VAL), "", {"tst_Square", 0, "side", "holds +infinity where a finite number is expected"}},
        {"NaN in an array", set(amplitude, "values", std::vector<double>{NAN}), "",
         {"tst_Amplitude", 0, "values", "holds NaN where a finite number is expected"}},
        {"key twice", set(sq, "weights", dbs_Map{{"w", 1.0}, {"w", 2.0}}), "", {"tst_Square", 0, "weights", "holds the key \"w\" twice"}},
        {"abstract root", [](dbs_Database& db) { db.SetRoot("shapes", {tst_Shape::TypeId(), 0}); }, "",
         {"", -1, "shapes", "refers to tst_Shape, an abstract class"}},
    };
    ASSERT_EQ(Written(*Sample()).Tables().at(tst_Shape::TypeId()).rows.size(), 2u);  // row 2 is one past the last
    for (auto const& c : cases) {
        SCOPED_TRACE(c.what);
        auto db = Written(*Sample());
        c.damage(db);
        cls_ReadVisitor reader(db);
        auto const& w = c.failure;
        std::string const place = w.row < 0 ? "root" : w.className + " row " + std::to_string(w.row);
        EXPECT_EQ(tst_MessageOf<nex_Exception>([&] { reader.ReadRoot<tst_Square>("shapes"); }),
                  !c.message.empty() ? c.message
                                     : "cls_ReadVisitor: " + place + ": " +
                                           (w.attribute.empty() ? "" : "\"" + w.attribute + "\" ") + w.problem);
        ASSERT_NE(reader.Failure(), nullptr);
        if (w.problem.empty()) continue;
        auto const& f = *reader.Failure();
        EXPECT_EQ(std::tie(f.className, f.row, f.attribute, f.problem),
                  std::tie(c.failure.className, c.failure.row, c.failure.attribute, c.failure.problem));
    }

    auto chain = std::make_shared<tst_Square>();
    for (int i = 0; i < 3 * cls_MaxReadDepth; ++i) {
        auto outer = std::make_shared<tst_Square>();
        outer->children({chain});
        chain = outer;
    }
    auto db = Written(*chain);
    chain.reset();
    cls_ReadVisitor reader(db);
    EXPECT_THROW(reader.ReadRoot<tst_Square>("shapes"), cls_ReadError);
    EXPECT_EQ(reader.Failure()->attribute, "children");
    EXPECT_EQ(reader.Failure()->problem, "refers to objects nested more than 200 deep");
}

TEST_F(Persistence, HandWrittenPartsRunOnceForTheirOwnLevel) {
    tst_OnTop top;
    top.a(2), top.b(5), top.c(9);
    tst_Hooked::writes = 0;
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("top", top);
    EXPECT_EQ(tst_Hooked::writes, 1);
    EXPECT_EQ(db.Tables().at(tst_Hooked::TypeId()).rows[0].fields, (std::vector<dbs_Value>{dbs_Value(2), dbs_Value(7)}));
    EXPECT_EQ(db.Tables().at(tst_OnTop::TypeId()).schema.size(), 1u);
    auto back = cls_ReadVisitor(db).ReadRoot<tst_OnTop>("top");
    EXPECT_EQ(std::tuple(back->a(), back->b(), back->c()), std::tuple(2, 5, 9));
}

TEST_F(Persistence, WriterRefusesAttributesAndTablesOutsideTheCurrentLayout) {
    auto db = Written(tst_Amplitude("a"));
    db.Tables().at(tst_Amplitude::TypeId()).version = 11;
    EXPECT_THROW(cls_WriteVisitor(db).WriteRoot("again", tst_Amplitude("b")), nex_AssertException);

    dbs_Database fresh;
    cls_WriteVisitor w(fresh);
    EXPECT_THROW(w.Put({0, "name"}, dbs_Value(1)), nex_AssertException);  // before StartWrite
    ASSERT_TRUE(w.StartWrite(tst_Amplitude::TypeId(), cls_Uid::AllocateUid()));
    EXPECT_THROW(w.Put({5, "nonsense"}, dbs_Value(1)), nex_AssertException);
    w.Write({0, "name"}, std::string("typed"));
    EXPECT_EQ(fresh.Tables().at(tst_Amplitude::TypeId()).rows[0].fields[0], dbs_Value("typed"));
}

}  // namespace

TEST(ClassRegistrar, ClassesHoldingAnotherClassesIdOrNameAreRefusedAndChangeNothing) {
    cls_ClassRegistrar r;
    r.CreateClassMD("tst_A", 0x7F000501, 3);
    r.CreateClassMD("tst_A", 0x7F000501, 4);  // the same class again replaces its metadata
    EXPECT_EQ(r.Find(0x7F000501)->Version(), 4);
    struct Case {
        char const* name;
        std::uint32_t id;
        char const* message;
    } const cases[] = {
        {"tst_B", 0x7F000501,
         "cls_ClassRegistrar::AddClassMD - the type id of tst_B (0x7F000501) is held by tst_A (0x7F000501)"},
        {"tst_A", 0x7F000502,
         "cls_ClassRegistrar::AddClassMD - the name of tst_A (0x7F000502) is held by tst_A (0x7F000501)"},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { r.CreateClassMD(c.name, c.id, 1); }), c.message);
        EXPECT_EQ(r.Size(), 1u);
        EXPECT_EQ(r.Find(0x7F000501)->Name(), "tst_A");
        EXPECT_EQ(r.Find(0x7F000501)->Version(), 4);
        EXPECT_EQ(r.Find("tst_B"), nullptr);
    }
}
