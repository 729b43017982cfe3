#include <gtest/gtest.h>

#include "module/datum/dtmC_DatumRef.h"
#include "module/datum/dtmC_Module.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"

namespace {

// A holder of references by value, as loads and constraints hold them.
#define TST_DATUM_HOLDER_ATTRIBUTES(A)      \
    A(dtmC_DatumRef, axis, {})              \
    A(std::vector<dtmC_DatumRef>, others, {})

class tst_DatumHolder : public cls_Persistent {
    CLS_PERSISTENT(tst_DatumHolder, cls_Persistent, 0x7F000101, 1, TST_DATUM_HOLDER_ATTRIBUTES)
    tst_DatumHolder() = default;
};
CLS_DEFINE(tst_DatumHolder)

class DatumRef : public ::testing::Test {
protected:
    void SetUp() override { dtmC_initialize(modules); }
    void TearDown() override { dtmC_finalize(modules); }
    int modules = 0;
};

TEST_F(DatumRef, NullReferenceAndOwnerNames) {
    dtmC_DatumRef null, five(5, 0, "", 0);
    EXPECT_TRUE(null.IsNullRef() && null.ownerNames().empty());
    EXPECT_FALSE(five.IsNullRef());
    EXPECT_TRUE(five.ownerNames().empty());
    dtmC_DatumRef owned(5, 2, "Part-1", 3);
    EXPECT_EQ(owned.ownerNames(), (cow_List<cow_String>{"Part-1"}));
    EXPECT_EQ(omu_ReturnPrim(owned), (omu_PrimTuple{5, 2}));
}

TEST_F(DatumRef, EqualityNeedsDatumAndAxisAndEitherOwnersOrInstance) {
    struct Case {
        dtmC_DatumRef a, b;
        bool equal;
    };
    std::vector<Case> const cases = {
        {{5, 1, "A", 0}, {5, 1, "B", 0}, true},    // owners differ, instance agrees
        {{5, 1, "A", 0}, {5, 2, "B", 0}, false},   // both differ
        {{5, 1, "A", 0}, {5, 2, "A", 0}, true},    // instance differs, owners agree
        {{5, 1, "A", 0}, {5, 1, "A", 1}, false},   // axis differs
        {{5, 1, "A", 0}, {6, 1, "A", 0}, false},   // datum differs
        {{}, {}, true},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].a == cases[i].b, cases[i].equal) << i;
        EXPECT_EQ(cases[i].a != cases[i].b, !cases[i].equal) << i;
    }
}

TEST_F(DatumRef, CopiesCarryAllFieldsAndANewIdentity) {
    dtmC_DatumRef a(5, 1, "A", 2);
    dtmC_DatumRef b(a);
    EXPECT_TRUE(b == a && b.ownerNames() == a.ownerNames() && b.Uid() != a.Uid());
    dtmC_DatumRef c;
    auto uid = c.Uid();
    c = a;
    EXPECT_EQ(c.datumId(), 5);
    EXPECT_EQ(c.Uid(), uid);
    std::unique_ptr<dtmC_DatumRef> copy(a.Copy());
    EXPECT_EQ(*copy, a);
    EXPECT_EQ(copy->DynTypeId(), 0x02480001u);
}

TEST_F(DatumRef, StoredFormAndRoundTrip) {
    dtmC_DatumRef ref(7, 3, "Part-2", 1);
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("datum", ref);
    auto const& t = db.Tables().at(0x02480001);
    EXPECT_EQ(std::tuple(t.className, t.version, t.baseId), std::tuple("dtmC_DatumRef", 320, 1u));
    std::vector<dbs_Attribute> const schema = {
        {0, "_ownerNames", 15, 0x230001, 55}, {1, "_datumId", 5, 1, 0}, {2, "_instanceId", 5, 1, 0}, {3, "_axisId", 5, 1, 0}};
    EXPECT_EQ(t.schema, schema);
    EXPECT_EQ(t.rows[0].fields,
              (std::vector<dbs_Value>{dbs_List{dbs_Value("Part-2")}, dbs_Value(7), dbs_Value(3), dbs_Value(1)}));
    auto back = cls_ReadVisitor(db).ReadRoot<dtmC_DatumRef>("datum");
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == ref && back->ownerNames() == ref.ownerNames() && back->instanceId() == 3);
}

TEST_F(DatumRef, ReferencesHeldByValueRoundTripAsTheirOwnRows) {
    cls_MetadataRegistrar::initClassMetadata(tst_DatumHolder::InitializeMetadata, 7);
    tst_DatumHolder h;
    h.axis(dtmC_DatumRef(3, 1, "P", 2));
    h.others({dtmC_DatumRef(4, 0, "", 0), dtmC_DatumRef(4, 0, "", 0)});
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("h", h);
    EXPECT_EQ(db.Tables().at(dtmC_DatumRef::TypeId()).rows.size(), 3u);
    EXPECT_EQ(cls_MetadataRegistrar::Find(tst_DatumHolder::TypeId())->Attributes()[0],
              (dbs_Attribute{0, "axis", 15, 0x02480001, 0}));
    auto back = cls_ReadVisitor(db).ReadRoot<tst_DatumHolder>("h");
    EXPECT_EQ(back->axis(), h.axis());
    EXPECT_EQ(back->axis().ownerNames(), (cow_List<cow_String>{"P"}));
    EXPECT_EQ(back->others().size(), 2u);
    EXPECT_EQ(back->others()[1], h.others()[1]);
    EXPECT_NE(back->others()[0].Uid(), back->others()[1].Uid());
    cls_MetadataRegistrar::removeClassMetadata(tst_DatumHolder::InitializeMetadata);
}

TEST_F(DatumRef, ModuleRegistersMetadataAndOldVersionsOnceAndCountsCalls) {
    EXPECT_EQ(modules, 1);
    dtmC_initialize(modules);
    EXPECT_EQ(modules, 1);
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(dtmC_DatumRef::InitializeMetadata), 7u);
    for (int version : {203, 209}) {
        auto const* e = dbc_OldClassRegistrar::Find(0x02480001, version);
        ASSERT_TRUE(e) << version;
        EXPECT_EQ(e->level, 4);
        EXPECT_EQ(e->version->ClassName(), "dtmC_DatumRef");
    }
    dtmC_finalize(modules);
    EXPECT_EQ(modules, 1);
    EXPECT_NE(cls_MetadataRegistrar::Find(0x02480001), nullptr);
    dtmC_finalize(modules);
    EXPECT_EQ(modules, 0);
    dtmC_initialize(modules);  // for TearDown
    EXPECT_EQ(modules, 1);
}

// Hand-built tables of each older version go through the whole chain to today's layout.
TEST_F(DatumRef, OlderStoredVersionsReadWithZeroInstanceAndAxis) {
    dbc_DatabaseConverter converter;
    dbc_OldClassRegistrar::PrepareConversion(converter);
    auto const* today = cls_MetadataRegistrar::Find(0x02480001);
    ASSERT_TRUE(converter.OldMetadata(0x02480001, 203) && converter.OldMetadata(0x02480001, 209));
    // Each version declares what it stored: today's first attributes, keys and kinds alike.
    for (auto [version, count] : {std::pair{203, 2u}, std::pair{209, 3u}}) {
        auto const& attributes = converter.OldMetadata(0x02480001, version)->Attributes();
        EXPECT_EQ(attributes, std::vector<dbs_Attribute>(today->Attributes().begin(),
                                                          today->Attributes().begin() + count));
    }
    struct Case {
        int version;
        dbs_List fields;
        int instance;
    } const cases[] = {{203, {dbs_List{dbs_Value("Part-1")}, dbs_Value(4)}, 0},
                       {209, {dbs_List{}, dbs_Value(4), dbs_Value(6)}, 6}};
    for (auto const& c : cases) {
        SCOPED_TRACE(c.version);
        dbs_Database db;
        auto& table = db.AddTable(converter.OldMetadata(0x02480001, c.version)->NewTable());
        table.rows.push_back({-1, c.fields});
        db.SetRoot("datum", {0x02480001, 0});
        converter.Convert(db, cls_MetadataRegistrar::Registrar());
        EXPECT_EQ(db.Tables().at(0x02480001).version, 320);
        EXPECT_EQ(db.Tables().at(0x02480001).schema, today->Attributes());
        auto ref = cls_ReadVisitor(db).ReadRoot<dtmC_DatumRef>("datum");
        EXPECT_EQ(std::tuple(ref->datumId(), ref->instanceId(), ref->axisId()), std::tuple(4, c.instance, 0));
        EXPECT_TRUE(db.Tables().at(0x02480001).rows[0].fields[3] == dbs_Value(0));  // added by the 209 change
    }
}

}  // namespace
