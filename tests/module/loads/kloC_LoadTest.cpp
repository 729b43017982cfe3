#include <functional>

#include "tests/module/loads/LoadTestSupport.h"

namespace {

class Loads : public tst_LibraryTest {};

// Statuses over a realistic history: Static, Frequency, Static, Static, Static linear
// perturbation, with the edits of each case; the same edits on a pressure.
TEST_F(Loads, StatusTableOverARealisticHistory) {
    // A definition that changes only the magnitude (the first component of a force).
    using Change = std::function<void(kloC_Load&, cow_String const&, double)>;
    Change const forceChange = [](kloC_Load& l, cow_String const& step, double v) { l.Insert(step, tst_ForceChange(v)); };
    Change const pressureChange = [](kloC_Load& l, cow_String const& step, double v) {
        kloC_PressureState s;
        s.magnitude(v);
        l.Insert(step, s);
    };
    struct Case {
        char const* what;
        std::string steps;
        std::function<void(kloC_Load&, Change const&)> edit;
        std::string expected;
    };
    auto nothing = [](kloC_Load&, Change const&) {};
    std::vector<Case> const cases = {
        {"created, built into the base state, propagated", "SFSSL", nothing, "CBPPB"},
        {"modified after a frequency step", "SFSSL", [](kloC_Load& l, Change const& c) { c(l, "Step-3", 4.0); }, "CBMPB"},
        {"deactivated, inactive in the perturbation step", "SFSSL", [](kloC_Load& l, Change const&) { l.Deactivate("Step-4"); },
         "CBPDI"},
        {"a modification after the deactivation is dropped", "SFSSL",
         [](kloC_Load& l, Change const& c) { l.Deactivate("Step-3"); c(l, "Step-4", 4.0); }, "CBDII"},
        {"not valid in a heat transfer step", "SHSSL", nothing, "CVPPB"},
        {"deactivated where not valid: shown in the next step", "SSSSL",
         [](kloC_Load& l, Change const&) { l.Deactivate("Step-2"); l.AdoptSteps(tst_LoadSteps("SHSSL")); }, "CVDII"},
        {"created later: not yet created before", "SFSSL", [](kloC_Load& l, Change const&) { l.Move("Step-1", "Step-3"); },
         "NNCPB"},
    };
    for (auto const& c : cases) {
        kloC_ConcentratedForce force = tst_Force(c.steps);
        c.edit(force, forceChange);
        EXPECT_EQ(tst_LoadHistory(force), c.expected) << c.what << " (force)";
        kloC_Pressure pressure(tst_Set("Surf-1"), "Step-1", kloC_PressureState(2.0));
        pressure.AdoptSteps(tst_LoadSteps(c.steps));
        c.edit(pressure, pressureChange);
        EXPECT_EQ(tst_LoadHistory(pressure), c.expected) << c.what << " (pressure)";
    }
    // A load created in the perturbation step exists there only.
    kloC_ConcentratedForce perturbation = tst_Force("SFSSL", "Step-5");
    EXPECT_EQ(tst_LoadHistory(perturbation), "OOOOC");
    // The propagated state is the one of before the frequency step.
    kloC_ConcentratedForce force = tst_Force("SSFS");
    force.Insert("Step-2", tst_ForceChange(7.0));
    EXPECT_EQ(tst_LoadHistory(force), "CMBP");
    EXPECT_EQ(tst_C1(force, "Step-4"), 7.0);
    EXPECT_EQ(force.StateIn("Step-4").amplitude().state(), mdl_PropAttributeStateEnm::UNSET);
    EXPECT_EQ(dynamic_cast<kloC_VectorState const&>(force.StateIn("Step-4")).Component(1).state(),
              mdl_PropAttributeStateEnm::INHERITED);
    EXPECT_FALSE(force.HasStep("Step-3"));
    EXPECT_TRUE(force.HasStep("Step-4"));
    EXPECT_EQ(tst_LoadError([&] { force.CheckStep("Step-3"); }),
              "The load does not exist in the specifed step or is suppressed or inactive.");
}

// A deactivation deferred past a step that does not admit the load is undone by a
// reset in the step that shows it.
TEST_F(Loads, ResetUndoesADeferredDeactivation) {
    kloC_ConcentratedForce force = tst_Force("SSSS");
    force.Deactivate("Step-2");
    force.AdoptSteps(tst_LoadSteps("SHSS"));
    EXPECT_EQ(force.Status("Step-3"), mdl_PropagationStatusEnm::DEACTIVATED);
    force.Reset("Step-3");
    EXPECT_EQ(tst_LoadHistory(force), tst_LoadHistory(tst_Force("SHSS")));
}

// Every refusal raises its message; those the load guards leave it exactly as it was.
TEST_F(Loads, RefusalsLeaveTheLoadExactlyAsItWas) {
    struct Case {
        char const* what;
        std::string steps;
        std::function<void(kloC_ConcentratedForce&)> prepare;
        std::function<void(kloC_ConcentratedForce&)> refused;
        std::string message;
    };
    auto none = [](kloC_ConcentratedForce&) {};
    auto modify3 = [](kloC_ConcentratedForce& l) { l.Insert("Step-3", tst_ForceChange(3.0)); };
    std::vector<Case> const cases = {
        {"deactivate an unknown step", "SSS", none, [](auto& l) { l.Deactivate("Initial"); },
         "The specified step either does not exist or is the Initial step."},
        {"deactivate in the creation step", "SSS", none, [](auto& l) { l.Deactivate("Step-1"); }, "Load cannot be deactivated."},
        {"insert a deactivation into the creation", "SSS", none,
         [](auto& l) {
             kloC_ConcentratedForceState off;
             off.deactivate(true);
             l.Insert("Step-1", off);
         },
         "Load cannot be deactivated."},
        {"deactivate where not valid", "SHS", none, [](auto& l) { l.Deactivate("Step-2"); }, "Load is not active."},
        {"move across a deactivation", "SSSS", [](auto& l) { l.Insert("Step-2", tst_ForceChange(2.0)); l.Deactivate("Step-3"); },
         [](auto& l) { l.Move("Step-2", "Step-4"); },
         "Cannot move the load because an intermediate step is Created, Modified, or Deactivated."},
        {"move onto a modification", "SSSS", modify3, [](auto& l) { l.Move("Step-2", "Step-3"); },
         "Cannot move the load because the destination step is Created, Modified, or Deactivated."},
        {"move onto the creation", "SSSS", modify3, [](auto& l) { l.Move("Step-3", "Step-1"); },
         "Cannot move the load because the destination step is Created, Modified, or Deactivated."},
        {"move an inactive step", "SSSS", [](auto& l) { l.Deactivate("Step-2"); }, [](auto& l) { l.Move("Step-3", "Step-4"); },
         "Load to be moved must be active."},
        {"move a propagated step", "SSSS", none, [](auto& l) { l.Move("Step-2", "Step-4"); },
         "There is no load modification to move in the indicated step."},
        {"move into a perturbation step", "SSSL", modify3, [](auto& l) { l.Move("Step-3", "Step-4"); },
         "Cannot move a load into a perturbation step."},
        {"move into an anneal step", "SSSA", modify3, [](auto& l) { l.Move("Step-3", "Step-4"); },
         "Cannot move a load into an Anneal step."},
        {"move into a heat transfer step", "SSSH", modify3, [](auto& l) { l.Move("Step-3", "Step-4"); },
         "The specified type of load cannot be moved to this type of step."},
        {"move from an unknown step", "SSS", none, [](auto& l) { l.Move("Nope", "Step-2"); },
         "The specified step either does not exist or is the Initial step."},
        {"reset the creation", "SSS", none, [](auto& l) { l.Reset("Step-1"); }, "Cannot reset a load in the step it was created."},
        {"reset a modification", "SSS", modify3, [](auto& l) { l.Reset("Step-3"); }, "Reset can only be used in the deactivated step."},
        {"clear the creation step", "SSS", none, [](auto& l) { l.ClearStepState("Step-1"); },
         "Cannot reset a load in the step it was created."},
    };
    for (auto const& c : cases) {
        kloC_ConcentratedForce force = tst_Force(c.steps);
        c.prepare(force);
        tst_LoadSnapshot const before = tst_Snapshot(force);
        EXPECT_EQ(tst_LoadError([&] { c.refused(force); }), c.message) << c.what;
        EXPECT_EQ(tst_Snapshot(force), before) << c.what;
    }
    // The perturbation load itself, refused in its creation step, is unchanged too.
    kloC_ConcentratedForce p = tst_Force("SL", "Step-2");
    tst_LoadSnapshot const before = tst_Snapshot(p);
    EXPECT_EQ(tst_LoadError([&] { p.Move("Step-2", "Step-1"); }), "Cannot move a load defined in a perturbation step.");
    // The perturbation step is checked before the creation step.
    EXPECT_EQ(tst_LoadError([&] { p.Deactivate("Step-2"); }),
              "Load defined in a previous base state cannot be deactivated.");
    EXPECT_EQ(tst_Snapshot(p), before);
    // A moved creation takes the destination's place; moving to the same step checks nothing.
    EXPECT_NO_THROW(p.Move("Nope", "Nope"));
    kloC_ConcentratedForce m = tst_Force("SM");
    EXPECT_EQ(tst_LoadHistory(m), "CB");
    EXPECT_EQ(tst_LoadError([&] { m.Insert("Step-1", tst_ForceChange(1.0)); m.Move("Step-1", "Step-2"); }),
              "Cannot move a load into a perturbation step.");
    EXPECT_FALSE(m.Insert("Initial", tst_ForceChange(1.0)));
}

TEST_F(Loads, MoveResetAndClearChangeTheHistoryAsDefined) {
    kloC_ConcentratedForce force = tst_Force("SSSSS");
    force.Insert("Step-3", tst_ForceChange(3.0));
    EXPECT_EQ(tst_LoadHistory(force), "CPMPP");
    force.Move("Step-3", "Step-5");
    EXPECT_EQ(tst_LoadHistory(force), "CPPPM");
    EXPECT_EQ(tst_C1(force, "Step-4"), 1.0);
    EXPECT_EQ(tst_C1(force, "Step-5"), 3.0);
    force.Deactivate("Step-3");
    EXPECT_EQ(tst_LoadHistory(force), "CPDII");
    force.Deactivate("Step-3");  // already deactivated: nothing
    force.Reset("Step-3");
    EXPECT_EQ(tst_LoadHistory(force), "CPPPP");  // the modification after it went with the deactivation
    EXPECT_TRUE(force.HasStep("Step-5"));
    force.Insert("Step-2", tst_ForceChange(2.0));
    EXPECT_TRUE(force.ClearState("Step-2"));
    EXPECT_FALSE(force.ClearState("Nope"));
    EXPECT_EQ(tst_LoadHistory(force), "CPPPP");
    // Deactivating where the load is built into the base state does nothing.
    kloC_ConcentratedForce base = tst_Force("SFS");
    base.Deactivate("Step-2");
    EXPECT_EQ(tst_LoadHistory(base), "CBP");
    // Clearing a step's record empties it without propagating.
    base.ClearStepState("Step-3");
    EXPECT_EQ(tst_LoadHistory(base), "CBN");
    EXPECT_FALSE(base.States()[2].procedure());
    EXPECT_THROW(base.ClearStepState("Nope"), omu_KeyErrorException);
    EXPECT_THROW(base.Status("Nope"), omu_KeyErrorException);

    // A definition beyond the span of a move, either way round, is left where it is.
    kloC_ConcentratedForce later = tst_Force("SSSSS");
    later.Insert("Step-2", tst_ForceChange(2.0));
    later.Insert("Step-5", tst_ForceChange(5.0));
    later.Move("Step-2", "Step-3");
    EXPECT_EQ(tst_LoadHistory(later), "CPMPM");
    later.Move("Step-3", "Step-2");
    EXPECT_EQ(tst_LoadHistory(later), "CMPPM");
    EXPECT_EQ(tst_C1(later, "Step-4"), 2.0);
    EXPECT_EQ(tst_C1(later, "Step-5"), 5.0);
}

// Propagating the records again changes nothing, after every kind of edit.
TEST_F(Loads, PropagationIsIdempotent) {
    std::vector<std::function<void(kloC_ConcentratedForce&)>> const edits = {
        [](auto&) {},
        [](auto& l) { l.Insert("Step-3", tst_ForceChange(3.0)); },
        [](auto& l) { l.Deactivate("Step-4"); },
        [](auto& l) { l.Deactivate("Step-2"); l.AdoptSteps(tst_LoadSteps("SHSFSL")); },
        [](auto& l) { l.Insert("Step-3", tst_ForceChange(3.0)); l.Move("Step-3", "Step-5"); },
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        kloC_ConcentratedForce force = tst_Force("SSSFSL");
        edits[i](force);
        std::string const history = tst_LoadHistory(force);
        std::size_t const distinct = tst_DistinctLoadStates(force);
        std::vector<double> values;
        for (auto const& r : force.States()) values.push_back(r.HasState() ? tst_C1(force, r.stepName()) : -1.0);
        for (int again = 0; again < 3; ++again) {
            force.UpdateStates();
            force.AdoptSteps(tst_LoadSteps(i == 3 ? "SHSFSL" : "SSSFSL"));
        }
        EXPECT_EQ(tst_LoadHistory(force), history) << i;
        EXPECT_EQ(tst_DistinctLoadStates(force), distinct) << i;
        for (std::size_t k = 0; k < values.size(); ++k)
            EXPECT_EQ(force.States()[k].HasState() ? tst_C1(force, force.States()[k].stepName()) : -1.0, values[k]) << i << k;
    }
}

// A load over many steps holds one state object per distinct definition, not one per step.
TEST_F(Loads, StatesAreSharedAcrossSteps) {
    kloC_ConcentratedForce force = tst_Force(std::string(40, 'S'));
    EXPECT_EQ(tst_DistinctLoadStates(force), 2u);  // the creation and the propagated state
    force.Insert("Step-20", tst_ForceChange(2.0));
    EXPECT_EQ(tst_DistinctLoadStates(force), 4u);
    auto const& records = force.States();
    for (std::size_t i = 2; i < records.size(); ++i)
        if (i != 19 && i != 20) {
            EXPECT_TRUE(records[i].state().SharesWith(records[i - 1].state())) << i;
        }
    force.Deactivate("Step-30");
    EXPECT_EQ(tst_DistinctLoadStates(force), 5u);
}

TEST_F(Loads, ChecksAndAdmission) {
    kloC_ConcentratedForce zero(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(0.0, 0.0, 0.0));
    EXPECT_EQ(tst_LoadError([&] { zero.AdoptSteps(tst_LoadSteps("SS")); }),
              "Load must be created with a non-zero magnitudes unless utilizing a user subroutine.");
    zero.useComplex(true);
    zero.SetComplexComponent(2, 0.0, 0.5);
    EXPECT_NO_THROW(zero.AssertValid());
    zero.SetComplexComponent(2, 0.0, 0.0);
    zero.Suppress();
    EXPECT_NO_THROW(zero.AssertValid());

    kloC_ConcentratedForce anneal(tst_Set("Set-1"), "Step-2", kloC_ConcentratedForceState(1.0, 0.0, 0.0));
    EXPECT_EQ(tst_LoadError([&] { anneal.AdoptSteps(tst_LoadSteps("SA")); }), "No loads are allowed in an Anneal step.");

    // Resume of a load not valid in its creation step: the flag is cleared, then error 34.
    kloC_ConcentratedForce heat = tst_Force("SS");
    heat.Suppress();
    heat.AdoptSteps(tst_LoadSteps("HS"));
    EXPECT_EQ(tst_LoadError([&] { heat.Resume(); }),
              "The specified type of load cannot be created or resumed in this type of step.");
    EXPECT_FALSE(heat.IsSuppressed());
    EXPECT_EQ(tst_LoadError([&] { heat.UpdateStates(); }),
              "The specified type of load cannot be created or resumed in this type of step.");

    // Strict and relaxed validity.
    kloC_ConcentratedForce force = tst_Force("S");
    EXPECT_TRUE(force.ValidInStep(int(kprC_STATIC_STEP_ID), false, false, false));
    EXPECT_TRUE(force.ValidInStep(int(kprC_BUCKLE_STEP_ID), false, false, false));
    EXPECT_FALSE(force.ValidInStep(int(kprC_FREQUENCY_STEP_ID), false, false, false));
    EXPECT_TRUE(force.ValidInStep(tst_Step(kprC_FREQUENCY_STEP_ID), true, false, false));
    EXPECT_FALSE(force.ValidInStepSpecialRule(int(kprC_FREQUENCY_STEP_ID), false));
    EXPECT_FALSE(force.ValidInStepButRelaxCheckOnInitial(0, true));

    // Load cases.
    EXPECT_TRUE(force.ValidInALoadCase("Step-1", true));
    EXPECT_TRUE(force.HasStep("Step-1"));
    force.Suppress();
    // A suppressed load is in no step.
    EXPECT_FALSE(force.HasStep("Step-1"));
    EXPECT_EQ(tst_MessageOf<omu_ValueErrorException>([&] { force.CheckStep("Step-1"); }),
              "The load does not exist in the specifed step or is suppressed or inactive.");
    EXPECT_TRUE(force.ValidInALoadCase("Step-1", true));
    kloC_ConcentratedForce off = tst_Force("SS");
    off.Deactivate("Step-2");
    EXPECT_FALSE(off.ValidInALoadCase("Step-2", false));
    EXPECT_EQ(tst_LoadError([&] { off.ValidInALoadCase("Step-2", true); }),
              "Not all specified loads exist as active valid types for a load case.");
}

// Each failure of the propagator raises its load error; only "no state" is a value error.
TEST_F(Loads, PropagatorFailuresRaiseTheirLoadErrors) {
    struct Case {
        int flag;
        char const* message;
        bool valueError;
    } const cases[] = {
        {0, "The specified step either does not exist or is the Initial step.", true},
        {1, "Load cannot be deactivated.", false},
        {2, "Load defined in a previous base state cannot be deactivated.", false},
        {3, "Unknown load status. Please report this error.", false},
        {4, "Invalid modified load state or create flag. Please report this error.", false},
        {5, "Invalid load propagator error flag. Please report this error.", false},
        {-1, "Invalid load propagator error flag. Please report this error.", false},
    };
    for (auto const& c : cases) {
        try {
            kloC_LoadKind::Raise(kprC_PropagatorError(c.flag));
            ADD_FAILURE() << "flag " << c.flag << " raised nothing";
        } catch (nex_Exception const& e) {
            EXPECT_STREQ(e.what(), c.message) << "flag " << c.flag;
            EXPECT_EQ(dynamic_cast<omu_ValueErrorException const*>(&e) != nullptr, c.valueError) << "flag " << c.flag;
            EXPECT_EQ(dynamic_cast<nex_TextException const*>(&e) != nullptr, !c.valueError) << "flag " << c.flag;
        }
    }
}

TEST_F(Loads, StatusPredicatesRegionsAmplitudesAndNames) {
    std::string const active = "011100001", builtIn = "000000001", illegal = "010110000", propagated = "001000000";
    for (unsigned v = 0; v < 9; ++v) {
        auto const s = mdl_Status(v);
        EXPECT_EQ(kloC_Load::IsActive(s), active[v] == '1') << v;
        EXPECT_EQ(kloC_Load::IsBuiltIn(s), builtIn[v] == '1') << v;
        EXPECT_EQ(kloC_Load::IsIllegalMove(s), illegal[v] == '1') << v;
        EXPECT_EQ(kloC_Load::IsPropagated(s), propagated[v] == '1') << v;
    }
    EXPECT_EQ(tst_LoadError([] { kloC_Load::IsActive(mdl_Status(9)); }), "Unknown load propagation status.");

    kloC_Moment picked(tst_Set("Picked", true), "Step-1", kloC_MomentState(0.0, 0.0, 1.0));
    picked.AdoptSteps(tst_LoadSteps("SSS"));
    EXPECT_EQ(picked.Regions(0).size(), 1u);
    EXPECT_TRUE(picked.Regions(1).empty());
    EXPECT_EQ(picked.Regions(2).size(), 1u);
    kloC_MomentState withAmplitude;
    withAmplitude.amplitude("Amp-2");
    picked.Insert("Step-2", withAmplitude);
    EXPECT_EQ(tst_LoadHistory(picked), "CMP");
    EXPECT_EQ(picked.Amplitudes(), (cow_List<cow_String>{"", "Amp-2", "Amp-2"}));
    EXPECT_EQ(picked.StateIn("Step-3").amplitude().state(), mdl_PropAttributeStateEnm::INHERITED);
    EXPECT_EQ(picked.CreateStepName(), "Step-1");
    cow_String field = "x";
    EXPECT_FALSE(picked.UsesField(field));
    EXPECT_EQ(field, "");

    // Script names the module's tests do not reach (the others they use by name).
    EXPECT_EQ(std::string_view(kloC_LoadState::pythonTypeName()), "LoadState");
    EXPECT_EQ(std::string_view(kloC_VectorState::c2Cmd()), "comp2");
    EXPECT_EQ(std::string_view(kloC_Pressure::referencePointCmd()), "refPoint");
    EXPECT_EQ(std::string_view(kloC_PressureState::pythonTypeName()), "PressureState");
}

}  // namespace
