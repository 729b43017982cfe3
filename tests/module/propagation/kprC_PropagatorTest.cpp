// The propagator over the records of a toy member: the statuses each history of steps
// and definitions shows, state sharing, refusals and the records' stored form.
#include "tests/module/propagation/PropagationTestSupport.h"

namespace {

using Records = tst_Load::Records::Records;
using Propagator = tst_Load::Propagator;

// A definition per step: C creation (magnitude 1), M modification (magnitude 2),
// P plain (changes nothing), D deactivation, '.' none.
Records Defined(std::string const& steps, std::string const& defs) {
    Records records;
    auto const list = tst_Steps(steps);
    for (std::size_t i = 0; i < list.size(); ++i) {
        cow_COW<tst_State> state;
        if (defs[i] == 'P') state = cow_COW<tst_State>(new tst_State());
        else if (defs[i] != '.') state = cow_COW<tst_State>(new tst_State(defs[i] == 'M' ? 2.0 : 1.0, defs[i] == 'D'));
        records.emplace_back(list[i].stepName(), mdl_PropagationStatusEnm::NOT_YET_CREATED, state, list[i].procedure());
    }
    return records;
}

struct Case {
    char const* steps;
    char const* defs;
    std::vector<unsigned int> refused, relaxed;
    char const* statuses;
    char const* what;
};

std::vector<Case> const cases = {
    {"SSS", "C..", {}, {}, "CPP", "created and never edited"},
    {"SSSS", ".C..", {}, {}, "NCPP", "steps before the creation"},
    {"SSSS", "C.M.", {}, {}, "CPMP", "modified later"},
    {"SSSS", "C.P.", {}, {}, "CPPP", "a plain definition propagates"},
    {"SSSSS", "CD.M.", {}, {}, "CDIII", "a modification after a deactivation is dropped"},
    {"SFS", "C..", {kprC_FREQUENCY_STEP_ID}, {kprC_FREQUENCY_STEP_ID}, "CBP", "built into a frequency step"},
    {"SFMS", "C...", {}, {}, "CBBP", "a base-state run of two steps"},
    {"SFSS", "CM..", {}, {}, "CBPP", "a definition inside a base-state run is dropped"},
    // The running state is empty in a base-state run: a definition there never makes a step
    // PROPAGATED/MODIFIED_FROM_BASE_STATE.
    {"SFMS", "C.P.", {}, {}, "CBBP", "a plain definition in a base-state run"},
    {"SFMS", "C.M.", {}, {}, "CBBP", "a modification in a base-state run"},
    {"SFMS", "CMP.", {}, {}, "CBBP", "definitions in every step of a base-state run"},
    {"SSFS", "CD..", {}, {}, "CDII", "deactivated before a base-state run"},
    {"SFS", "C..", {kprC_FREQUENCY_STEP_ID}, {}, "CVP", "type not valid in the frequency step"},
    {"SHS", "C..", {kprC_HEAT_TRANSFER_STEP_ID}, {}, "CVP", "type not valid in a general step"},
    {"HSS", ".C.", {kprC_HEAT_TRANSFER_STEP_ID}, {}, "NCP", "not valid before the creation shows nothing"},
    {"SHSS", "CD..", {kprC_HEAT_TRANSFER_STEP_ID}, {}, "CVDI", "deferred deactivation"},
    {"SHFS", "CD..", {kprC_HEAT_TRANSFER_STEP_ID}, {}, "CVDI", "deferred into a base-state step"},
    {"SHHS", "CD..", {kprC_HEAT_TRANSFER_STEP_ID}, {}, "CVVD", "deferred over two invalid steps"},
    {"SFSS", ".C..", {}, {}, "OCOO", "created in a perturbation step"},
    {"SFMS", "..C.", {}, {}, "OOCO", "created in a later perturbation step"},
    {"SFFS", ".CM.", {}, {}, "OCOO", "a second definition beside a perturbation creation"},
    {"SFSS", ".C.M", {}, {}, "OCOO", "a later general definition beside a perturbation creation"},
};

// Steps not yet created, inactive, outside the perturbation step or built into the base
// state hold no state of their own.
void ExpectNoStateWhereNoneIsInForce(Records const& records, char const* what) {
    auto const letters = tst_Letters(tst_Load::Records::History(records));
    for (std::size_t i = 0; i < records.size(); ++i)
        if (std::string("NIOB").find(letters[i]) != std::string::npos) {
            EXPECT_FALSE(records[i].HasState()) << what << ", step " << i + 1;
        }
}

// Each case's statuses, run and in place alike; propagating the result again changes
// nothing: statuses, sharing, state objects and their values.
TEST_F(tst_PropagationTest, StatusesFollowTheStepsAndDefinitionsAndPropagatingAgainChangesNothing) {
    for (auto const& c : cases) {
        tst_Load load("", tst_State(), c.refused, c.relaxed);
        auto const out = Propagator::Run(Defined(c.steps, c.defs), load);
        EXPECT_EQ(tst_Letters(tst_Load::Records::History(out)), c.statuses) << c.what;
        ExpectNoStateWhereNoneIsInForce(out, c.what);
        auto inPlace = Defined(c.steps, c.defs);
        Propagator::Update(inPlace, load);
        EXPECT_EQ(tst_Letters(tst_Load::Records::History(inPlace)), c.statuses) << c.what;
        ExpectNoStateWhereNoneIsInForce(inPlace, c.what);
        EXPECT_EQ(tst_SharingPattern(inPlace), tst_SharingPattern(out)) << c.what;

        auto const twice = Propagator::Run(out, load);
        EXPECT_EQ(tst_Load::Records::History(twice), tst_Load::Records::History(out)) << c.what;
        EXPECT_EQ(tst_SharingPattern(twice), tst_SharingPattern(out)) << c.what;
        EXPECT_EQ(tst_DistinctStates(twice), tst_DistinctStates(out)) << c.what;
        for (std::size_t i = 0; i < out.size(); ++i) {
            ASSERT_EQ(twice[i].HasState(), out[i].HasState()) << c.what << i;
            if (!out[i].HasState()) continue;
            EXPECT_EQ(twice[i].state()->magnitude(), out[i].state()->magnitude()) << c.what << i;
            EXPECT_EQ(twice[i].state()->deactivate(), out[i].state()->deactivate()) << c.what << i;
        }
    }
}

TEST_F(tst_PropagationTest, StateInForceCarriesValuesForwardAsInherited) {
    tst_Load load("", tst_State());
    auto const out = Propagator::Run(Defined("SSSSFS", "C.M..."), load);
    using A = mdl_PropAttributeStateEnm;
    std::vector<mdl_PropAttr<double>> const expected = {{1.0, A::SET}, {1.0, A::INHERITED}, {2.0, A::SET},
                                                        {2.0, A::INHERITED}, {}, {2.0, A::INHERITED}};
    for (std::size_t i = 0; i < out.size(); ++i) {
        ASSERT_EQ(out[i].HasState(), i != 4) << i;  // none of its own in the base state
        if (i != 4) {
            EXPECT_EQ(out[i].state()->magnitude(), expected[i]) << i;
        }
    }
    EXPECT_EQ(tst_SharingPattern(out), "|||||");
    EXPECT_TRUE(out[5].state().SharesWith(out[3].state()));  // across the base-state run
}

TEST_F(tst_PropagationTest, DeferredDeactivationKeepsTheDeactivatingDefinitionInItsRecord) {
    tst_Load load("", tst_State(), {kprC_HEAT_TRANSFER_STEP_ID});
    auto const once = Propagator::Run(Defined("SHSS", "CD.."), load);
    ASSERT_TRUE(once[1].HasState());
    EXPECT_TRUE(once[1].state()->deactivate());
    EXPECT_FALSE(once[0].state()->deactivate());
    EXPECT_FALSE(once[2].HasState());
    EXPECT_FALSE(once[3].HasState());
    auto const again = Propagator::Run(once, load);
    EXPECT_EQ(tst_Letters(tst_Load::Records::History(again)), "CVDI");
    EXPECT_TRUE(again[1].state()->deactivate());
}

TEST_F(tst_PropagationTest, OneStateObjectPerDistinctDefinitionOverManySteps) {
    std::string steps(200, 'S'), defs(200, '.');
    steps[50] = steps[150] = 'F';
    defs[0] = 'C';
    defs[100] = 'M';
    tst_Load load("", tst_State());
    auto const out = Propagator::Run(Defined(steps, defs), load);
    // creation, its propagated form, the modification, its propagated form
    EXPECT_EQ(tst_DistinctStates(out), 4u);
    EXPECT_EQ(mdl_Value(out[150].status()), 8u);
    EXPECT_TRUE(out[151].state().SharesWith(out[101].state()));
    EXPECT_EQ(tst_DistinctStates(Propagator::Run(out, load)), 4u);
}

TEST_F(tst_PropagationTest, RefusalsRaiseTheKindsErrorAndLeaveTheInputAlone) {
    tst_Load load("", tst_State());
    struct Refusal {
        char const *steps, *defs, *message;
    };
    for (auto const& r : {Refusal{"SS", "..", "flag 0"}, Refusal{"SFS", "CD.", "flag 4"}}) {
        auto const records = Defined(r.steps, r.defs);
        try {
            Propagator::Run(records, load);
            ADD_FAILURE() << r.defs;
        } catch (nex_TextException const& e) {
            EXPECT_STREQ(e.what(), r.message);
        }
        EXPECT_EQ(tst_Letters(tst_Load::Records::History(records)), std::string(records.size(), 'N'));
        // In place, a refusal puts back every record it had already written.
        auto inPlace = records;
        EXPECT_THROW(Propagator::Update(inPlace, load), nex_TextException) << r.defs;
        EXPECT_EQ(tst_Letters(tst_Load::Records::History(inPlace)), std::string(records.size(), 'N'));
        for (std::size_t i = 0; i < records.size(); ++i) EXPECT_TRUE(inPlace[i].state().SharesWith(records[i].state()));
    }
}

TEST_F(tst_PropagationTest, TheRecordsStoredFormRoundTripsKeepingStateSharing) {
    tst_Load load("", tst_State());
    auto const steps = tst_Steps("SSSFSS");
    load.MutableStates() = Defined("SSSFSS", "C..M..");
    for (std::size_t i = 0; i < steps.size(); ++i) load.MutableStates()[i].procedure(steps[i].procedure());
    load.Propagate();
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("load", load);
    auto const& quads = db.Tables().at(0x7F000204);
    EXPECT_EQ(quads.className, "tst_StateQuad");
    EXPECT_EQ(quads.rows[3].fields[*quads.Find("status")], dbs_Value(dbs_EnumString{"BUILT_INTO_BASE_STATE"}));
    EXPECT_EQ(db.Tables().at(tst_State::TypeId()).rows.size(), tst_DistinctStates(load.States()));

    auto back = cls_ReadVisitor(db).ReadRoot<tst_Load>("load");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->History(), load.History());
    EXPECT_EQ(tst_SharingPattern(back->States()), tst_SharingPattern(load.States()));
    EXPECT_EQ(tst_DistinctStates(back->States()), tst_DistinctStates(load.States()));
    EXPECT_EQ(back->States()[5].state()->magnitude(), load.States()[5].state()->magnitude());
}

}  // namespace
