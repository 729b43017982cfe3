#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <latch>
#include <set>
#include <thread>

#include "module/datum/dtmC_Module.h"
#include "module/datum/dtmC_TypeIds.h"
#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "module/kad/kadC_Module.h"
#include "module/kad/kadC_TypeIds.h"
#include "module/klc/klcC_Module.h"
#include "module/klc/klcC_TypeIds.h"
#include "module/klo/kloC_Module.h"
#include "module/klo/kloC_TypeIds.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/kprC_Module.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/ddr/ddr_Model.h"
#include "platform/ini/ini_Modules.h"
#include "platform/nex/nex_DynamicCast.h"
#include "platform/typ/typ_ArchCompTable.h"

namespace {
cow_List<cow_String> const startOrder = {
    "mem_initialize",  "typ_initialize",  "thr_initialize",  "omni_initialize", "atr_initialize",
    "cow_initialize",  "nex_initialize",  "omu_initialize",  "gsl_initialize",  "mdl_initialize",
    "rfm_initialize",  "rom_initialize",  "dbc_initialize",  "dtmC_initialize", "ddr_initialize",
    "rgnC_initialize", "klcC_initialize", "kadC_initialize", "kprC_initialize", "kloC_initialize"};

cow_List<cow_String> const modelKeys = {"adaptiveMeshConstraints", "adaptiveMeshControls", "loads", "steps", "timePoints"};

// Every test starts and ends with the library down.
class ModuleFrame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ini_Modules::Calls("kloC"), 0);
        ini_Modules::ClearJournal();
    }
    void TearDown() override {
        while (ini_Modules::Calls("kloC") > 0) kloC_finalize(count);
    }
    int count = 3;
};
}  // namespace

TEST_F(ModuleFrame, NestedInitialisationIsCountedAndTheLastFinalisationUndoesItInReverse) {
    kloC_initialize(count);
    int const up = count;
    EXPECT_EQ(up, 3 + static_cast<int>(startOrder.size()));
    kloC_initialize(count);
    EXPECT_EQ(count, up);
    EXPECT_EQ(ini_Modules::Journal(), startOrder);  // the second call did no work

    kloC_finalize(count);
    EXPECT_EQ(count, up);
    EXPECT_EQ(ini_Modules::Calls("kloC"), 1);
    EXPECT_EQ(ddr_Model().ExtensionKeys(), modelKeys);
    EXPECT_TRUE(typ_ArchCompTable::HasModule(kprC_ModuleNumber));

    ini_Modules::ClearJournal();
    kloC_finalize(count);
    EXPECT_EQ(count, 3);
    for (auto const* module : {"kloC", "kprC", "kadC", "klcC", "dtmC", "typ", "mem"}) EXPECT_EQ(ini_Modules::Calls(module), 0) << module;
    cow_List<cow_String> reversed;
    for (auto it = startOrder.rbegin(); it != startOrder.rend(); ++it) reversed.push_back(it->substr(0, it->find('_')) + "_finalize");
    EXPECT_EQ(ini_Modules::Journal(), reversed);
}

TEST_F(ModuleFrame, AModuleStartedByTheHostStaysUpAfterTheLibraryGoesDown) {
    kprC_initialize(count);
    kloC_initialize(count);
    kloC_finalize(count);
    EXPECT_EQ(ini_Modules::Calls("kprC"), 1);
    EXPECT_EQ(ddr_Model().ExtensionKeys(), (cow_List<cow_String>{"adaptiveMeshConstraints", "steps", "timePoints"}));
    kprC_finalize(count);
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(ddr_Model().ExtensionKeys().empty());
}

TEST_F(ModuleFrame, ANewModelHoldsTheFiveContainersWhileTheLibraryIsUp) {
    kloC_initialize(count);
    ddr_Model model;
    EXPECT_EQ(model.ExtensionKeys(), modelKeys);
    EXPECT_EQ(model.Extension<kprC_StepContainer>(ddr_Model::stepCmd()).DynTypeId(), 0x023C002Au);
    EXPECT_EQ(model.Extension<kprC_TimePointCont>(ddr_Model::timePointCmd()).DynTypeId(), 0x023C005Du);
    EXPECT_NO_THROW(model.Extension<kprC_AdptMeshConsCont>(ddr_Model::adaptiveMeshConstraintCmd()));
    EXPECT_NO_THROW(model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd()));
    EXPECT_EQ(model.Extension<kadC_AdptMeshCtrlCont>(ddr_Model::adaptiveMeshControlCmd()).DynTypeId(), 0x02680003u);
    EXPECT_THROW(model.Extension<kprC_StepContainer>(ddr_Model::loadCmd()), nex_AssertException);
    kloC_finalize(count);
    EXPECT_TRUE(ddr_Model().ExtensionKeys().empty());
}

TEST_F(ModuleFrame, ChecksCastAlongTheClassTables) {
    kloC_initialize(count);
    struct Case {
        unsigned target, object;
        bool ok;
    } const cases[] = {
        {kprC_AnalysisStep_TypeId, kprC_StaticStep_TypeId, true},
        {kprC_Step_TypeId, kprC_StaticStep_TypeId, true},
        {kprC_InitialStep_TypeId, kprC_StaticStep_TypeId, false},
        {kprC_AnalysisStep_TypeId, kprC_InitialStep_TypeId, false},
        {kprC_StepRepositoryBase_TypeId, kprC_StepContainer_TypeId, true},
        {mdl_Repository_TypeId, kprC_StepContainer_TypeId, true},
        {kprC_PrimaryControls_TypeId, kprC_CTEControls_TypeId, true},
        {kprC_TypicalControls_TypeId, kprC_CTEControls_TypeId, false},
        {kloC_Pressure_TypeId, kloC_PipePressure_TypeId, true},
        {kloC_Load_TypeId, kloC_PipePressure_TypeId, true},
        {kloC_Traction_TypeId, kloC_ShellEdgeLoad_TypeId, true},
        {kloC_Vector_TypeId, kloC_CoriolisForce_TypeId, false},
        {mdl_ExtensionWrapper_TypeId, kadC_AdptMeshCtrlWrapper_TypeId, true},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.object << " to " << c.target);
        EXPECT_EQ(nex_canDynamicCastPtr(c.target, c.object), c.ok);
        if (!c.ok) {
            EXPECT_THROW(nex_canDynamicCastRef(c.target, c.object, __FILE__, __LINE__), nex_AssertException);
        }
    }
    kloC_finalize(count);
    EXPECT_FALSE(nex_canDynamicCastPtr(kprC_AnalysisStep_TypeId, kprC_StaticStep_TypeId));
}

namespace {
struct Table {
    char const* prefix;
    unsigned module, size;
    typ_ArchCompEntry (*entries)();
};
Table const tables[] = {
    {"kprC_", kprC_ModuleNumber, 143, kprC_ClassTable}, {"kloC_", kloC_ModuleNumber, 91, kloC_ClassTable},
    {"kadC_", kadC_ModuleNumber, 17, kadC_ClassTable},  {"klcC_", klcC_ModuleNumber, 8, klcC_ClassTable},
    {"dtmC_", dtmC_ModuleNumber, 2, dtmC_ClassTable},
};
}  // namespace

TEST_F(ModuleFrame, ClassTablesAreWellFormed) {
    kloC_initialize(count);
    std::set<std::string> names;
    for (auto const& t : tables) {
        SCOPED_TRACE(t.prefix);
        typ_ArchCompEntry const entry = t.entries();
        ASSERT_EQ(entry.count, t.size);
        EXPECT_EQ(entry.table[0].kind, typ_KindReserved);
        EXPECT_EQ(entry.table[0].name, nullptr);
        for (unsigned index = 1; index < entry.count; ++index) {
            typ_Entry const& e = entry.table[index];
            unsigned const id = typ_MakeId(t.module, index);
            if (e.kind == typ_KindClass) {
                EXPECT_NE(e.name, nullptr) << std::hex << id;
            }
            if (!e.name) continue;
            EXPECT_TRUE(std::string(e.name).starts_with(t.prefix)) << e.name;
            EXPECT_TRUE(names.insert(e.name).second) << e.name;
            // The chain ends at 1 or at a platform class within as many steps as there are entries.
            unsigned parent = e.parent, steps = 0;
            while (parent != typ_NoParent && typ_ModuleOf(parent) != 0x000A && ++steps < 300) {
                typ_Entry const* p = typ_ArchCompTable::Entry(parent);
                ASSERT_NE(p, nullptr) << e.name << " has parent 0x" << std::hex << parent;
                ASSERT_NE(p->name, nullptr) << e.name << " derives from a reserved index";
                parent = p->parent;
            }
            EXPECT_LT(steps, 300u) << e.name;
            if (parent != typ_NoParent) {
                EXPECT_NE(typ_ArchCompTable::Entry(parent), nullptr) << e.name;
            }
        }
    }
}

// Every registered class has its class-table entry under the same name, as a current
// class, and its metadata's base is the entry's parent.
TEST_F(ModuleFrame, EveryRegisteredClassHasItsClassTableEntry) {
    kloC_initialize(count);
    auto const all = cls_MetadataRegistrar::Registrar().All();
    EXPECT_GT(all.size(), 60u);
    for (auto const& [id, md] : all) {
        SCOPED_TRACE(md->Name());
        typ_Entry const* e = typ_ArchCompTable::Entry(id);
        ASSERT_NE(e, nullptr);
        ASSERT_NE(e->name, nullptr);
        EXPECT_EQ(std::string(e->name), md->Name());
        EXPECT_EQ(e->kind, typ_KindClass);
        // The model-extension wrappers keep no stored level of their platform base.
        if (e->parent != mdl_ExtensionWrapper_TypeId) {
            EXPECT_EQ(e->parent, md->BaseId());
        }
    }
}

// The kinds and parents of entries, above all those of classes not registered (whose
// parents EveryRegisteredClassHasItsClassTableEntry cannot compare with a base).
TEST_F(ModuleFrame, ClassTablesCarryTheFixedIdentifiers) {
    struct Fixed {
        unsigned id, kind, parent;
        char const* name;
    } const fixed[] = {
        {0x023C0001, 0, 1, "kprC_Procedure"},
        {0x023C0004, 7, 0x023C0001, "kprC_GeneralProcedure"},
        {0x023C001B, 0, 0x023C0004, "kprC_Static"},
        {0x023C0010, 0, 0x023C0003, "kprC_Frequency"},
        {0x023C0027, 7, 1, "kprC_DdbStep"},
        {0x023C002F, 7, 0x000A0001, "kprC_StepRepositoryBase"},
        {0x023C005D, 7, 0x000A0001, "kprC_TimePointCont"},
        {0x023C0084, 7, 0x023C0081, "kprC_DispAdptMeshConsState"},
        {0x0288001C, 7, 0x02880008, "kloC_PipePressure"},
        {0x0288005A, 7, kloC_Scalar_TypeId, "kloC_CoriolisForce"},
        {0x02680010, 7, 0x000A000D, "kadC_AdptMeshCtrlWrapper"},
        {0x02DC0002, 7, 0x000A0001, "klcC_LoadCaseCont"},
        {0x023C0009, 7, 0x023C0004, "kprC_ExplicitDynamics"},
        {0x023C0082, 7, 1, "kprC_StateQuad"},
        {0x0288004D, 7, 1, "kloC_LoadContainerIMPLSC"},
        {0x0288004E, 7, 1, "kloC_LoadContainerShortcut"},
        {0x0288004F, 7, 0x0288004D, "kloC_LoadContainerInModelShortcut"},
        {0x02880050, 7, 1, "kloC_LoadInLoadContainerShortcut"},
        {0x02880059, 7, kloC_ScalarState_TypeId, "kloC_CoriolisForceState"},
    };
    kloC_initialize(count);
    for (auto const& f : fixed) {
        typ_Entry const* e = typ_ArchCompTable::Entry(f.id);
        ASSERT_NE(e, nullptr) << f.name;
        EXPECT_STREQ(e->name, f.name);
        EXPECT_EQ(e->kind, f.kind) << f.name;
        EXPECT_EQ(e->parent, f.parent) << f.name;
    }
    EXPECT_EQ(typ_ArchCompTable::Entry(0x023C008E)->name, nullptr);  // reserved end of the table
    EXPECT_EQ(typ_ArchCompTable::Entry(0x023C008F), nullptr);
}

// Every class of every module under its literal identifier. Stored models name classes
// by these numbers, so a class that moves to another index, or two classes that swap,
// must fail here. The identifiers of the procedure steps, retired procedures, controls,
// output records, load types and containers are the fixed ones; those of the shortcut
// and wrapper instances, the per-step records and the load states are this library's
// own choice, equally fixed once models are stored with them.
namespace {
struct ClassId {
    char const* name;  // without the module prefix
    unsigned id;
};
using Constants = std::map<std::string, unsigned>;

#define TST_KPRC(kind, name, index, parent) {#name, kprC_##name##_TypeId},
#define TST_KLOC(kind, name, index, parent) {#name, kloC_##name##_TypeId},
#define TST_KADC(kind, name, index, parent) {#name, kadC_##name##_TypeId},
#define TST_KLCC(kind, name, index, parent) {#name, klcC_##name##_TypeId},
#define TST_DTMC(kind, name, index, parent) {#name, dtmC_##name##_TypeId},

// The listed classes are exactly the named entries of the module's table and its
// constants, each at its literal identifier, and registered (when it is) under that id.
void CheckClassIds(std::string const& prefix, unsigned module, typ_ArchCompEntry const& entry,
                   Constants const& constants, std::vector<ClassId> const& ids) {
    std::set<std::string> listed;
    for (auto const& [name, id] : ids) {
        SCOPED_TRACE(prefix + name);
        EXPECT_TRUE(listed.insert(name).second) << "listed twice";
        EXPECT_EQ(typ_ModuleOf(id), module);
        auto constant = constants.find(name);
        ASSERT_NE(constant, constants.end()) << "no constant";
        EXPECT_EQ(constant->second, id) << std::hex << constant->second;
        ASSERT_LT(typ_IndexOf(id), entry.count);
        ASSERT_NE(entry.table[typ_IndexOf(id)].name, nullptr) << std::hex << id;
        EXPECT_EQ(entry.table[typ_IndexOf(id)].name, prefix + name) << std::hex << id;
        if (auto const* md = cls_MetadataRegistrar::Find(id)) {
            EXPECT_EQ(md->Name(), prefix + name) << std::hex << id;
        }
    }
    for (unsigned i = 1; i < entry.count; ++i)
        if (char const* name = entry.table[i].name) {
            EXPECT_TRUE(listed.contains(std::string(name).substr(prefix.size()))) << name << " is not listed";
        }
    EXPECT_EQ(constants.size(), ids.size());
    for (auto const& [id, md] : cls_MetadataRegistrar::Registrar().All())
        if (typ_ModuleOf(id) == module) {
            EXPECT_TRUE(listed.contains(md->Name().substr(prefix.size()))) << md->Name();
        }
}

// The 33 load types with their labels, the keys of the step compatibility lists.
struct LoadTypeId {
    char const* name;
    unsigned id;
    char const* label;
};
LoadTypeId const loadTypes[] = {
    {"ConcentratedForce", 0x2880047, "Concentrated force"},
    {"Moment", 0x2880018, "Moment"},
    {"Pressure", 0x2880008, "Pressure"},
    {"SurfaceTraction", 0x2880055, "Surface traction"},
    {"ShellEdgeLoad", 0x2880057, "Shell edge load"},
    {"LineLoad", 0x288001a, "Line load"},
    {"PipePressure", 0x288001c, "Pipe pressure"},
    {"BodyForce", 0x288001e, "Body force"},
    {"Gravity", 0x2880020, "Gravity"},
    {"PEGLoad", 0x2880022, "Generalized plane strain"},
    {"BoltLoad", 0x2880024, "Bolt load"},
    {"RotationalBodyForce", 0x2880014, "Rotational body force"},
    {"CoriolisForce", 0x288005a, "Coriolis force"},
    {"ConnectorForce", 0x288000e, "Connector force"},
    {"ConnectorMoment", 0x2880049, "Connector moment"},
    {"InertiaRelief", 0x288004b, "Inertia relief"},
    {"PressurePenetration", 0x2880012, "Pressure penetration (NYI)"},
    {"ConcentratedHeatFlux", 0x2880026, "Concentrated heat flux"},
    {"SurfaceHeatFlux", 0x2880045, "Surface heat flux"},
    {"BodyHeatFlux", 0x2880028, "Body heat flux"},
    {"ConcentratedPoreFluid", 0x288002a, "Concentrated pore fluid"},
    {"SurfacePoreFluid", 0x288002c, "Surface pore fluid"},
    {"HydroFluidFlow", 0x288002e, "Hydrostatic fluid flux"},
    {"ConcentratedCharge", 0x2880030, "Concentrated charge"},
    {"SurfaceCharge", 0x2880034, "Surface charge"},
    {"BodyCharge", 0x2880038, "Body charge"},
    {"ConcentratedCurrent", 0x2880032, "Concentrated current"},
    {"SurfaceCurrent", 0x2880036, "Surface current"},
    {"BodyCurrent", 0x288003a, "Body current"},
    {"ConcentratedConcentrationFlux", 0x288003c, "Concentrated concentration flux"},
    {"SurfaceConcentrationFlux", 0x288003e, "Surface concentration flux"},
    {"BodyConcentrationFlux", 0x2880040, "Body concentration flux"},
    {"InwardVolAccel", 0x2880042, "Inward volume acceleration"},
};
}  // namespace

TEST_F(ModuleFrame, ProceduresClassIdsAreFixed) {
    kloC_initialize(count);
    CheckClassIds("kprC_", kprC_ModuleNumber, kprC_ClassTable(), Constants{KPRC_CLASSES(TST_KPRC)}, {
        // Retired procedure classes, kept for reading old models.
        {"Procedure", 0x23C0001}, {"StepNameProcedurePair", 0x23C0002}, {"PerturbationProcedure", 0x23C0003},
        {"GeneralProcedure", 0x23C0004}, {"Anneal", 0x23C0005}, {"Buckle", 0x23C0006},
        {"CoupledTempDisplacement", 0x23C0007}, {"CoupledThermalElectric", 0x23C0008}, {"ExplicitDynamics", 0x23C0009},
        {"RetainedDofs", 0x23C000B}, {"Frequency", 0x23C0010}, {"Geostatic", 0x23C0011}, {"HeatTransfer", 0x23C0012},
        {"ImplicitDynamics", 0x23C0013}, {"MassDiffusion", 0x23C0014}, {"ModalDynamics", 0x23C0015},
        {"RandomResponse", 0x23C0017}, {"ResponseSpectrum", 0x23C0019}, {"Soils", 0x23C001A}, {"Static", 0x23C001B},
        {"StaticRiks", 0x23C001C}, {"StaticLinearPerturbation", 0x23C001D}, {"SteadyStateDirect", 0x23C001F},
        {"SteadyStateModal", 0x23C0021}, {"SubspaceDynamics", 0x23C0022}, {"UsaAddedMassGeneration", 0x23C0023},
        {"Visco", 0x23C0024}, {"MassScaling", 0x23C0025}, {"DynamicTempDisplacement", 0x23C0026},
        {"DdbStep", 0x23C0027}, {"DdbInitialStep", 0x23C0028}, {"DdbAnalysisStep", 0x23C0029},
        {"SubstructureGenerate", 0x23C002B}, {"ComplexFrequency", 0x23C0048}, {"SteadyStateSubspace", 0x23C0053},
        // Steps, their container and records.
        {"StepContainer", 0x23C002A}, {"Step", 0x23C002C}, {"InitialStep", 0x23C002D}, {"AnalysisStep", 0x23C002E},
        {"StepRepositoryBase", 0x23C002F}, {"Restart", 0x23C0030}, {"StandardRestart", 0x23C0031},
        {"ExplicitRestart", 0x23C0032}, {"DiagnosticPrint", 0x23C0033}, {"StandardDiagnosticPrint", 0x23C0034},
        {"ExplicitDiagnosticPrint", 0x23C0035}, {"PerturbationDiagnosticPrint", 0x23C0036}, {"Monitor", 0x23C0037},
        {"StandardMonitor", 0x23C0038}, {"ExplicitMonitor", 0x23C0039}, {"Controls", 0x23C003A},
        {"PrimaryControls", 0x23C003B}, {"InactiveControls", 0x23C003C}, {"LinearCtrl", 0x23C003D},
        {"ContactControls", 0x23C003E}, {"ExplicitContactControls", 0x23C003F},
        {"StandardContactControls", 0x23C0040}, {"TypicalControls", 0x23C0041},
        {"CTDControls", 0x23C0042}, {"PoreControls", 0x23C0043}, {"MassDiffusionControls", 0x23C0044},
        {"HeatTransferControls", 0x23C0045}, {"CTEControls", 0x23C0046}, {"ElectricalControls", 0x23C0047},
        {"StepIMPLSC", 0x23C0049}, {"StepShortcut", 0x23C004A}, {"StepInStepContainerShortcut", 0x23C004B},
        {"StepContainerIMPLSC", 0x23C004C}, {"StepContainerShortcut", 0x23C004D},
        {"StepContainerInModelShortcut", 0x23C004E}, {"SCWrapper", 0x23C004F}, {"TimePoint", 0x23C005C},
        {"TimePointCont", 0x23C005D},
        // The procedure steps: their identifiers are the procedure type codes.
        {"AnnealStep", 0x23C0065}, {"BuckleStep", 0x23C0066}, {"CoupledTempDisplacementStep", 0x23C0067},
        {"CoupledThermalElectricStep", 0x23C0068}, {"ExplicitDynamicsStep", 0x23C0069}, {"FrequencyStep", 0x23C006A},
        {"GeostaticStep", 0x23C006B}, {"HeatTransferStep", 0x23C006C}, {"ImplicitDynamicsStep", 0x23C006D},
        {"MassDiffusionStep", 0x23C006E}, {"ModalDynamicsStep", 0x23C006F}, {"RandomResponseStep", 0x23C0070},
        {"ResponseSpectrumStep", 0x23C0071}, {"SoilsStep", 0x23C0072}, {"StaticStep", 0x23C0073},
        {"StaticRiksStep", 0x23C0074}, {"StaticLinearPerturbationStep", 0x23C0075}, {"SteadyStateDirectStep", 0x23C0076},
        {"SteadyStateModalStep", 0x23C0077}, {"SubspaceDynamicsStep", 0x23C0078},
        {"UsaAddedMassGenerationStep", 0x23C0079}, {"ViscoStep", 0x23C007A}, {"TempDisplacementDynamicsStep", 0x23C007B},
        {"SubstructureGenerateStep", 0x23C007C}, {"ComplexFrequencyStep", 0x23C007D},
        {"SteadyStateSubspaceStep", 0x23C007E},
        // Adaptive mesh constraints.
        {"AdptMeshCons", 0x23C007F}, {"AdptMeshConsCont", 0x23C0080}, {"AdptMeshConsState", 0x23C0081},
        {"StateQuad", 0x23C0082}, {"DispAdptMeshCons", 0x23C0083}, {"DispAdptMeshConsState", 0x23C0084},
        {"VelAdptMeshCons", 0x23C0085}, {"VelAdptMeshConsState", 0x23C0086},
        // Damping, frequency ranges and response spectrum components.
        {"DirectDampingByFrequency", 0x23C0054}, {"DirectDampingByFrequencyComponent", 0x23C0055},
        {"RayleighDampingByFrequency", 0x23C0056}, {"RayleighDampingByFrequencyComponent", 0x23C0057},
        {"StructuralDampingByFrequency", 0x23C0058}, {"StructuralDampingByFrequencyComponent", 0x23C0059},
        {"StructuralDampingComponent", 0x23C005A}, {"SteadyStateDirectFrequency", 0x23C005E},
        {"SteadyStateModalFrequency", 0x23C005F}, {"SteadyStateSubspaceFrequency", 0x23C0060},
        {"RandomResponseFrequency", 0x23C0061}, {"ResponseSpectrumComponent", 0x23C0062},
        {"DirectDamping", 0x23C0087}, {"DirectDampingComponent", 0x23C0088}, {"CompositeDamping", 0x23C0089},
        {"CompositeDampingComponent", 0x23C008A}, {"RayleighDamping", 0x23C008B},
        {"RayleighDampingComponent", 0x23C008C}, {"StructuralDamping", 0x23C008D},
    });
}

TEST_F(ModuleFrame, LoadsClassIdsAreFixed) {
    kloC_initialize(count);
    std::vector<ClassId> ids = {
        {"Load", 0x2880001}, {"LoadState", 0x2880002}, {"Vector", 0x2880003}, {"VectorState", 0x2880004},
        {"Scalar", 0x2880005}, {"ScalarState", 0x2880006}, {"Distributed", 0x2880007}, {"PressureState", 0x2880009},
        {"DistributedState", 0x288000A}, {"Traction", 0x288000B}, {"TractionState", 0x288000C},
        {"LoadContainer", 0x288000D}, {"StateQuad", 0x2880010}, {"PropAttrBoltMethod", 0x2880011}, {"LoadContainerIMPLSC", 0x288004D},
        {"LoadContainerShortcut", 0x288004E}, {"LoadContainerInModelShortcut", 0x288004F},
        {"LoadInLoadContainerShortcut", 0x2880050},
        // Each load type's state follows its load, except the last index's Coriolis force.
        {"ConnectorForceState", 0x288000F}, {"PressurePenetrationState", 0x2880013},
        {"RotationalBodyForceState", 0x2880015}, {"MomentState", 0x2880019}, {"LineLoadState", 0x288001B},
        {"PipePressureState", 0x288001D}, {"BodyForceState", 0x288001F}, {"GravityState", 0x2880021},
        {"PEGLoadState", 0x2880023}, {"BoltLoadState", 0x2880025}, {"ConcentratedHeatFluxState", 0x2880027},
        {"BodyHeatFluxState", 0x2880029}, {"ConcentratedPoreFluidState", 0x288002B},
        {"SurfacePoreFluidState", 0x288002D}, {"HydroFluidFlowState", 0x288002F},
        {"ConcentratedChargeState", 0x2880031}, {"ConcentratedCurrentState", 0x2880033},
        {"SurfaceChargeState", 0x2880035}, {"SurfaceCurrentState", 0x2880037}, {"BodyChargeState", 0x2880039},
        {"BodyCurrentState", 0x288003B}, {"ConcentratedConcentrationFluxState", 0x288003D},
        {"SurfaceConcentrationFluxState", 0x288003F}, {"BodyConcentrationFluxState", 0x2880041},
        {"InwardVolAccelState", 0x2880043}, {"SurfaceHeatFluxState", 0x2880046},
        {"ConcentratedForceState", 0x2880048}, {"ConnectorMomentState", 0x288004A},
        {"InertiaReliefState", 0x288004C}, {"SurfaceTractionState", 0x2880056}, {"ShellEdgeLoadState", 0x2880058},
        {"CoriolisForceState", 0x2880059},
    };
    for (auto const& t : loadTypes) ids.push_back({t.name, t.id});
    CheckClassIds("kloC_", kloC_ModuleNumber, kloC_ClassTable(), Constants{KLOC_CLASSES(TST_KLOC)}, ids);
}

TEST_F(ModuleFrame, AdaptiveMeshLoadCaseAndDatumClassIdsAreFixed) {
    kloC_initialize(count);
    CheckClassIds("kadC_", kadC_ModuleNumber, kadC_ClassTable(), Constants{KADC_CLASSES(TST_KADC)},
                  {{"AdptMeshCtrl", 0x2680001}, {"AdptMeshDomain", 0x2680002}, {"AdptMeshCtrlCont", 0x2680003},
                   {"AdptMeshDomainCont", 0x2680004}, {"AdptMeshCtrlWrapper", 0x2680010}});
    CheckClassIds("klcC_", klcC_ModuleNumber, klcC_ClassTable(), Constants{KLCC_CLASSES(TST_KLCC)},
                  {{"LoadCase", 0x2DC0001}, {"LoadCaseCont", 0x2DC0002}});
    CheckClassIds("dtmC_", dtmC_ModuleNumber, dtmC_ClassTable(), Constants{DTMC_CLASSES(TST_DTMC)},
                  {{"DatumRef", 0x2480001}});
}

TEST_F(ModuleFrame, LoadTypeLabelMapGivesEveryLoadItsLabel) {
    auto const& map = kloC_LoadTypeLabelMap::Instance();
    EXPECT_EQ(map.Labels().size(), 33u);
    for (auto const& t : loadTypes) EXPECT_EQ(map.Label(t.id), t.label) << t.name;
    EXPECT_EQ(map.Label(kloC_Load_TypeId), "");  // abstract classes have no label
    EXPECT_EQ(map.Label(0x023C0073), "");
    for (auto const& [id, label] : map.Labels()) EXPECT_EQ(typ_ModuleOf(id), kloC_ModuleNumber) << label;
    kloC_LoadTypeLabelMap::Finalize();
}

TEST_F(ModuleFrame, LoadTypeLabelMapIsCreatedOnceWhenThreadsRaceForIt) {
    kloC_LoadTypeLabelMap::Finalize();
    for (int round = 0; round < 20; ++round) {
        constexpr int threads = 8;
        std::latch start(threads);
        kloC_LoadTypeLabelMap const* seen[threads] = {};
        std::vector<std::thread> pool;
        for (int i = 0; i < threads; ++i)
            pool.emplace_back([&, i] {
                start.arrive_and_wait();
                seen[i] = &kloC_LoadTypeLabelMap::Instance();
            });
        for (auto& t : pool) t.join();
        EXPECT_TRUE(std::all_of(seen, seen + threads, [&](auto* p) { return p == seen[0]; })) << "round " << round;
        EXPECT_EQ(seen[0]->Labels().size(), 33u);
        kloC_LoadTypeLabelMap::Finalize();
    }
}

TEST_F(ModuleFrame, FinalisationDestroysTheLoadTypeLabelMap) {
    kloC_initialize(count);
    kloC_LoadTypeLabelMap::Instance();
    kloC_finalize(count);
    EXPECT_FALSE(kloC_LoadTypeLabelMap::Exists());
}
