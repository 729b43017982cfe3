#include <gtest/gtest.h>

#include <algorithm>
#include <latch>
#include <set>
#include <thread>

#include "module/datum/dtmC_Module.h"
#include "module/datum/dtmC_TypeIds.h"
#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "module/kad/kadC_Module.h"
#include "module/klc/klcC_Module.h"
#include "module/klc/klcC_TypeIds.h"
#include "module/klo/kloC_Module.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/kprC_Module.h"
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

TEST_F(ModuleFrame, NestedInitialisationIsCountedAndUndoneByTheLastFinalisation) {
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

    kloC_finalize(count);
    EXPECT_EQ(count, 3);
    for (auto const* module : {"kloC", "kprC", "kadC", "klcC", "dtmC", "typ", "mem"}) EXPECT_EQ(ini_Modules::Calls(module), 0) << module;
}

TEST_F(ModuleFrame, FinalisationRunsInExactlyTheReverseOrder) {
    kloC_initialize(count);
    EXPECT_EQ(ini_Modules::Journal(), startOrder);
    ini_Modules::ClearJournal();
    kloC_finalize(count);
    cow_List<cow_String> expected;
    for (auto it = startOrder.rbegin(); it != startOrder.rend(); ++it)
        expected.push_back(it->substr(0, it->find('_')) + "_finalize");
    EXPECT_EQ(ini_Modules::Journal(), expected);
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
        {0x023C002A, 7, 0x023C002F, "kprC_StepContainer"},
        {0x023C002D, 7, 0x023C002C, "kprC_InitialStep"},
        {0x023C002F, 7, 0x000A0001, "kprC_StepRepositoryBase"},
        {0x023C005D, 7, 0x000A0001, "kprC_TimePointCont"},
        {0x023C0073, 7, 0x023C002E, "kprC_StaticStep"},
        {0x023C0084, 7, 0x023C0081, "kprC_DispAdptMeshConsState"},
        {0x0288001C, 7, 0x02880008, "kloC_PipePressure"},
        {0x0288005A, 7, kloC_Scalar_TypeId, "kloC_CoriolisForce"},
        {0x02680010, 7, 0x000A000D, "kadC_AdptMeshCtrlWrapper"},
        {0x02DC0002, 7, 0x000A0001, "klcC_LoadCaseCont"},
        {0x02480001, 7, 1, "dtmC_DatumRef"},
        {0x023C0009, 7, 0x023C0004, "kprC_ExplicitDynamics"},
        {0x023C0082, 7, 1, "kprC_StateQuad"},
        {0x0288004D, 7, 1, "kloC_LoadContainerIMPLSC"},
        {0x0288004E, 7, 1, "kloC_LoadContainerShortcut"},
        {0x0288004F, 7, 0x0288004D, "kloC_LoadContainerInModelShortcut"},
        {0x02880050, 7, 1, "kloC_LoadInLoadContainerShortcut"},
        // A load's state follows its load, but the last index holds kloC_CoriolisForce.
        {0x02880048, 7, kloC_VectorState_TypeId, "kloC_ConcentratedForceState"},
        {0x02880059, 0, kloC_ScalarState_TypeId, "kloC_CoriolisForceState"},
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

TEST_F(ModuleFrame, LoadTypeLabelMapGivesEveryLoadItsLabel) {
    auto const& map = kloC_LoadTypeLabelMap::Instance();
    EXPECT_EQ(map.Labels().size(), 33u);
    EXPECT_EQ(map.Label(0x2880047), "Concentrated force");
    EXPECT_EQ(map.Label(0x2880022), "Generalized plane strain");
    EXPECT_EQ(map.Label(0x2880012), "Pressure penetration (NYI)");
    EXPECT_EQ(map.Label(0x288002e), "Hydrostatic fluid flux");
    EXPECT_EQ(map.Label(0x2880042), "Inward volume acceleration");
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
