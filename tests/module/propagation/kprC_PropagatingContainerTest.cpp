// The propagating container: its members follow the container's steps, it files the
// changes it makes, and it keeps its members, steps and regions in its stored form.
#include <functional>

#include "tests/module/propagation/PropagationTestSupport.h"

namespace {

using Entry = omu_ChangeHistory::Entry;

rgnC_Region Picked(char const* name) { return rgnC_Region({name}, 1, rgnC_THREE_D, true); }

class Container : public tst_PropagationTest {
protected:
    void SetUp() override {
        tst_PropagationTest::SetUp();
        c = Two();
    }
    // Step-1 S, Step-2 S, Step-3 S; "a" created in Step-1, "b" in Step-2; no change filed.
    static tst_LoadContainer Two() {
        tst_LoadContainer two;
        two.UpdateSteps(tst_Steps("SSS"));
        two.Insert("b", tst_Load("Step-2", tst_State(2.0), {kprC_FREQUENCY_STEP_ID}, {}, Picked("Rb")));
        two.Insert("a", tst_Load("Step-1", tst_State(1.0), {kprC_FREQUENCY_STEP_ID}, {}, Picked("Ra")));
        History().Clear();
        return two;
    }
    void SetPath() { thr_ThreadSingleton<omu_CmdHistory>::Instance().SetPathList({"mdb", "mdb.models['M']"}); }
    static Entry Under(std::string const& name) { return {"mdb.models['M']." + name, {"Modify", name}}; }
    tst_LoadContainer c;
};

TEST_F(Container, InsertAdoptsTheStepsAndReplacesWithRemoveThenInsert) {
    EXPECT_EQ(c.Keys(), (cow_List<cow_String>{"a", "b"}));
    EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), "CPP");
    EXPECT_EQ(tst_Letters(c.ConstGet("b").History()), "NCP");
    EXPECT_TRUE(c.Insert("a", tst_Load("Step-3", tst_State(5.0))));
    EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), "NNC");
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{{"", {"Remove", "a"}}, {"", {"Insert", "a", -99}}}));
    EXPECT_EQ(c.Size(), 2);
}

TEST_F(Container, InsertRefusesAMemberThatFailsItsCheckAndStaysUnchanged) {
    c.UpdateSteps(tst_Steps("SFS"));
    History().Clear();
    for (bool forced : {false, true}) {
        tst_Load invalid("Step-2", tst_State(1.0), {kprC_FREQUENCY_STEP_ID});
        EXPECT_THROW(forced ? c.ForcedInsert("x", invalid) : c.Insert("x", invalid), nex_TextException);
        EXPECT_FALSE(c.IsMember("x"));
    }
    EXPECT_TRUE(History().Entries().empty());
}

TEST_F(Container, MembersAreSharedByCopiesUntilFetchedForChange) {
    tst_LoadContainer copy(c);
    EXPECT_EQ(&copy.ConstGet("a"), &c.ConstGet("a"));
    copy.Get("a").Suppress();
    EXPECT_NE(&copy.ConstGet("a"), &c.ConstGet("a"));
    EXPECT_EQ(&copy.ConstGet("b"), &c.ConstGet("b"));
    EXPECT_FALSE(c.ConstGet("a").IsSuppressed());
    EXPECT_EQ(copy.UnsuppressedSize(), 1);
    EXPECT_EQ(c.UnsuppressedSize(), 2);
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{{"", {"Modify", "a"}}}));
    EXPECT_THROW(c.Get("zz"), omu_KeyErrorException);
    EXPECT_EQ(History().Entries().size(), 1u);
    EXPECT_TRUE(c.Remove("b"));
    EXPECT_FALSE(c.Remove("b"));
    EXPECT_EQ(History().Entries().back(), (Entry{"", {"Remove", "b"}}));
    EXPECT_EQ(History().Entries().size(), 2u);
}

// Each change of the step list: the members left, their histories, the Modify entries
// filed per member (none without a command path), the regions left dangling (by the last
// removal only) and the members suppressed. Adopting the same list again suppresses
// nothing, and every member's records follow the container's steps.
TEST_F(Container, StepListChangesReachEveryMember) {
    auto frequency = [](char const* name) {
        return kprC_StepNameProcedurePair(name, cow_COW<kprC_Step>(new tst_Step(kprC_FREQUENCY_STEP_ID)));
    };
    Entry const redo{"", {"RedoSummary"}};
    struct Row {
        char const* what;
        std::function<void(kprC_StepList&)> change;
        bool path, third;  // a command path is set; a member "c" created in Step-2 (region Rc)
        cow_List<cow_String> keys;
        std::string a, b;  // their histories (b: "" when gone or suppressed)
        std::vector<Entry> entries;
        cow_List<rgnC_Region> dangling;
        cow_List<cow_String> suppressed;
    } const rows[] = {
        {"inserted", [&](auto& s) { s.insert(s.begin() + 1, frequency("Freq")); }, true, false, {"a", "b"}, "CVPP", "NNCP",
         {redo, Under("a"), Under("b")}, {}, {}},
        {"removed", [](auto& s) { s.erase(s.begin() + 1); }, true, true, {"a"}, "CP", "",
         {redo, Under("a"), {"", {"Remove", "b"}}, {"", {"Remove", "c"}}}, {Picked("Rc")}, {}},
        {"renamed", [](auto& s) { s[1] = kprC_StepNameProcedurePair("Load", s[1].procedure()); }, true, false, {"a", "b"},
         "CPP", "NCP", {Under("a"), Under("b")}, {}, {}},
        // The suppressed member still uses its region.
        {"procedure changed", [&](auto& s) { s[1] = frequency("Step-2"); }, true, false, {"a", "b"}, "CVP", "",
         {Under("b"), Under("a"), Under("b")}, {}, {"b"}},
        {"no command path", [](auto& s) { s = tst_Steps("SSSS"); }, false, false, {"a", "b"}, "CPPP", "NCPP", {redo}, {}, {}},
    };
    for (auto const& r : rows) {
        SCOPED_TRACE(r.what);
        thr_ThreadSingleton<omu_CmdHistory>::Instance().Clear();
        if (r.path) SetPath();
        tst_LoadContainer c = Two();
        if (r.third) c.Insert("c", tst_Load("Step-2", tst_State(3.0), {}, {}, Picked("Rc")));
        History().Clear();
        kprC_StepList steps = c.procedures();
        r.change(steps);
        c.UpdateSteps(steps);
        EXPECT_EQ(c.Keys(), r.keys);
        EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), r.a);
        if (!r.b.empty()) { EXPECT_EQ(tst_Letters(c.ConstGet("b").History()), r.b); }
        EXPECT_EQ(History().Entries(), r.entries);
        EXPECT_EQ(c.DanglingRegions(), r.dangling);
        EXPECT_TRUE(c.DanglingRegions().empty());
        EXPECT_EQ(c.SuppressedByStepChange(), r.suppressed);
        for (auto const& name : r.suppressed) EXPECT_TRUE(c.ConstGet(name).IsSuppressed());
        c.UpdateSteps(steps);
        EXPECT_TRUE(c.SuppressedByStepChange().empty());
        ASSERT_EQ(c.procedures().size(), steps.size());
        for (auto const& name : c.Keys())
            for (std::size_t i = 0; i < steps.size(); ++i) {
                auto const& record = c.ConstGet(name).States().at(i);
                EXPECT_EQ(record.stepName(), steps[i].stepName()) << name << i;
                if (record.procedure()) { EXPECT_EQ(record.procedure().Shared(), steps[i].procedure().Shared()) << name << i; }
            }
    }
}

TEST_F(Container, InitialStepMembersAreCheckedAgainstTheInitialProcedure) {
    tst_LoadContainer amc;
    amc.UpdateSteps(tst_Steps("IS"));
    amc.Insert("i", tst_Load("Initial", tst_State(1.0), {kprC_HEAT_TRANSFER_STEP_ID}));
    EXPECT_EQ(tst_Letters(amc.ConstGet("i").History()), "CP");
    auto steps = amc.procedures();
    steps[1] = kprC_StepNameProcedurePair("Step-2", cow_COW<kprC_Step>(new tst_Step(kprC_HEAT_TRANSFER_STEP_ID)));
    amc.UpdateSteps(steps);
    EXPECT_TRUE(amc.SuppressedByStepChange().empty());  // still valid in the Initial step
    EXPECT_EQ(tst_Letters(amc.ConstGet("i").History()), "CV");
}

TEST_F(Container, ClearStepEmptiesRecordsAndRemovesMembersCreatedThere) {
    c.ClearStep("Step-2");
    EXPECT_EQ(c.Keys(), (cow_List<cow_String>{"a"}));
    auto const& r = c.ConstGet("a").States()[1];
    EXPECT_EQ(r.status(), mdl_PropagationStatusEnm::NOT_YET_CREATED);
    EXPECT_FALSE(r.HasState());
    EXPECT_FALSE(r.procedure());
    EXPECT_EQ(c.DanglingRegions(), (cow_List<rgnC_Region>{Picked("Rb")}));
    c.ClearStep("Nowhere");  // a member without the step only loses nothing
    EXPECT_EQ(c.ConstGet("a").States().size(), 3u);
    c.ClearSteps();
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_TRUE(c.procedures().empty());
}

TEST_F(Container, DanglingRegionsAreTheCandidatesNoMemberUses) {
    EXPECT_TRUE(c.DanglingRegions(cow_List<rgnC_Region>{}).empty());
    EXPECT_EQ(c.DanglingRegions({Picked("X"), Picked("Ra"), Picked("Y")}), (cow_List<rgnC_Region>{Picked("X"), Picked("Y")}));
    c.Insert("u", tst_Load("Step-1", tst_State(1.0), {}, {}, rgnC_Region({"X"}, 1)));  // flag clear: not type 0
    EXPECT_EQ(c.DanglingRegions({rgnC_Region({"X"}, 1)}).size(), 1u);
}

TEST_F(Container, TimeStampAndTouchedNames) {
    double const before = c.TimeStamp();
    c.UpdateTimeStamp("a");
    c.UpdateTimeStamp("a");
    c.UpdateTimeStamp("");
    EXPECT_EQ(c.TouchedNames(), (cow_List<cow_String>{"a"}));
    EXPECT_GE(c.TimeStamp(), before);
}

TEST_F(Container, StoredFormRoundTripKeepsMembersStepsAndStateSharing) {
    std::string letters(20, 'S');
    letters[10] = 'F';
    c.UpdateSteps(tst_Steps(letters));
    c.Get("a").Define("Step-5", tst_State(4.0));
    c.Remove("b");
    c.Insert("b", tst_Load("Step-3", tst_State(2.0), {}, {}, Picked("Rb")));
    c.ClearStep("Step-3");  // leaves a dangling region to store
    c.Insert("b", tst_Load("Step-3", tst_State(2.0)));

    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("loads", c);
    EXPECT_EQ(db.Tables().at(tst_LoadContainer::TypeId()).baseId, mdl_Repository_TypeId);
    EXPECT_EQ(db.Tables().at(tst_Step::TypeId()).rows.size(), 20u);  // one row per step object

    auto back = cls_ReadVisitor(db).ReadRoot<tst_LoadContainer>("loads");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Keys(), c.Keys());
    EXPECT_TRUE(back->TouchedNames().empty());
    for (auto const& name : c.Keys()) {
        auto const &was = c.ConstGet(name), &is = back->ConstGet(name);
        EXPECT_EQ(is.History(), was.History()) << name;
        EXPECT_EQ(tst_SharingPattern(is.States()), tst_SharingPattern(was.States())) << name;
        EXPECT_EQ(tst_DistinctStates(is.States()), tst_DistinctStates(was.States())) << name;
        for (std::size_t i = 0; i < is.States().size(); ++i) {
            auto const& expected = was.States()[i].procedure() ? back->procedures()[i].procedure() : cow_COW<kprC_Step>();
            EXPECT_EQ(is.States()[i].procedure().Shared(), expected.Shared()) << name << i;
        }
    }
    EXPECT_EQ(tst_DistinctStates(back->ConstGet("a").States()), 4u);
    EXPECT_EQ(back->DanglingRegions(), (cow_List<rgnC_Region>{Picked("Rb")}));
}

}  // namespace
