#include "tests/module/propagation/PropagationTestSupport.h"

namespace {

using Entry = omu_ChangeHistory::Entry;

rgnC_Region Picked(char const* name) { return rgnC_Region({name}, 1, rgnC_THREE_D, true); }

class Container : public tst_PropagationTest {
protected:
    // Step-1 S, Step-2 S, Step-3 S; "a" created in Step-1, "b" in Step-2.
    void SetUp() override {
        tst_PropagationTest::SetUp();
        c.UpdateSteps(tst_Steps("SSS"));
        c.Insert("b", tst_Load("Step-2", tst_State::Set(2.0), {kprC_FREQUENCY_STEP_ID}, {}, Picked("Rb")));
        c.Insert("a", tst_Load("Step-1", tst_State::Set(1.0), {kprC_FREQUENCY_STEP_ID}, {}, Picked("Ra")));
        History().Clear();
    }
    void SetPath() { thr_ThreadSingleton<omu_CmdHistory>::Instance().SetPathList({"mdb", "mdb.models['M']"}); }
    static Entry Under(std::string const& name) { return {"mdb.models['M']." + name, {"Modify", name}}; }
    tst_LoadContainer c;
};

TEST_F(Container, InsertAdoptsTheStepsAndReplacesWithRemoveThenInsert) {
    EXPECT_EQ(c.Keys(), (cow_List<cow_String>{"a", "b"}));
    EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), "CPP");
    EXPECT_EQ(tst_Letters(c.ConstGet("b").History()), "NCP");
    EXPECT_TRUE(c.Insert("a", tst_Load("Step-3", tst_State::Set(5.0))));
    EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), "NNC");
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{{"", {"Remove", "a"}}, {"", {"Insert", "a", -99}}}));
    EXPECT_EQ(c.Size(), 2);
}

TEST_F(Container, InsertRefusesAMemberThatFailsItsCheckAndStaysUnchanged) {
    c.UpdateSteps(tst_Steps("SFS"));
    History().Clear();
    for (bool forced : {false, true}) {
        tst_Load invalid("Step-2", tst_State::Set(1.0), {kprC_FREQUENCY_STEP_ID});
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

TEST_F(Container, InsertedStepGetsARecordInEveryMember) {
    SetPath();
    auto steps = c.procedures();
    steps.insert(steps.begin() + 1, kprC_StepNameProcedurePair("Freq", cow_COW<kprC_Step>(new tst_ToyStep(kprC_FREQUENCY_STEP_ID))));
    c.UpdateSteps(steps);
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{{"", {"RedoSummary"}}, Under("a"), Under("b")}));
    EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), "CVPP");
    EXPECT_EQ(tst_Letters(c.ConstGet("b").History()), "NNCP");
    EXPECT_EQ(c.ConstGet("b").States()[1].stepName(), "Freq");
    EXPECT_EQ(c.procedures().size(), 4u);
}

TEST_F(Container, RemovedStepTakesItsMembersAlongAndLeavesTheirRegionsDangling) {
    c.Insert("c", tst_Load("Step-2", tst_State::Set(3.0), {}, {}, Picked("Rc")));
    History().Clear();
    SetPath();
    kprC_StepList steps = c.procedures();
    steps.erase(steps.begin() + 1);
    c.UpdateSteps(steps);
    EXPECT_EQ(c.Keys(), (cow_List<cow_String>{"a"}));
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{{"", {"RedoSummary"}}, Under("a"), {"", {"Remove", "b"}},
                                                        {"", {"Remove", "c"}}}));
    EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), "CP");
    EXPECT_EQ(c.DanglingRegions(), (cow_List<rgnC_Region>{Picked("Rc")}));  // the last removal only
    EXPECT_TRUE(c.DanglingRegions().empty());
}

TEST_F(Container, RenamedStepKeepsTheRecordsAndFilesAModifyPerMember) {
    SetPath();
    auto steps = c.procedures();
    steps[1] = kprC_StepNameProcedurePair("Load", steps[1].procedure());
    c.UpdateSteps(steps);
    EXPECT_EQ(c.ConstGet("b").CreateStepName(), "Load");
    EXPECT_EQ(tst_Letters(c.ConstGet("b").History()), "NCP");
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{Under("a"), Under("b")}));
}

TEST_F(Container, ProcedureChangeSuppressesMembersCreatedThereThatTheNewProcedureRefuses) {
    SetPath();
    auto steps = c.procedures();
    steps[1] = kprC_StepNameProcedurePair("Step-2", cow_COW<kprC_Step>(new tst_ToyStep(kprC_FREQUENCY_STEP_ID)));
    c.UpdateSteps(steps);
    EXPECT_TRUE(c.ConstGet("b").IsSuppressed());
    EXPECT_FALSE(c.ConstGet("a").IsSuppressed());
    EXPECT_EQ(c.SuppressedByStepChange(), (cow_List<cow_String>{"b"}));
    EXPECT_EQ(tst_Letters(c.ConstGet("a").History()), "CVP");
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{Under("b"), Under("a"), Under("b")}));
    EXPECT_TRUE(c.DanglingRegions().empty());  // the suppressed member still uses its region
    c.UpdateSteps(steps);  // the same list again: nothing to suppress, every member re-adopted
    EXPECT_TRUE(c.SuppressedByStepChange().empty());
    EXPECT_EQ(c.ConstGet("a").States()[1].procedure().Shared(), steps[1].procedure().Shared());
}

TEST_F(Container, InitialStepMembersAreCheckedAgainstTheInitialProcedure) {
    tst_LoadContainer amc;
    amc.UpdateSteps(tst_Steps("IS"));
    amc.Insert("i", tst_Load("Initial", tst_State::Set(1.0), {kprC_HEAT_TRANSFER_STEP_ID}));
    EXPECT_EQ(tst_Letters(amc.ConstGet("i").History()), "CP");
    auto steps = amc.procedures();
    steps[1] = kprC_StepNameProcedurePair("Step-2", cow_COW<kprC_Step>(new tst_ToyStep(kprC_HEAT_TRANSFER_STEP_ID)));
    amc.UpdateSteps(steps);
    EXPECT_TRUE(amc.SuppressedByStepChange().empty());  // still valid in the Initial step
    EXPECT_EQ(tst_Letters(amc.ConstGet("i").History()), "CV");
}

TEST_F(Container, WithoutACommandPathNoModifyIsFiled) {
    c.UpdateSteps(tst_Steps("SSSS"));
    EXPECT_EQ(History().Entries(), (std::vector<Entry>{{"", {"RedoSummary"}}}));
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
    c.Insert("u", tst_Load("Step-1", tst_State::Set(1.0), {}, {}, rgnC_Region({"X"}, 1)));  // flag clear: not type 0
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
    c.Get("a").Define("Step-5", tst_State::Set(4.0));
    c.Remove("b");
    c.Insert("b", tst_Load("Step-3", tst_State::Set(2.0), {}, {}, Picked("Rb")));
    c.ClearStep("Step-3");  // leaves a dangling region to store
    c.Insert("b", tst_Load("Step-3", tst_State::Set(2.0)));

    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("loads", c);
    auto const& t = db.Tables().at(tst_LoadContainer::TypeId());
    EXPECT_EQ(t.version, 510);
    EXPECT_EQ(t.baseId, mdl_Repository_TypeId);
    ASSERT_EQ(t.schema.size(), 3u);
    EXPECT_EQ(t.schema[0].name, "map");
    EXPECT_EQ(t.schema[1].name, "procedures");
    EXPECT_EQ(t.schema[2].name, "danglingRegions");
    EXPECT_EQ(db.Tables().at(tst_ToyStep::TypeId()).rows.size(), 20u);  // one row per step object

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
