#include <gtest/gtest.h>

#include "platform/ddr/ddr_Model.h"
#include "platform/ini/ini_Modules.h"
#include "platform/mdl/mdl_ExtensionImpl.h"
#include "platform/nex/nex_DynamicCast.h"
#include "platform/typ/typ_ArchCompTable.h"
#include "support/tst_Message.h"

namespace {
constexpr unsigned M = 0x7001, OtherModule = 0x7002;
constexpr unsigned A = typ_MakeId(M, 1), B = typ_MakeId(M, 2), C = typ_MakeId(M, 3), D = typ_MakeId(M, 4),
                   E = typ_MakeId(M, 5), F = typ_MakeId(M, 6), Reserved = typ_MakeId(M, 7), Beyond = typ_MakeId(M, 9),
                   Foreign = typ_MakeId(OtherModule, 1);

// A <- B <- C; D derives from a class of a module that is not registered; E and F name
// each other as parent, which a registry must survive.
constexpr auto table = typ_BuildTable<8>(M, {
    {typ_KindClass, A, typ_NoParent, "A"}, {typ_KindClass, B, A, "B"}, {typ_KindClass, C, B, "C"},
    {typ_KindClass, D, Foreign, "D"}, {typ_KindClass, E, F, "E"}, {typ_KindClass, F, E, "F"},
});

class TypTable : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(typ_ArchCompTable::InsertEntry(M, {table.data(), table.size()})); }
    void TearDown() override { typ_ArchCompTable::RemoveEntry(M); }
};
}  // namespace

TEST_F(TypTable, BuilderReservesEveryIndexNotGiven) {
    EXPECT_EQ(table[0].kind, typ_KindReserved);
    EXPECT_EQ(table[0].name, nullptr);
    EXPECT_EQ(table[7].kind, typ_KindReserved);
    EXPECT_EQ(table[7].parent, typ_NoParent);
    EXPECT_STREQ(table[2].name, "B");
    EXPECT_EQ(table[2].parent, A);
}

TEST_F(TypTable, RegistryKeepsTheFirstTableOfAModule) {
    typ_Entry const other[2] = {{0, 1, nullptr}, {typ_KindClass, typ_NoParent, "Other"}};
    EXPECT_FALSE(typ_ArchCompTable::InsertEntry(M, {other, 2}));
    EXPECT_STREQ(typ_ArchCompTable::Entry(A)->name, "A");
    EXPECT_EQ(typ_ArchCompTable::Entry(Beyond), nullptr);
    EXPECT_EQ(typ_ArchCompTable::Entry(Foreign), nullptr);
    EXPECT_TRUE(typ_ArchCompTable::RemoveEntry(M));
    EXPECT_FALSE(typ_ArchCompTable::RemoveEntry(M));
    EXPECT_EQ(typ_ArchCompTable::Entry(A), nullptr);
    EXPECT_TRUE(typ_ArchCompTable::InsertEntry(M, {table.data(), table.size()}));
}

TEST_F(TypTable, CastsFollowParentIdentifiers) {
    struct Case {
        unsigned target, object;
        bool ok;
    } const cases[] = {
        {A, A, true},  {A, B, true},        {A, C, true},         {B, C, true},  {C, A, false},
        {C, B, false}, {Foreign, D, true},  {A, D, false},        {A, E, false}, {F, E, true},
        {E, F, true},  {A, Reserved, false}, {Beyond, Beyond, true}, {A, Beyond, false},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.object << " to " << c.target);
        EXPECT_EQ(nex_canDynamicCastPtr(c.target, c.object), c.ok);
        if (c.ok)
            EXPECT_TRUE(nex_canDynamicCastRef(c.target, c.object, "f.cpp", 1));
        else
            EXPECT_THROW(nex_canDynamicCastRef(c.target, c.object, "f.cpp", 1), nex_AssertException);
    }
}

TEST_F(TypTable, FailedReferenceCastNamesBothClassesAndThePlace) {
    EXPECT_EQ(tst_MessageOf<nex_AssertException>([] { nex_canDynamicCastRef(C, A, "steps/kprC_Step.cpp", 42); }),
              "Invalid cast of type 0x70010001 to 0x70010003 at steps/kprC_Step.cpp:42");
}

TEST(IniModules, CounterDoesWorkOnlyOnItsTransitions) {
    ini_Modules::ClearJournal();
    int count = 5, work = 0;
    auto up = [&] { ini_Initialize("probe", count, [&] { ++work; }); };
    auto down = [&] { ini_Finalize("probe", count, [&] { --work; }); };
    down();  // finalising a module that is not up changes nothing
    EXPECT_EQ(ini_Modules::Calls("probe"), 0);
    up();
    up();
    EXPECT_EQ(count, 6);
    EXPECT_EQ(work, 1);
    EXPECT_EQ(ini_Modules::Calls("probe"), 2);
    down();
    EXPECT_EQ(count, 6);
    down();
    EXPECT_EQ(count, 5);
    EXPECT_EQ(work, 0);
    EXPECT_EQ(ini_Modules::Journal(), (cow_List<cow_String>{"probe_initialize", "probe_finalize"}));
    ini_Modules::ClearJournal();
    EXPECT_TRUE(ini_Modules::Journal().empty());
}

namespace {
constexpr unsigned ExtModule = 0x7003;
constexpr unsigned CounterId = typ_MakeId(ExtModule, 1), OtherId = typ_MakeId(ExtModule, 2);
constexpr auto extTable = typ_BuildTable<3>(ExtModule, {
    {typ_KindClass, CounterId, typ_NoParent, "Counter"}, {typ_KindClass, OtherId, typ_NoParent, "Other"},
});
struct Counter : mdl_ExtensionImpl<Counter, CounterId> {
    int value = 0;
};
struct Plain : mdl_ExtensionImpl<Plain, OtherId> {};

class ModelExtensions : public ::testing::Test {
protected:
    void SetUp() override {
        typ_ArchCompTable::InsertEntry(ExtModule, {extTable.data(), extTable.size()});
        Counter prototype;
        prototype.value = 7;
        Subject::RegisterExtension("counter", prototype);
        Subject::RegisterExtension("other", Plain());
    }
    void TearDown() override {
        Subject::UnRegisterExtension("counter");
        Subject::UnRegisterExtension("other");
        typ_ArchCompTable::RemoveEntry(ExtModule);
    }
    using Subject = mdl_ExtensionSubject<ddr_Model>;
};
}  // namespace

TEST_F(ModelExtensions, EveryModelOwnsItsCopyOfEachPrototype) {
    ddr_Model first;
    EXPECT_EQ(first.ExtensionKeys(), (cow_List<cow_String>{"counter", "other"}));
    first.Extension<Counter>("counter").value = 8;
    ddr_Model second, copy(first);
    EXPECT_EQ(second.Extension<Counter>("counter").value, 7);
    EXPECT_EQ(copy.Extension<Counter>("counter").value, 8);
    copy.Extension<Counter>("counter").value = 9;
    EXPECT_EQ(first.Extension<Counter>("counter").value, 8);
}

TEST_F(ModelExtensions, RefusalsLeaveTheRegistryAsItWas) {
    EXPECT_THROW(Subject::RegisterExtension("counter", Plain()), nex_AssertException);
    ddr_Model model;
    EXPECT_EQ(model.GetExtension("counter").DynTypeId(), CounterId);
    EXPECT_THROW(model.Extension<Plain>("counter"), nex_AssertException);
    EXPECT_THROW(model.GetExtension("missing"), omu_KeyErrorException);
    EXPECT_FALSE(Subject::UnRegisterExtension("missing"));
    EXPECT_TRUE(Subject::UnRegisterExtension("other"));
    EXPECT_EQ(ddr_Model().ExtensionKeys(), cow_List<cow_String>{"counter"});
    EXPECT_TRUE(model.HasExtension("other"));  // an existing model keeps what it was built with
}
