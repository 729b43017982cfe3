// Every load type through tables: what it is, where it may be created, its zero-magnitude
// rule, each of its checks with its message, its stored form, and the state flags that
// follow from its settings.
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include "module/klo/loads/kloC_BodyLoads.h"
#include "module/klo/loads/kloC_BoltLoad.h"
#include "module/klo/loads/kloC_ConnectorLoads.h"
#include "module/klo/loads/kloC_FieldLoads.h"
#include "module/klo/loads/kloC_InertiaRelief.h"
#include "module/klo/loads/kloC_LineLoad.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/klo/loads/kloC_PipePressure.h"
#include "module/klo/loads/kloC_PressurePenetration.h"
#include "module/klo/loads/kloC_RotationalLoads.h"
#include "module/klo/loads/kloC_Traction.h"
#include "module/kpr/procedures/kprC_Procedures.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "tests/module/loads/LoadTestSupport.h"

namespace every_load_type {

using Made = std::unique_ptr<kloC_Load>;

// Scripting constructor; letter of a procedure that admits the type (x: none does);
// whether load cases take it ("": yes, else the code they refuse it with).
struct Type {
    char const* constructor;
    char procedure;
    int loadCaseRefusal;
};
std::vector<Type> const types = {
    {"ConcentratedForce", 'S', 0}, {"Moment", 'S', 0}, {"Pressure", 'S', 0}, {"SurfaceTraction", 'S', 0},
    {"ShellEdgeLoad", 'S', 0}, {"LineLoad", 'S', 0}, {"PipePressure", 'S', 0}, {"BodyForce", 'S', 0},
    {"Gravity", 'S', 0}, {"PEGLoad", 'S', 0}, {"BoltLoad", 'S', 0}, {"RotationalBodyForce", 'S', 0},
    {"CoriolisForce", 'S', 0}, {"ConnectorForce", 'S', 55}, {"ConnectorMoment", 'S', 55}, {"InertiaRelief", 'S', 0},
    {"PressurePenetration", 'x', 0}, {"ConcentratedHeatFlux", 'H', 54}, {"SurfaceHeatFlux", 'H', 0},
    {"BodyHeatFlux", 'H', 0}, {"ConcPoreFluid", 'G', 0}, {"SurfacePoreFluid", 'G', 0}, {"HydroFluidFlow", 'x', 54},
    {"ConcCharge", 'S', 54}, {"SurfaceCharge", 'S', 54}, {"BodyCharge", 'S', 54}, {"ConcCurrent", 'T', 54},
    {"SurfaceCurrent", 'T', 54}, {"BodyCurrent", 'T', 54}, {"ConcConcFlux", 'X', 54},
    {"SurfaceConcentrationFlux", 'X', 0}, {"BodyConcentrationFlux", 'X', 0}, {"InwardVolAccel", 'L', 0},
};

cls_ScriptClass const& ClassOf(char const* constructor) {
    for (auto const* c : cls_ScriptRegistry::All())
        if (c->constructorName == constructor && cls_ScriptRegistry::DerivesFrom(c->typeId, kloC_Load_TypeId)) return *c;
    throw std::runtime_error(std::string("no load class ") + constructor);
}

// Every double of a script attribute set to `value`.
void SetDoubles(cls_Persistent& o, double value) {
    for (auto const& a : cls_ScriptRegistry::AttributesOf(o.DynTypeId()))
        if (a.type.kind == cls_ScriptKind::Double) a.set(o, value, a.script.c_str());
}
void Set(cls_Persistent& o, char const* name, cls_ScriptValue const& value) {
    auto const attributes = cls_ScriptRegistry::AttributesOf(o.DynTypeId());
    auto const* a = cls_ScriptRegistry::FindAttribute(attributes, name);
    if (!a) throw std::runtime_error(std::string("no attribute ") + name);
    a->set(o, value, name);
}

// A valid load of the type created in Step-1, every magnitude `magnitude`, not yet in a container.
Made Make(char const* constructor, double magnitude = 2.0, int modelSpace = rgnC_THREE_D) {
    auto const& c = ClassOf(constructor);
    Made load(dynamic_cast<kloC_Load*>(c.create()));
    std::unique_ptr<cls_Persistent> state(cls_ScriptRegistry::FindByName(c.name + "State")->create());
    SetDoubles(*state, magnitude);
    load->region(rgnC_Region({"Set-1"}, 1, modelSpace));
    std::string const name = constructor;
    if (name == "PipePressure") Set(*load, "diameter", 0.5);
    if (name == "RotationalBodyForce") Set(*load, "centrifugal", true);
    if (name == "RotationalBodyForce" || name == "CoriolisForce") {
        Set(*load, "point1", cls_ScriptList{0.0, 0.0, 0.0});
        // An axis along y, or normal to the plane of a two-dimensional region.
        Set(*load, "point2", modelSpace == rgnC_TWO_D ? cls_ScriptList{0.0, 0.0, 1.0} : cls_ScriptList{0.0, 1.0, 0.0});
    }
    if (name == "Gravity" && modelSpace == rgnC_AXISYMMETRIC) SetDoubles(*state, 0.0), Set(*state, "comp2", 9.8);
    load->Insert("Step-1", dynamic_cast<kloC_LoadState const&>(*state));
    return load;
}

// The message of checking the load in the history `letters`, "" when it passes.
std::string Check(kloC_Load const& load, std::string const& letters = "S") {
    kloC_LoadContainer loads;
    loads.UpdateSteps(tst_Steps(letters));
    return tst_LoadError([&] { loads.Insert("Load", load); });
}

std::string Message(kloC_ErrorEnm code) { return kloC_ErrorMessage(code); }

void SetBoltMethod(kloC_Load& bolt, kloC_BoltLoadMethodEnm method) {
    auto state = dynamic_cast<kloC_BoltLoadState const&>(bolt.StateIn("Step-1"));
    state.boltMethod(method);
    bolt.Insert("Step-1", state);
}

class EveryLoadType : public tst_LibraryTest {};

// Each type has a label and a state class, its load case admission, and its creation in
// a one-step history of every procedure: refused in an Anneal step (18), in a procedure
// that does not admit the type (34), else valid.
TEST_F(EveryLoadType, LabelsLoadCasesAndCreationByProcedure) {
    EXPECT_EQ(types.size(), 33u);
    for (auto const& t : types) {
        SCOPED_TRACE(t.constructor);
        auto const& c = ClassOf(t.constructor);
        EXPECT_FALSE(kloC_LoadTypeLabelMap::Instance().Label(c.typeId).empty());
        EXPECT_NE(cls_ScriptRegistry::FindByName(c.name + "State"), nullptr);
        Made const load = Make(t.constructor);
        EXPECT_EQ(load->AllowedInALoadCase(), t.loadCaseRefusal != 54);
        EXPECT_EQ(load->NYIForLoadCase(), t.loadCaseRefusal == 55);
        for (unsigned p = kprC_ProcedureSet::first; p < kprC_ProcedureSet::first + kprC_ProcedureSet::count; ++p) {
            kprC_StepList steps{{"Step-1", cow_COW<kprC_Step>(new tst_Step(p))}};
            kloC_LoadContainer loads;
            loads.UpdateSteps(steps);
            std::string const expected = p == kprC_ANNEAL_STEP_ID ? Message(kloC_IN_ANNEAL_STEP)
                                         : kloC_isValidLoadTypeforStep(int(load->DynTypeId()), int(p))
                                             ? ""
                                             : Message(kloC_TYPE_INVALID_IN_STEP);
            EXPECT_EQ(tst_LoadError([&] { loads.Insert("Load", *load); }), expected) << std::hex << p;
        }
    }
}

// Zero magnitudes in the creation step: refused (41) unless the type has none, the
// distribution is user-defined, a bolt adjusts its length, or a complex part is given.
TEST_F(EveryLoadType, ZeroMagnitudes) {
    std::set<std::string> const noMagnitude = {"InertiaRelief", "PressurePenetration"};
    for (auto const& t : types) {
        if (t.procedure == 'x') continue;
        SCOPED_TRACE(t.constructor);
        std::string const letters(1, t.procedure);
        Made load = Make(t.constructor, 0.0);
        EXPECT_EQ(Check(*load, letters), noMagnitude.contains(t.constructor) ? "" : Message(kloC_ZERO_MAGNITUDE));
        auto const attributes = cls_ScriptRegistry::AttributesOf(load->DynTypeId());
        if (cls_ScriptRegistry::FindAttribute(attributes, "distributionType")) {
            Set(*load, "distributionType", "USER_DEFINED");
            EXPECT_EQ(Check(*load, letters), "");
        }
        if (cls_ScriptRegistry::FindAttribute(attributes, "useComplex")) {
            Made complex = Make(t.constructor, 0.0);
            Set(*complex, "useComplex", true);
            for (auto const* imag : {"complexMagImag", "complexC3Imag"})
                if (cls_ScriptRegistry::FindAttribute(attributes, imag)) Set(*complex, imag, 1.0);
            EXPECT_EQ(Check(*complex, letters), "");
        }
    }
    Made bolt = Make("BoltLoad", 0.0);
    SetBoltMethod(*bolt, kloC_BoltLoadMethodEnm::ADJUST_LENGTH);
    EXPECT_EQ(Check(*bolt), "");
}

// One broken rule per case, on a load that is valid otherwise.
TEST_F(EveryLoadType, EachRuleRaisesItsMessage) {
    using Edit = std::function<void(kloC_Load&)>;
    auto set = [](char const* name, cls_ScriptValue value) { return Edit([=](kloC_Load& l) { Set(l, name, value); }); };
    auto both = [](Edit a, Edit b) { return Edit([=](kloC_Load& l) { a(l), b(l); }); };
    // Sets an attribute of the creation state.
    auto inState = [](char const* name, cls_ScriptValue value) {
        return Edit([=](kloC_Load& l) {
            std::unique_ptr<kloC_LoadState> s(l.StateIn("Step-1").Copy());
            Set(*s, name, value);
            l.Insert("Step-1", *s);
        });
    };
    cls_ScriptList const zeroLength{cls_ScriptList{1.0, 1.0, 1.0}, cls_ScriptList{1.0, 1.0, 1.0}};
    struct Case {
        char const* constructor;
        Edit edit;
        kloC_ErrorEnm code;
        int modelSpace = rgnC_THREE_D;
        char const* letters = "S";
    };
    std::vector<Case> const cases = {
        {"BodyForce", set("distributionType", "FIELD"), kloC_FIELDS_NOT_ENABLED},
        {"LineLoad", set("distributionType", "FIELD"), kloC_FIELDS_NOT_ENABLED},
        {"SurfaceHeatFlux", both(set("distributionType", "FIELD"), set("field", "Profile")), kloC_FIELDS_NOT_ENABLED, 1, "H"},
        {"Gravity", inState("comp1", 1.0), kloC_AXISYMMETRIC_GRAVITY, rgnC_AXISYMMETRIC},
        {"Gravity", both(set("useComplex", true), set("complexC3Imag", 1.0)), kloC_AXISYMMETRIC_GRAVITY, rgnC_AXISYMMETRIC},
        {"PipePressure", set("diameter", 0.0), kloC_PIPE_DIAMETER_NOT_POSITIVE},
        {"PipePressure", both(set("distributionType", "FIELD"), set("diameter", 0.0)), kloC_FIELD_NAME_REQUIRED},
        {"PipePressure", set("distributionType", "HYDROSTATIC"), kloC_HYDROSTATIC_ELEVATIONS_EQUAL},
        {"SurfaceTraction", both(set("traction", "SHEAR"), set("follower", false)), kloC_FOLLOWER_DISABLED},
        {"SurfaceTraction", set("directionVector", zeroLength), kloC_ZERO_DIRECTION},
        {"ShellEdgeLoad", set("follower", false), kloC_FOLLOWER_DISABLED},
        {"ShellEdgeLoad", both(set("traction", "GENERAL"), set("directionVector", zeroLength)), kloC_ZERO_DIRECTION},
        {"RotationalBodyForce", set("rotaryAcceleration", true), kloC_ROTATIONAL_SUB_CATEGORY},
        {"RotationalBodyForce", set("point2", cls_ScriptList{0.0, 0.0, 0.0}), kloC_AXIS_POINTS_COINCIDENT},
        {"RotationalBodyForce", set("point2", cls_ScriptList{0.0, 1.0, 1.0}), kloC_AXISYMMETRIC_AXIS, rgnC_AXISYMMETRIC},
        {"RotationalBodyForce", both(set("centrifugal", false), set("rotaryAcceleration", true)),
         kloC_AXISYMMETRIC_SUB_CATEGORY, rgnC_AXISYMMETRIC},
        {"CoriolisForce", set("point2", cls_ScriptList{0.0, 1.0, 0.0}), kloC_TWO_D_AXIS, rgnC_TWO_D},
        {"CoriolisForce", both(set("axisSelPoint2", "ENTEREDCOORD"), set("coordAxisPt2", cls_ScriptList{0.0, 0.0, 0.0})),
         kloC_AXIS_POINTS_COINCIDENT},
        {"BoltLoad", [](kloC_Load& l) { SetBoltMethod(l, kloC_BoltLoadMethodEnm::FIX_LENGTH); }, kloC_BOLT_FIXED_AT_CREATION},
        {"ConcentratedHeatFlux", set("dof", 10), kloC_HEAT_FLUX_DOF_RANGE, 1, "H"},
        {"ConcentratedHeatFlux", set("dof", 32), kloC_HEAT_FLUX_DOF_RANGE, 1, "H"},
        {"SurfaceHeatFlux", inState("magnitude", 0.0), kloC_ZERO_MAGNITUDE, 1, "H"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(testing::Message() << c.constructor << " " << c.code);
        Made load = Make(c.constructor, 2.0, c.modelSpace);
        EXPECT_EQ(Check(*load, c.letters), "");
        c.edit(*load);
        EXPECT_EQ(Check(*load, c.letters), Message(c.code));
        load->Suppress();
        EXPECT_EQ(Check(*load, c.letters), "");
    }
    // Accepted at the edges: degrees of freedom 11 and 31.
    for (int dof : {11, 31}) {
        Made flux = Make("ConcentratedHeatFlux");
        Set(*flux, "dof", dof);
        EXPECT_EQ(Check(*flux, "H"), "") << dof;
    }
}

// A bolt is never deactivated and its creation never moved; it is created in the first step.
TEST_F(EveryLoadType, BoltLoadEditing) {
    kloC_LoadContainer loads;
    loads.UpdateSteps(tst_Steps("SSS"));
    loads.Insert("Bolt", *Make("BoltLoad"));
    auto& bolt = loads.Get("Bolt");
    EXPECT_EQ(tst_LoadError([&] { bolt.Deactivate("Step-2"); }), Message(kloC_BOLT_DEACTIVATE));
    EXPECT_EQ(tst_LoadError([&] { bolt.Move("Step-1", "Step-2"); }), Message(kloC_BOLT_MOVE_CREATION));
    bolt.Insert("Step-2", kloC_BoltLoadState(5.0));
    bolt.Move("Step-2", "Step-3");
    EXPECT_EQ(tst_LoadHistory(bolt), "CPM");
    kloC_BoltLoad const late(tst_Set("Bolt-1"), "Step-2", kloC_BoltLoadState(1.0));
    EXPECT_EQ(Check(late, "SS"), Message(kloC_BOLT_NOT_IN_FIRST_STEP));
}

// The flags that follow from a load's settings are brought up to date whenever they
// change, not only when a state is inserted.
TEST_F(EveryLoadType, StateFlagsFollowTheSettings) {
    using System = kloC_LineLoad::SystemTypeEnum;
    struct Case {
        int space;
        System system;
        bool c1, c3;
    };
    for (auto const& c : {Case{rgnC_THREE_D, System::GLOBAL, true, true}, Case{rgnC_THREE_D, System::LOCAL, true, false},
                          Case{rgnC_TWO_D, System::LOCAL, false, false}, Case{rgnC_TWO_D, System::GLOBAL, true, false},
                          Case{rgnC_AXISYMMETRIC, System::LOCAL, true, false}}) {
        kloC_LoadContainer loads;
        loads.UpdateSteps(tst_Steps("SS"));
        Made line = Make("LineLoad", 1.0, c.space);
        loads.Insert("Line", *line);
        auto& load = dynamic_cast<kloC_LineLoad&>(loads.Get("Line"));
        load.system(c.system);
        for (auto const* step : {"Step-1", "Step-2"}) {
            auto const& s = dynamic_cast<kloC_LineLoadState const&>(load.StateIn(step));
            EXPECT_EQ(std::pair(s.useC1(), s.useC3()), std::pair(c.c1, c.c3)) << c.space << " " << step;
        }
    }
    for (auto const* constructor : {"Pressure", "PipePressure"}) {
        Made made = Make(constructor);
        auto& pressure = dynamic_cast<kloC_Pressure&>(*made);
        for (bool hydrostatic : {true, false}) {
            pressure.distType(hydrostatic ? kloC_Pressure::PressureTypeEnum::HYDROSTATIC
                                          : kloC_Pressure::PressureTypeEnum::VISCOUS);
            EXPECT_EQ(dynamic_cast<kloC_PressureState const&>(pressure.StateIn("Step-1")).useHydrostatic(), hydrostatic);
        }
    }
}

// Settings other than its initial ones for every attribute of the load and its creation
// state but the deactivation; the load is suppressed (the flag flips with the rest), so
// that no rule refuses the settings.
Made Flipped(char const* constructor) {
    auto other = [](cls_ScriptAttribute const& a, cls_ScriptValue const& now) -> std::optional<cls_ScriptValue> {
        switch (a.type.kind) {
        case cls_ScriptKind::Bool: return !*now.If<bool>();
        case cls_ScriptKind::Int: return *now.If<std::int64_t>() + 1;
        case cls_ScriptKind::Double: return 0.25 + (now.If<double>() ? *now.If<double>() : 0.0);
        case cls_ScriptKind::String: return a.script == "amplitude" ? "Amp-1" : "Name-1";
        case cls_ScriptKind::Enum: return a.type.permitted.back();
        default: return std::nullopt;
        }
    };
    Made load = Make(constructor);
    auto state = std::unique_ptr<kloC_LoadState>(load->StateIn("Step-1").Copy());
    for (cls_Persistent* o : {static_cast<cls_Persistent*>(load.get()), static_cast<cls_Persistent*>(state.get())})
        for (auto const& a : cls_ScriptRegistry::AttributesOf(o->DynTypeId()))
            if (a.script != "deactivate")
                if (auto v = other(a, a.get(*o))) a.set(*o, *v, a.script.c_str());
    load->Insert("Step-1", *state);
    return load;
}

// The loads container written to and read from the database: every load class and state
// class as stored, then each load: its type, settings, history, values and state sharing
// per step, and the container's step objects in its records. Every type with its settings
// flipped, beside loads with histories of their own.
TEST_F(EveryLoadType, StoredFormRoundTrip) {
    kloC_LoadContainer loads;
    loads.UpdateSteps(tst_Steps("SSFSSL"));
    kloC_ConcentratedForce force(tst_Set("Set-1"), "Step-1", kloC_ConcentratedForceState(1.0, 2.0, 3.0));
    force.follower(true);
    loads.Insert("Force", force);
    tst_Define(loads.Get("Force"), "Step-4", 9.0);
    loads.Get("Force").Deactivate("Step-5");
    kloC_Pressure pressure(tst_Set("Surf-1"), "Step-2", kloC_PressureState(3.0), kloC_Pressure::PressureTypeEnum::STAGNATION);
    loads.Insert("Pressure", pressure);
    loads.Insert("Perturbation", tst_Force("SSFSSL", "Step-6", 2.0));
    for (auto const& t : types) loads.Insert(t.constructor, *Flipped(t.constructor));
    EXPECT_EQ(tst_LoadHistory(loads.ConstGet("Force")), "CPBMDI");
    EXPECT_EQ(tst_LoadHistory(loads.ConstGet("Perturbation")), "OOOOOC");

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
        SCOPED_TRACE(name);
        auto const &was = loads.ConstGet(name), &is = back->ConstGet(name);
        EXPECT_EQ(typeid(is), typeid(was));
        EXPECT_EQ(tst_Image(is), tst_Image(was));
        EXPECT_EQ(tst_StateImages(is), tst_StateImages(was));
        EXPECT_EQ(tst_LoadHistory(is), tst_LoadHistory(was));
        EXPECT_EQ(tst_SharingPattern(is.States()), tst_SharingPattern(was.States()));
        EXPECT_EQ(tst_DistinctLoadStates(is), tst_DistinctLoadStates(was));
        EXPECT_EQ(is.region(), was.region());
        for (std::size_t i = 0; i < is.States().size(); ++i)
            EXPECT_EQ(is.States()[i].procedure().Shared(), back->procedures()[i].procedure().Shared()) << i;
    }
    for (auto const& t : types) EXPECT_TRUE(back->ConstGet(t.constructor).IsSuppressed()) << t.constructor;
}

// The class versions that differ from the common 203.
TEST_F(EveryLoadType, ClassVersions) {
    for (auto const& [id, version] : std::initializer_list<std::pair<std::uint32_t, int>>{
             {kloC_Traction_TypeId, 891}, {kloC_TractionState_TypeId, 409}, {kloC_SurfaceTraction_TypeId, 409},
             {kloC_ShellEdgeLoad_TypeId, 414}, {kloC_CoriolisForce_TypeId, 824}, {kloC_ConnectorForce_TypeId, 860},
             {kloC_ConnectorMoment_TypeId, 860}, {kloC_PipePressure_TypeId, 203}})
        EXPECT_EQ(cls_MetadataRegistrar::Find(id)->Version(), version) << std::hex << id;
}

}  // namespace every_load_type
