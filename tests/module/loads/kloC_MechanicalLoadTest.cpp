// The mechanical loads' own rules: a pressure's distributions, real and complex values
// as the procedure changes, and the container following step changes.
#include "module/klo/loads/kloC_Scalar.h"
#include "platform/cls/cls_RegisterClasses.h"
#include "tests/module/loads/LoadTestSupport.h"

namespace {

// A scalar load for the scalar family's own rules, admitted in every step and
// refused by load cases as not yet supported.
class tst_ScalarLoadState : public kloC_ScalarState {
    CLS_PERSISTENT(tst_ScalarLoadState, kloC_ScalarState, 0x7F000402, 1, CLS_NO_ATTRIBUTES)
    tst_ScalarLoadState() = default;
    tst_ScalarLoadState(tst_ScalarLoadState const&) = default;
};
CLS_DEFINE(tst_ScalarLoadState)
class tst_ScalarLoad : public kloC_Scalar {
    CLS_PERSISTENT(tst_ScalarLoad, kloC_Scalar, 0x7F000401, 1, CLS_NO_ATTRIBUTES)
    tst_ScalarLoad() = default;
    tst_ScalarLoad(cow_String const& step, double magnitude) : kloC_Scalar(tst_Set("Set-9"), step, State(magnitude)) {}
    tst_ScalarLoad(tst_ScalarLoad const&) = default;
    bool ValidInStepSpecialRule(int, bool) const override { return true; }
    bool AllowedInALoadCase() const override { return true; }
    bool NYIForLoadCase() const override { return true; }
    static tst_ScalarLoadState State(double magnitude) {
        tst_ScalarLoadState s;
        s.magnitude(magnitude);
        return s;
    }
};
CLS_DEFINE(tst_ScalarLoad)

class MechanicalLoads : public tst_LibraryTest {
protected:
    void SetUp() override {
        tst_LibraryTest::SetUp();
        cls_RegisterClasses<tst_ScalarLoadState, tst_ScalarLoad>(7);
    }
    void TearDown() override {
        cls_MetadataRegistrar::removeClassMetadata(tst_ScalarLoadState::InitializeMetadata);
        cls_MetadataRegistrar::removeClassMetadata(tst_ScalarLoad::InitializeMetadata);
        tst_LibraryTest::TearDown();
    }
};

// A pressure of each distribution created in Step-2, checked as it adopts the history;
// its states know whether it is hydrostatic, it uses a field (named or not) when its
// distribution is one, and a suppressed pressure is not checked.
TEST_F(MechanicalLoads, PressureChecks) {
    using T = kloC_Pressure::PressureTypeEnum;
    struct Row {
        T type;
        char const* steps;
        double magnitude;
        bool named, elevations;  // named field F-1; distinct elevations defined in Step-2
        std::string message;
    } const rows[] = {
        {T::UNIFORM, "SSS", 1.0, false, false, ""},
        {T::UNIFORM, "SSS", 0.0, false, false,
         "Load must be created with a non-zero magnitudes unless utilizing a user subroutine."},
        {T::USER_DEFINED, "SSS", 0.0, false, false, ""},
        {T::FIELD, "SSS", 0.0, false, false, "A field name must be supplied when the distribution type is set to FIELD."},
        {T::FIELD, "SSS", 1.0, true, false, ""},
        {T::HYDROSTATIC, "SSS", 1.0, false, false,
         "The zero pressure elevation (z0) and the reference\npressure elevation (z1) must be distinct."},
        {T::HYDROSTATIC, "ESS", 1.0, false, true, "distribution=HYDROSTATIC is not allowed in an VELMOR/Explicit step."},
        {T::HYDROSTATIC, "SSS", 1.0, false, true, ""},
    };
    for (auto const& r : rows) {
        SCOPED_TRACE(testing::Message() << int(r.type) << " " << r.steps << " " << r.magnitude);
        kloC_Pressure p(tst_Set("Surf-1"), "Step-2", kloC_PressureState(r.magnitude), r.type);
        if (r.named) p.fieldName("F-1");
        kloC_PressureState distinct(1.0);
        distinct.SetElevations(0.0, 2.0);
        if (r.elevations) p.Insert("Step-2", distinct);
        EXPECT_EQ(tst_LoadError([&] { p.AdoptSteps(tst_Steps(r.steps)); }), r.message);
        for (auto const& record : p.States())
            if (record.HasState()) {
                EXPECT_EQ(dynamic_cast<kloC_PressureState const&>(*record.state()).useHydrostatic(), r.type == T::HYDROSTATIC);
            }
        cow_String field;
        EXPECT_EQ(p.UsesField(field), r.type == T::FIELD);
        EXPECT_EQ(field, r.named ? "F-1" : "");
        p.Suppress();
        EXPECT_NO_THROW(p.AssertValid());
    }
}

TEST_F(MechanicalLoads, RealAndComplexMagnitudesSwitchWithTheProcedure) {
    kloC_ConcentratedForce force(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(1.0, 2.0, 3.0));
    force.AdoptSteps(tst_Steps("SS"));
    force.ChangeProcedureType(kprC_STATIC_STEP_ID);
    EXPECT_FALSE(force.useComplex());
    force.ChangeProcedureType(kprC_STEADY_STATE_DIRECT_STEP_ID);
    EXPECT_TRUE(force.useComplex());
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(force.ComplexComponent(i), std::make_pair(double(i), 0.0)) << i;
        EXPECT_EQ(dynamic_cast<kloC_VectorState const&>(force.StateIn("Step-1")).Component(i).value(), 0.0) << i;
    }
    EXPECT_EQ(tst_C1(force, "Step-2"), 0.0);  // later steps follow
    EXPECT_NO_THROW(force.AssertValid());   // the complex parts are not zero
    force.ChangeProcedureType(kprC_STEADY_STATE_MODAL_STEP_ID);  // still complex: nothing moves
    EXPECT_EQ(force.ComplexComponent(2), std::make_pair(2.0, 0.0));
    force.SetComplexComponent(2, 5.0, 7.0);
    force.ChangeProcedureType(kprC_STATIC_STEP_ID);
    EXPECT_FALSE(force.useComplex());
    EXPECT_EQ(dynamic_cast<kloC_VectorState const&>(force.StateIn("Step-1")).Component(2).value(), 5.0);
    EXPECT_EQ(force.ComplexComponent(2), std::make_pair(0.0, 0.0));

    kloC_Pressure pressure(tst_Set("Surf-1"), "Step-1", kloC_PressureState(4.0));
    pressure.AdoptSteps(tst_Steps("S"));
    pressure.ChangeProcedureType(kprC_STEADY_STATE_DIRECT_STEP_ID);
    EXPECT_EQ(pressure.ComplexMagnitude(), std::make_pair(4.0, 0.0));
    EXPECT_EQ(dynamic_cast<kloC_PressureState const&>(pressure.StateIn("Step-1")).magnitude().value(), 0.0);

    tst_ScalarLoad scalar("Step-1", 6.0);
    scalar.AdoptSteps(tst_Steps("SS"));
    scalar.ChangeProcedureType(kprC_STEADY_STATE_MODAL_STEP_ID);
    EXPECT_EQ(scalar.ComplexMagnitude(), std::make_pair(6.0, 0.0));
    scalar.SetComplexMagnitude(0.0, 0.0);
    EXPECT_EQ(tst_LoadError([&] { scalar.AssertValid(); }),
              "Load must be created with a non-zero magnitudes unless utilizing a user subroutine.");
    scalar.SetComplexMagnitude(0.0, 1.0);
    EXPECT_EQ(tst_LoadError([&] { scalar.ValidInALoadCase("Step-2", true); }),
              "Connector loads and moments are not yet supported by load cases.");

    // The amplitude goes where the procedure has none.
    kloC_ConcentratedForceState s(1.0, 0.0, 0.0);
    s.amplitude("Amp-1");
    s.ChangeProcedureType(kprC_STATIC_STEP_ID);
    EXPECT_EQ(s.amplitude().value(), "Amp-1");
    s.ChangeProcedureType(kprC_FREQUENCY_STEP_ID);
    EXPECT_EQ(s.amplitude().value(), "");
    EXPECT_EQ(s.amplitude().state(), mdl_PropAttributeStateEnm::UNSET);
}

// The container follows step changes: removal of the creation step drops a load, a
// procedure change of its creation step suppresses it.
TEST_F(MechanicalLoads, ContainerFollowsTheSteps) {
    kloC_LoadContainer loads;
    loads.UpdateSteps(tst_Steps("SSS"));
    EXPECT_EQ(tst_LoadError([&] { loads.Insert("Zero", kloC_ConcentratedForce(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(0.0, 0.0, 0.0))); }),
              "Load must be created with a non-zero magnitudes unless utilizing a user subroutine.");
    EXPECT_FALSE(loads.IsMember("Zero"));
    EXPECT_EQ(tst_LoadError([&] { loads.Insert("Lost", tst_Force("SSS", "Step-1")); loads.Insert("Far", tst_Force("SSSS", "Step-4")); }),
              "The specified step either does not exist or is the Initial step.");
    loads.Insert("A", tst_Force("SSS", "Step-2"));
    auto steps = tst_Steps("SFS");
    loads.UpdateSteps(steps);
    EXPECT_EQ(loads.SuppressedByStepChange(), (cow_List<cow_String>{"A"}));
    EXPECT_TRUE(loads.ConstGet("A").IsSuppressed());
    EXPECT_EQ(tst_LoadHistory(loads.ConstGet("Lost")), "CBP");
    steps.erase(steps.begin());
    loads.UpdateSteps(steps);
    EXPECT_FALSE(loads.IsMember("Lost"));
    EXPECT_TRUE(loads.IsMember("A"));
}

}  // namespace
