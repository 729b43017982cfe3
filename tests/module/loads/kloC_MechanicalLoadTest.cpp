#include <functional>
#include <tuple>

#include "module/klo/loads/kloC_Scalar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_RegisterClasses.h"
#include "platform/cls/cls_WriteVisitor.h"
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

double Magnitude(kloC_Load const& load, cow_String const& step) {
    return dynamic_cast<kloC_PressureState const&>(load.StateIn(step)).magnitude().value();
}

TEST_F(MechanicalLoads, PressureChecks) {
    using T = kloC_Pressure::PressureTypeEnum;
    auto make = [](T type, std::string const& steps, double magnitude = 1.0) {
        kloC_Pressure p(tst_Set("Surf-1"), "Step-2", kloC_PressureState(magnitude), type);
        return std::make_pair(p, steps);
    };
    struct Case {
        char const* what;
        std::pair<kloC_Pressure, std::string> pressure;
        std::function<void(kloC_Pressure&)> prepare;
        std::string message;
    };
    auto none = [](kloC_Pressure&) {};
    std::vector<Case> cases = {
        {"uniform", make(T::UNIFORM, "SSS"), none, ""},
        {"zero uniform", make(T::UNIFORM, "SSS", 0.0), none,
         "Load must be created with a non-zero magnitudes unless utilizing a user subroutine."},
        {"zero user defined", make(T::USER_DEFINED, "SSS", 0.0), none, ""},
        {"field without a name", make(T::FIELD, "SSS", 0.0), none,
         "A field name must be supplied when the distribution type is set to FIELD."},
        {"field with a name", make(T::FIELD, "SSS"), [](auto& p) { p.fieldName("F-1"); }, ""},
        {"hydrostatic with equal elevations", make(T::HYDROSTATIC, "SSS"), none,
         "The zero pressure elevation (z0) and the reference\npressure elevation (z1) must be distinct."},
        {"hydrostatic with an explicit step before it", make(T::HYDROSTATIC, "ESS"),
         [](auto& p) {
             kloC_PressureState s(1.0);
             s.SetElevations(0.0, 2.0);
             p.Insert("Step-2", s);
         },
         "distribution=HYDROSTATIC is not allowed in an VELMOR/Explicit step."},
        {"hydrostatic with distinct elevations", make(T::HYDROSTATIC, "SSS"),
         [](auto& p) {
             kloC_PressureState s(1.0);
             s.SetElevations(0.0, 2.0);
             p.Insert("Step-2", s);
         },
         ""},
    };
    for (auto& c : cases) {
        kloC_Pressure& p = c.pressure.first;
        c.prepare(p);
        EXPECT_EQ(tst_LoadError([&] { p.AdoptSteps(tst_LoadSteps(c.pressure.second)); }), c.message) << c.what;
    }
    // The states know whether the pressure is hydrostatic; a suppressed pressure is not checked.
    kloC_Pressure& hydro = cases[7].pressure.first;
    for (auto const& r : hydro.States())
        if (r.HasState()) {
            EXPECT_TRUE(dynamic_cast<kloC_PressureState const&>(*r.state()).useHydrostatic());
        }
    cow_String field;
    EXPECT_FALSE(hydro.UsesField(field));
    EXPECT_TRUE(cases[4].pressure.first.UsesField(field));
    EXPECT_EQ(field, "F-1");
    kloC_Pressure& bad = cases[1].pressure.first;
    bad.Suppress();
    EXPECT_NO_THROW(bad.AssertValid());
}

TEST_F(MechanicalLoads, RealAndComplexMagnitudesSwitchWithTheProcedure) {
    kloC_ConcentratedForce force(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(1.0, 2.0, 3.0));
    force.AdoptSteps(tst_LoadSteps("SS"));
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
    pressure.AdoptSteps(tst_LoadSteps("S"));
    pressure.ChangeProcedureType(kprC_STEADY_STATE_DIRECT_STEP_ID);
    EXPECT_EQ(pressure.ComplexMagnitude(), std::make_pair(4.0, 0.0));
    EXPECT_EQ(Magnitude(pressure, "Step-1"), 0.0);

    tst_ScalarLoad scalar("Step-1", 6.0);
    scalar.AdoptSteps(tst_LoadSteps("SS"));
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

// The loads container written to and read from the database: versions, stored names,
// histories, state sharing, and the container's step objects in the records.
TEST_F(MechanicalLoads, StoredFormRoundTrip) {
    kloC_LoadContainer loads;
    loads.UpdateSteps(tst_LoadSteps("SSFSSL"));
    kloC_ConcentratedForce force(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(1.0, 2.0, 3.0));
    force.follower(true);
    loads.Insert("Force", force);
    loads.Get("Force").Insert("Step-4", tst_ForceChange(9.0));
    loads.Get("Force").Deactivate("Step-5");
    kloC_Pressure pressure(tst_Set("Surf-1"), "Step-2", kloC_PressureState(3.0), kloC_Pressure::PressureTypeEnum::STAGNATION);
    loads.Insert("Pressure", pressure);
    loads.Insert("Scalar", tst_ScalarLoad("Step-6", 2.0));

    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("loads", loads);
    // Every load class and state class with its stored attributes: name, type code, type
    // id argument and collection kind, as registered and as written.
    using Attr = std::tuple<std::string, int, std::uint32_t, int>;
    auto const plain = [](char const* name, int code) { return Attr{name, code, 1, 0}; };
    auto const object = [](char const* name, std::uint32_t id) { return Attr{name, 15, id, 0}; };
    auto const flag = [&](char const* name) { return plain(name, 13); };
    auto const real = [&](char const* name) { return plain(name, 10); };
    std::uint32_t const region = 0x000A0010, perStepDouble = 0x000A0011, perStepString = 0x000A0012, list = 0x230001;
    struct Table {
        std::uint32_t id;
        int version;
        std::vector<Attr> schema;
    };
    std::vector<Table> const tables = {
        {0x02880001, 815, {object("region", region), flag("suppress"), {"states", 15, list, 1}, plain("fieldName", 11)}},
        {0x02880002, 203, {flag("deactivate"), object("amplitude", perStepString)}},
        {0x02880010, 831,
         {plain("stepName", 11), plain("status", 14), object("state", 0x02880002), object("procedure", 0x023C002C)}},
        {0x02880003, 203, {flag("useComplex"), real("complexC1Real"), real("complexC1Imag"), real("complexC2Real"),
                           real("complexC2Imag"), real("complexC3Real"), real("complexC3Imag")}},
        {0x02880004, 203, {object("c1", perStepDouble), object("c2", perStepDouble), object("c3", perStepDouble)}},
        {0x02880047, 203, {flag("follower"), object("csys", 0x02480001)}},
        {0x02880048, 203, {}},
        {0x02880018, 203, {flag("follower"), object("csys", 0x02480001)}},
        {0x02880019, 203, {}},
        {0x02880005, 203, {flag("useComplex"), real("complexMagReal"), real("complexMagImag")}},
        {0x02880006, 203, {object("magnitude", perStepDouble)}},
        {0x02880008, 844, {plain("distType", 14), flag("useComplex"), real("complexMagReal"), real("complexMagImag"),
                           object("referencePoint", region)}},
        {0x02880009, 203, {object("magnitude", perStepDouble), object("hZero", perStepDouble),
                           object("hReference", perStepDouble), flag("useHydrostatic")}},
        {0x0288000D, 510, {{"map", 15, 0x230002, 2}, {"procedures", 15, list, 1}, {"danglingRegions", 15, list, 1}}},
    };
    auto const schemaOf = [](std::vector<dbs_Attribute> const& attributes) {
        std::vector<Attr> out;
        for (auto const& a : attributes) out.push_back({a.name, a.typeCode, a.typeIdArg, a.collectionKind});
        return out;
    };
    for (auto const& t : tables) {
        SCOPED_TRACE(testing::Message() << std::hex << t.id);
        auto const* md = cls_MetadataRegistrar::Find(t.id);
        ASSERT_NE(md, nullptr);
        EXPECT_EQ(md->Version(), t.version);
        EXPECT_EQ(schemaOf(md->Attributes()), t.schema);
        if (auto const* stored = db.FindTable(t.id)) {
            EXPECT_EQ(stored->version, t.version);
            EXPECT_EQ(schemaOf(stored->schema), t.schema);
        }
    }
    for (auto id : {kloC_Load::TypeId(), kloC_StateQuad::TypeId(), kloC_ConcentratedForceState::TypeId(),
                    kloC_PressureState::TypeId(), kloC_LoadContainer::TypeId()})
        EXPECT_NE(db.FindTable(id), nullptr) << std::hex << id;

    auto back = cls_ReadVisitor(db).ReadRoot<kloC_LoadContainer>("loads");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Keys(), loads.Keys());
    for (auto const& name : loads.Keys()) {
        auto const &was = loads.ConstGet(name), &is = back->ConstGet(name);
        EXPECT_EQ(typeid(is), typeid(was)) << name;
        EXPECT_EQ(tst_LoadHistory(is), tst_LoadHistory(was)) << name;
        EXPECT_EQ(tst_DistinctLoadStates(is), tst_DistinctLoadStates(was)) << name;
        EXPECT_EQ(is.region(), was.region()) << name;
        for (std::size_t i = 0; i < is.States().size(); ++i) {
            EXPECT_EQ(is.States()[i].procedure().Shared(), back->procedures()[i].procedure().Shared()) << name << i;
            bool const shared = i > 0 && was.States()[i].HasState() && was.States()[i].state().SharesWith(was.States()[i - 1].state());
            EXPECT_EQ(i > 0 && is.States()[i].HasState() && is.States()[i].state().SharesWith(is.States()[i - 1].state()), shared)
                << name << i;
        }
    }
    auto const& force2 = dynamic_cast<kloC_ConcentratedForce const&>(back->ConstGet("Force"));
    EXPECT_EQ(tst_LoadHistory(force2), "CPBMDI");
    EXPECT_TRUE(force2.follower());
    EXPECT_EQ(tst_C1(force2, "Step-4"), 9.0);
    EXPECT_EQ(tst_LoadHistory(back->ConstGet("Scalar")), "OOOOOC");
    auto const& pressure2 = dynamic_cast<kloC_Pressure const&>(back->ConstGet("Pressure"));
    EXPECT_EQ(pressure2.distType(), kloC_Pressure::PressureTypeEnum::STAGNATION);
    EXPECT_EQ(Magnitude(pressure2, "Step-4"), 3.0);
    EXPECT_TRUE(back->ConstGet("Force").StateIn("Step-5").deactivate());
}

// The container follows step changes: removal of the creation step drops a load, a
// procedure change of its creation step suppresses it.
TEST_F(MechanicalLoads, ContainerFollowsTheSteps) {
    kloC_LoadContainer loads;
    loads.UpdateSteps(tst_LoadSteps("SSS"));
    EXPECT_EQ(tst_LoadError([&] { loads.Insert("Zero", kloC_ConcentratedForce(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(0.0, 0.0, 0.0))); }),
              "Load must be created with a non-zero magnitudes unless utilizing a user subroutine.");
    EXPECT_FALSE(loads.IsMember("Zero"));
    EXPECT_EQ(tst_LoadError([&] { loads.Insert("Lost", tst_Force("SSS", "Step-1")); loads.Insert("Far", tst_Force("SSSS", "Step-4")); }),
              "The specified step either does not exist or is the Initial step.");
    loads.Insert("A", tst_Force("SSS", "Step-2"));
    auto steps = tst_LoadSteps("SFS");
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
