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
        {kprC_AnalysisStep_TypeId, kprC_StaticStep_TypeId, true}, {kprC_Step_TypeId, kprC_StaticStep_TypeId, true},
        {kprC_InitialStep_TypeId, kprC_StaticStep_TypeId, false},
        {kprC_AnalysisStep_TypeId, kprC_InitialStep_TypeId, false},
        {kprC_StepRepositoryBase_TypeId, kprC_StepContainer_TypeId, true},
        {mdl_Repository_TypeId, kprC_StepContainer_TypeId, true},
        {kprC_PrimaryControls_TypeId, kprC_CTEControls_TypeId, true},
        {kprC_TypicalControls_TypeId, kprC_CTEControls_TypeId, false},
        {kloC_Pressure_TypeId, kloC_PipePressure_TypeId, true}, {kloC_Load_TypeId, kloC_PipePressure_TypeId, true},
        {kloC_Traction_TypeId, kloC_ShellEdgeLoad_TypeId, true}, {kloC_Vector_TypeId, kloC_CoriolisForce_TypeId, false},
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
        {0x023C0001, 0, 1, "kprC_Procedure"}, {0x023C0004, 7, 0x023C0001, "kprC_GeneralProcedure"},
        {0x023C001B, 0, 0x023C0004, "kprC_Static"}, {0x023C0010, 0, 0x023C0003, "kprC_Frequency"},
        {0x023C0027, 7, 1, "kprC_DdbStep"}, {0x023C002F, 7, 0x000A0001, "kprC_StepRepositoryBase"},
        {0x023C005D, 7, 0x000A0001, "kprC_TimePointCont"}, {0x023C0084, 7, 0x023C0081, "kprC_DispAdptMeshConsState"},
        {0x0288001C, 7, 0x02880008, "kloC_PipePressure"}, {0x0288005A, 7, kloC_Scalar_TypeId, "kloC_CoriolisForce"},
        {0x02680010, 7, 0x000A000D, "kadC_AdptMeshCtrlWrapper"}, {0x02DC0002, 7, 0x000A0001, "klcC_LoadCaseCont"},
        {0x023C0009, 7, 0x023C0004, "kprC_ExplicitDynamics"}, {0x023C0082, 7, 1, "kprC_StateQuad"},
        {0x0288004D, 7, 1, "kloC_LoadContainerIMPLSC"}, {0x0288004E, 7, 1, "kloC_LoadContainerShortcut"},
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
    std::string name;  // without the module prefix
    unsigned id;
};

// Classes at consecutive identifiers from each run's first, one per blank-separated name;
// a "-" marks an index that holds no class of the run.
std::vector<ClassId> Runs(std::initializer_list<std::pair<unsigned, std::string_view>> runs) {
    std::vector<ClassId> out;
    for (auto [id, names] : runs)
        for (std::size_t at = 0; at < names.size(); ++id) {
            auto const end = std::min(names.find(' ', at), names.size());
            if (names.substr(at, end - at) != "-") out.push_back({std::string(names.substr(at, end - at)), id});
            at = end + 1;
        }
    return out;
}
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
    {"ConcentratedForce", 0x2880047, "Concentrated force"}, {"Moment", 0x2880018, "Moment"},
    {"Pressure", 0x2880008, "Pressure"}, {"SurfaceTraction", 0x2880055, "Surface traction"},
    {"ShellEdgeLoad", 0x2880057, "Shell edge load"}, {"LineLoad", 0x288001a, "Line load"},
    {"PipePressure", 0x288001c, "Pipe pressure"}, {"BodyForce", 0x288001e, "Body force"},
    {"Gravity", 0x2880020, "Gravity"}, {"PEGLoad", 0x2880022, "Generalized plane strain"},
    {"BoltLoad", 0x2880024, "Bolt load"}, {"RotationalBodyForce", 0x2880014, "Rotational body force"},
    {"CoriolisForce", 0x288005a, "Coriolis force"}, {"ConnectorForce", 0x288000e, "Connector force"},
    {"ConnectorMoment", 0x2880049, "Connector moment"}, {"InertiaRelief", 0x288004b, "Inertia relief"},
    {"PressurePenetration", 0x2880012, "Pressure penetration (NYI)"},
    {"ConcentratedHeatFlux", 0x2880026, "Concentrated heat flux"}, {"SurfaceHeatFlux", 0x2880045, "Surface heat flux"},
    {"BodyHeatFlux", 0x2880028, "Body heat flux"}, {"ConcentratedPoreFluid", 0x288002a, "Concentrated pore fluid"},
    {"SurfacePoreFluid", 0x288002c, "Surface pore fluid"}, {"HydroFluidFlow", 0x288002e, "Hydrostatic fluid flux"},
    {"ConcentratedCharge", 0x2880030, "Concentrated charge"}, {"SurfaceCharge", 0x2880034, "Surface charge"},
    {"BodyCharge", 0x2880038, "Body charge"}, {"ConcentratedCurrent", 0x2880032, "Concentrated current"},
    {"SurfaceCurrent", 0x2880036, "Surface current"}, {"BodyCurrent", 0x288003a, "Body current"},
    {"ConcentratedConcentrationFlux", 0x288003c, "Concentrated concentration flux"},
    {"SurfaceConcentrationFlux", 0x288003e, "Surface concentration flux"},
    {"BodyConcentrationFlux", 0x2880040, "Body concentration flux"},
    {"InwardVolAccel", 0x2880042, "Inward volume acceleration"},
};
}  // namespace

TEST_F(ModuleFrame, ProceduresClassIdsAreFixed) {
    kloC_initialize(count);
    CheckClassIds("kprC_", kprC_ModuleNumber, kprC_ClassTable(), Constants{KPRC_CLASSES(TST_KPRC)}, Runs({
        // Retired procedure classes, kept for reading old models.
        {0x23C0001, "Procedure StepNameProcedurePair PerturbationProcedure GeneralProcedure Anneal Buckle "
         "CoupledTempDisplacement CoupledThermalElectric ExplicitDynamics - RetainedDofs"},
        {0x23C0010, "Frequency Geostatic HeatTransfer ImplicitDynamics MassDiffusion ModalDynamics - RandomResponse - "
         "ResponseSpectrum Soils Static StaticRiks StaticLinearPerturbation - SteadyStateDirect - SteadyStateModal "
         "SubspaceDynamics UsaAddedMassGeneration Visco MassScaling DynamicTempDisplacement DdbStep DdbInitialStep "
         "DdbAnalysisStep"},
        // Steps, their container, records and controls.
        {0x23C002A, "StepContainer SubstructureGenerate Step InitialStep AnalysisStep StepRepositoryBase Restart "
         "StandardRestart ExplicitRestart DiagnosticPrint StandardDiagnosticPrint ExplicitDiagnosticPrint "
         "PerturbationDiagnosticPrint Monitor StandardMonitor ExplicitMonitor Controls PrimaryControls "
         "InactiveControls LinearCtrl ContactControls ExplicitContactControls StandardContactControls TypicalControls "
         "CTDControls PoreControls MassDiffusionControls HeatTransferControls CTEControls ElectricalControls "
         "ComplexFrequency StepIMPLSC StepShortcut StepInStepContainerShortcut StepContainerIMPLSC "
         "StepContainerShortcut StepContainerInModelShortcut SCWrapper"},
        // Damping and frequency ranges, time points, response spectrum components.
        {0x23C0053, "SteadyStateSubspace DirectDampingByFrequency DirectDampingByFrequencyComponent "
         "RayleighDampingByFrequency RayleighDampingByFrequencyComponent StructuralDampingByFrequency "
         "StructuralDampingByFrequencyComponent StructuralDampingComponent - TimePoint TimePointCont "
         "SteadyStateDirectFrequency SteadyStateModalFrequency SteadyStateSubspaceFrequency RandomResponseFrequency "
         "ResponseSpectrumComponent"},
        // The procedure steps: their identifiers are the procedure type codes.
        {0x23C0065, "AnnealStep BuckleStep CoupledTempDisplacementStep CoupledThermalElectricStep "
         "ExplicitDynamicsStep FrequencyStep GeostaticStep HeatTransferStep ImplicitDynamicsStep MassDiffusionStep "
         "ModalDynamicsStep RandomResponseStep ResponseSpectrumStep SoilsStep StaticStep StaticRiksStep "
         "StaticLinearPerturbationStep SteadyStateDirectStep SteadyStateModalStep SubspaceDynamicsStep "
         "UsaAddedMassGenerationStep ViscoStep TempDisplacementDynamicsStep SubstructureGenerateStep "
         "ComplexFrequencyStep SteadyStateSubspaceStep"},
        // Adaptive mesh constraints.
        {0x23C007F, "AdptMeshCons AdptMeshConsCont AdptMeshConsState StateQuad DispAdptMeshCons DispAdptMeshConsState "
         "VelAdptMeshCons VelAdptMeshConsState"},
        // Damping.
        {0x23C0087, "DirectDamping DirectDampingComponent CompositeDamping CompositeDampingComponent RayleighDamping "
         "RayleighDampingComponent StructuralDamping"},
    }));
}

TEST_F(ModuleFrame, LoadsClassIdsAreFixed) {
    kloC_initialize(count);
    std::vector<ClassId> ids = Runs({
        // Each "-" is a load type, followed by its state, except the last index's Coriolis force.
        {0x2880001, "Load LoadState Vector VectorState Scalar ScalarState Distributed - PressureState "
         "DistributedState Traction TractionState LoadContainer - ConnectorForceState StateQuad PropAttrBoltMethod - "
         "PressurePenetrationState - RotationalBodyForceState"},
        {0x2880019, "MomentState - LineLoadState - PipePressureState - BodyForceState - GravityState - PEGLoadState - "
         "BoltLoadState - ConcentratedHeatFluxState - BodyHeatFluxState - ConcentratedPoreFluidState - "
         "SurfacePoreFluidState - HydroFluidFlowState - ConcentratedChargeState - ConcentratedCurrentState - "
         "SurfaceChargeState - SurfaceCurrentState - BodyChargeState - BodyCurrentState - "
         "ConcentratedConcentrationFluxState - SurfaceConcentrationFluxState - BodyConcentrationFluxState - "
         "InwardVolAccelState - - SurfaceHeatFluxState - ConcentratedForceState - ConnectorMomentState - "
         "InertiaReliefState LoadContainerIMPLSC LoadContainerShortcut LoadContainerInModelShortcut "
         "LoadInLoadContainerShortcut"},
        {0x2880056, "SurfaceTractionState - ShellEdgeLoadState CoriolisForceState"},
    });
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

// The map holds every load's label, and the library's finalisation destroys it.
TEST_F(ModuleFrame, LoadTypeLabelMapGivesEveryLoadItsLabel) {
    kloC_initialize(count);
    auto const& map = kloC_LoadTypeLabelMap::Instance();
    EXPECT_EQ(map.Labels().size(), 33u);
    for (auto const& t : loadTypes) EXPECT_EQ(map.Label(t.id), t.label) << t.name;
    EXPECT_EQ(map.Label(kloC_Load_TypeId), "");  // abstract classes have no label
    EXPECT_EQ(map.Label(0x023C0073), "");
    for (auto const& [id, label] : map.Labels()) EXPECT_EQ(typ_ModuleOf(id), kloC_ModuleNumber) << label;
    kloC_finalize(count);
    EXPECT_FALSE(kloC_LoadTypeLabelMap::Exists());
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
