// The records of a load over a history of steps: statuses after each kind of edit, the
// refusals that leave the load as it was, state sharing, checks and admission.
#include "tests/module/loads/LoadTestSupport.h"

namespace {

class Loads : public tst_LibraryTest {};

// Each row's force and a pressure alike, both created in Step-`created` and edited by
// `edits`; then propagating the records again changes nothing. `c1`: the force's first
// component per step, '.' unchecked.
TEST_F(Loads, StatusesAfterEachEditAndPropagatingAgainChangesNothing) {
    struct Row {
        char const *steps, *edits, *history, *c1 = "";
        char created = '1';
    } const rows[] = {
        // Static, Frequency, Static, Static, Static linear perturbation.
        {"SFSSL", "", "CBPPB"},
        {"SFSSL", "i3", "CBMPB"},
        {"SFSSL", "D4", "CBPDI"},
        {"SFSSL", "D3 i4", "CBDII"},  // a modification after the deactivation is dropped
        {"SHSSL", "", "CVPPB"},
        {"SSSSL", "D2 ASHSSL", "CVDII"},  // deactivated where not valid: shown in the next step
        {"SSSS", "D2 ASHSS R3", "CVPP"},  // a reset where it shows undoes the deferred deactivation
        {"SFSSL", "M13", "NNCPB"},
        {"SFSSL", "", "OOOOC", "", '5'},  // created in the perturbation step: there only
        {"SL", "M??", "OC", "", '2'},     // a move to the same step checks nothing
        {"SM", "", "CB"},
        {"SSFS", "i2", "CMBP", "...2"},  // the propagated state is the one of before the frequency step
        {"SSSFSL", "D2 ASHSFSL", "CVDIII"},
        {"SSSSS", "i3", "CPMPP"},
        {"SSSSS", "i3 M35", "CPPPM", "...13"},
        {"SSSSS", "i3 M35 D3", "CPDII"},
        {"SSSSS", "i3 M35 D3 D3 R3", "CPPPP"},  // the modification after it went with the deactivation
        {"SFS", "D2", "CBP"},                   // built into the base state there: nothing
        // A definition beyond the span of a move, either way round, is left where it is.
        {"SSSSS", "i2 i5 M23", "CPMPM"},
        {"SSSSS", "i2 i5 M23 M32", "CMPPM", "...25"},
    };
    for (auto const& r : rows) {
        SCOPED_TRACE(testing::Message() << r.steps << " " << r.edits);
        kloC_ConcentratedForce force = tst_Force(r.steps, tst_StepName(r.created));
        kloC_Pressure pressure(tst_Set("Surf-1"), tst_StepName(r.created), kloC_PressureState(2.0));
        pressure.AdoptSteps(tst_Steps(r.steps));
        for (kloC_Load* load : {static_cast<kloC_Load*>(&force), static_cast<kloC_Load*>(&pressure)}) {
            std::string const letters = tst_Edit(*load, r.steps, r.edits);
            EXPECT_EQ(tst_LoadHistory(*load), r.history);
            std::size_t const distinct = tst_DistinctLoadStates(*load);
            std::string const values = tst_StateImages(*load);
            for (int again = 0; again < 2; ++again) load->UpdateStates(), load->AdoptSteps(tst_Steps(letters));
            EXPECT_EQ(tst_LoadHistory(*load), r.history);
            EXPECT_EQ(tst_DistinctLoadStates(*load), distinct);
            EXPECT_EQ(tst_StateImages(*load), values);
        }
        for (std::size_t i = 0; r.c1[i]; ++i)
            if (r.c1[i] != '.') { EXPECT_EQ(tst_C1(force, tst_StepName(char('1' + i))), r.c1[i] - '0') << i; }
    }
    kloC_ConcentratedForce force = tst_Force("SSFS");
    tst_Edit(force, "SSFS", "i2");
    EXPECT_EQ(force.StateIn("Step-4").amplitude().state(), mdl_PropAttributeStateEnm::UNSET);
    EXPECT_EQ(dynamic_cast<kloC_VectorState const&>(force.StateIn("Step-4")).Component(1).state(),
              mdl_PropAttributeStateEnm::INHERITED);
    EXPECT_FALSE(force.HasStep("Step-3"));
    EXPECT_TRUE(force.HasStep("Step-4"));
    EXPECT_EQ(tst_LoadError([&] { force.CheckStep("Step-3"); }),
              "The load does not exist in the specifed step or is suppressed or inactive.");
    kloC_ConcentratedForce cleared = tst_Force("SFS");
    tst_Define(cleared, "Step-3", 2.0);
    EXPECT_TRUE(cleared.ClearState("Step-3"));
    EXPECT_FALSE(cleared.ClearState("Nope"));
    EXPECT_EQ(tst_LoadHistory(cleared), "CBP");
    EXPECT_FALSE(tst_Define(cleared, "Initial", 1.0));
    cleared.ClearStepState("Step-3");  // the record emptied without propagating
    EXPECT_EQ(tst_LoadHistory(cleared), "CBN");
    EXPECT_FALSE(cleared.States()[2].procedure());
    EXPECT_THROW(cleared.ClearStepState("Nope"), omu_KeyErrorException);
    EXPECT_THROW(cleared.Status("Nope"), omu_KeyErrorException);
}

// Every refusal raises its message and leaves the load exactly as it was.
TEST_F(Loads, RefusalsLeaveTheLoadExactlyAsItWas) {
    std::string const unknown = "The specified step either does not exist or is the Initial step.",
                      notDeactivated = "Load cannot be deactivated.",
                      destination = "Cannot move the load because the destination step is Created, Modified, or Deactivated.",
                      intoPerturbation = "Cannot move a load into a perturbation step.",
                      atCreation = "Cannot reset a load in the step it was created.";
    struct Row {
        char const *steps, *edits, *refused;
        std::string message;
        char created = '1';
    } const rows[] = {
        {"SSS", "", "D0", unknown},
        {"SSS", "", "D1", notDeactivated},
        {"SSS", "", "d1", notDeactivated},
        {"SHS", "", "D2", "Load is not active."},
        {"SSSS", "i2 D3", "M24", "Cannot move the load because an intermediate step is Created, Modified, or Deactivated."},
        {"SSSS", "i3", "M23", destination},
        {"SSSS", "i3", "M31", destination},
        {"SSSS", "D2", "M34", "Load to be moved must be active."},
        {"SSSS", "", "M24", "There is no load modification to move in the indicated step."},
        {"SSSL", "i3", "M34", intoPerturbation},
        {"SM", "i1", "M12", intoPerturbation},
        {"SSSA", "i3", "M34", "Cannot move a load into an Anneal step."},
        {"SSSH", "i3", "M34", "The specified type of load cannot be moved to this type of step."},
        {"SSS", "", "M?2", unknown},
        {"SSS", "", "R1", atCreation},
        {"SSS", "i3", "R3", "Reset can only be used in the deactivated step."},
        {"SSS", "", "X1", atCreation},
        {"SL", "", "M21", "Cannot move a load defined in a perturbation step.", '2'},
        // The perturbation step is checked before the creation step.
        {"SL", "", "D2", "Load defined in a previous base state cannot be deactivated.", '2'},
    };
    for (auto const& r : rows) {
        SCOPED_TRACE(testing::Message() << r.steps << " " << r.edits << " " << r.refused);
        kloC_ConcentratedForce force = tst_Force(r.steps, tst_StepName(r.created));
        tst_Edit(force, r.steps, r.edits);
        std::string const before = tst_Snapshot(force);
        EXPECT_EQ(tst_LoadError([&] { tst_Edit(force, r.steps, r.refused); }), r.message);
        EXPECT_EQ(tst_Snapshot(force), before);
    }
}

// A load over many steps holds one state object per distinct definition, not one per step.
TEST_F(Loads, StatesAreSharedAcrossSteps) {
    kloC_ConcentratedForce force = tst_Force(std::string(40, 'S'));
    EXPECT_EQ(tst_DistinctLoadStates(force), 2u);  // the creation and the propagated state
    tst_Define(force, "Step-20", 2.0);
    EXPECT_EQ(tst_DistinctLoadStates(force), 4u);
    EXPECT_EQ(tst_SharingPattern(force.States()), "|" + std::string(17, '=') + "||" + std::string(19, '='));
    force.Deactivate("Step-30");
    EXPECT_EQ(tst_DistinctLoadStates(force), 5u);
}

TEST_F(Loads, ChecksAndAdmission) {
    std::string const zeroMessage = "Load must be created with a non-zero magnitudes unless utilizing a user subroutine.",
                      notValid = "The specified type of load cannot be created or resumed in this type of step.";
    kloC_ConcentratedForce zero(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(0.0, 0.0, 0.0));
    EXPECT_EQ(tst_LoadError([&] { zero.AdoptSteps(tst_Steps("SS")); }), zeroMessage);
    zero.useComplex(true);
    zero.SetComplexComponent(2, 0.0, 0.5);
    EXPECT_NO_THROW(zero.AssertValid());
    zero.SetComplexComponent(2, 0.0, 0.0);
    zero.Suppress();
    EXPECT_NO_THROW(zero.AssertValid());
    EXPECT_EQ(tst_LoadError([] { tst_Force("SA", "Step-2"); }), "No loads are allowed in an Anneal step.");

    // Resume of a load not valid in its creation step: the flag is cleared, then error 34.
    kloC_ConcentratedForce heat = tst_Force("SS");
    heat.Suppress();
    heat.AdoptSteps(tst_Steps("HS"));
    EXPECT_EQ(tst_LoadError([&] { heat.Resume(); }), notValid);
    EXPECT_FALSE(heat.IsSuppressed());
    EXPECT_EQ(tst_LoadError([&] { heat.UpdateStates(); }), notValid);

    // Strict and relaxed validity.
    kloC_ConcentratedForce force = tst_Force("S");
    EXPECT_TRUE(force.ValidInStep(int(kprC_STATIC_STEP_ID), false, false, false));
    EXPECT_TRUE(force.ValidInStep(int(kprC_BUCKLE_STEP_ID), false, false, false));
    EXPECT_FALSE(force.ValidInStep(int(kprC_FREQUENCY_STEP_ID), false, false, false));
    EXPECT_TRUE(force.ValidInStep(tst_Step(kprC_FREQUENCY_STEP_ID), true, false, false));
    EXPECT_FALSE(force.ValidInStepSpecialRule(int(kprC_FREQUENCY_STEP_ID), false));
    EXPECT_FALSE(force.ValidInStepButRelaxCheckOnInitial(0, true));

    // Load cases; a suppressed load is in no step.
    EXPECT_TRUE(force.ValidInALoadCase("Step-1", true));
    EXPECT_TRUE(force.HasStep("Step-1"));
    force.Suppress();
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
    std::string const invalidFlag = "Invalid load propagator error flag. Please report this error.";
    struct Row {
        int flag;
        std::string message;
    } const rows[] = {
        {0, "The specified step either does not exist or is the Initial step."},
        {1, "Load cannot be deactivated."},
        {2, "Load defined in a previous base state cannot be deactivated."},
        {3, "Unknown load status. Please report this error."},
        {4, "Invalid modified load state or create flag. Please report this error."},
        {5, invalidFlag},
        {-1, invalidFlag},
    };
    for (auto const& r : rows) {
        SCOPED_TRACE(r.flag);
        try {
            kloC_LoadKind::Raise(kprC_PropagatorError(r.flag));
            ADD_FAILURE() << "raised nothing";
        } catch (nex_Exception const& e) {
            EXPECT_EQ(e.what(), r.message);
            EXPECT_EQ(dynamic_cast<omu_ValueErrorException const*>(&e) != nullptr, r.flag == 0);
            EXPECT_EQ(dynamic_cast<nex_TextException const*>(&e) != nullptr, r.flag != 0);
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
    picked.AdoptSteps(tst_Steps("SSS"));
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
    for (auto const& [name, expected] : std::initializer_list<std::pair<std::string_view, char const*>>{
             {kloC_LoadState::pythonTypeName(), "LoadState"}, {kloC_VectorState::c2Cmd(), "comp2"},
             {kloC_Pressure::referencePointCmd(), "refPoint"}, {kloC_PressureState::pythonTypeName(), "PressureState"}})
        EXPECT_EQ(name, expected);
}

}  // namespace
