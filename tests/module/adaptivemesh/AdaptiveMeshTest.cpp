// Adaptive mesh controls and domains: each rule at its edge and past it, NaN, the first
// violation winning, stored names and order, the map of controls and its older
// placeholder, and round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "module/kad/domains/kadC_AdptMeshDomain.h"
#include "module/klo/kloC_Module.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/dbs/dbs_Table.h"
#include "support/tst_Message.h"

namespace adaptive_mesh_test {

class AdaptiveMesh : public ::testing::Test {
protected:
    void SetUp() override { kloC_initialize(modules); }
    void TearDown() override { kloC_finalize(modules); }
    int modules = 0;
};

std::string AmMessage(std::function<void()> const& action) { return tst_MessageOf<nex_TextException>(action); }

// Writes `object` as the database's root and reads it back as a T.
template <class T>
std::shared_ptr<T> AmRoundTrip(cls_Persistent const& object, dbs_Database& db) {
    cls_WriteVisitor(db).WriteRoot("root", object);
    return cls_ReadVisitor(db).ReadRoot<T>("root");
}
using Ctrl = kadC_AdptMeshCtrl;
using Domain = kadC_AdptMeshDomain;

// One rule: the field it checks, values it accepts at its edges, values it refuses.
template <class C, class V>
struct AmRule {
    char const* field;
    std::function<void(C&, V)> set;
    std::vector<V> accepted, refused;
    std::string message;
};

// Each rule alone, then every pair broken at once: the earlier rule's message wins.
template <class C, class V>
void ExpectAmRules(std::vector<AmRule<C, V>> const& rules) {
    EXPECT_EQ(AmMessage([] { C().AssertValid(); }), "");
    for (std::size_t i = 0; i < rules.size(); ++i) {
        auto const& r = rules[i];
        for (V v : r.accepted) {
            C c;
            r.set(c, v);
            EXPECT_EQ(AmMessage([&] { c.AssertValid(); }), "") << r.field << " " << v;
        }
        for (V v : r.refused) {
            C c;
            r.set(c, v);
            EXPECT_EQ(AmMessage([&] { c.AssertValid(); }), r.message) << r.field << " " << v;
        }
        for (std::size_t j = i + 1; j < rules.size(); ++j) {
            C c;
            rules[j].set(c, rules[j].refused.front());
            r.set(c, r.refused.front());
            EXPECT_EQ(AmMessage([&] { c.AssertValid(); }), r.message) << r.field << " before " << rules[j].field;
        }
    }
}

#define AM_SET(C, field) [](C& c, auto v) { c.field(v); }
double const amNaN = std::numeric_limits<double>::quiet_NaN();
std::string const amAngle = " must be greater than or equal to zero and less than or equal to 180.";
std::string const amNonNegative = " must be greater than or equal to zero.";

TEST_F(AdaptiveMesh, ControlRulesInOrderAtTheirEdges) {
    ExpectAmRules<Ctrl, double>({
        {"initialFeatureAngle", AM_SET(Ctrl, initialFeatureAngle), {0.0, 180.0}, {180.5, -1e-9, amNaN},
         "Initial feature angle" + amAngle},
        {"transitionFeatureAngle", AM_SET(Ctrl, transitionFeatureAngle), {0.0, 180.0}, {180.5, -1.0, amNaN},
         "Transition feature angle" + amAngle},
        {"volumetricSmoothingWeight", AM_SET(Ctrl, volumetricSmoothingWeight), {0.0, 1e9}, {-1e-9, amNaN},
         "Volumetric smoothing weight" + amNonNegative},
        // The standard weight raises the volumetric weight's message.
        {"standardVolumetricSmoothingWeight", AM_SET(Ctrl, standardVolumetricSmoothingWeight), {0.0, 1.0},
         {-0.5, amNaN}, "Volumetric smoothing weight" + amNonNegative},
        {"laplacianSmoothingWeight", AM_SET(Ctrl, laplacianSmoothingWeight), {0.0, 1.0}, {-0.5, amNaN},
         "Laplacian smoothing weight" + amNonNegative},
        {"equipotentialSmoothingWeight", AM_SET(Ctrl, equipotentialSmoothingWeight), {0.0, 1.0}, {-0.5, amNaN},
         "Equipotential smoothing weight" + amNonNegative},
        {"originalConfigurationProjectionWeight", AM_SET(Ctrl, originalConfigurationProjectionWeight), {0.0, 2.0},
         {-0.5, amNaN}, "Original configuration projection weight" + amNonNegative},
        {"meshConstraintAngle", AM_SET(Ctrl, meshConstraintAngle), {0.0, 180.0}, {180.5, -1.0, amNaN},
         "Mesh constraint angle" + amAngle},
        {"curvatureRefinement", AM_SET(Ctrl, curvatureRefinement), {0.0, 5.0}, {-0.5, amNaN},
         "Curvature refinement" + amNonNegative},
    });
    // No bound on the sum of the weights.
    Ctrl c;
    c.laplacianSmoothingWeight(1.0);
    c.equipotentialSmoothingWeight(1.0);
    EXPECT_EQ(AmMessage([&] { c.AssertValid(); }), "");
}

TEST_F(AdaptiveMesh, DomainRulesInOrderAtTheirEdges) {
    ExpectAmRules<Domain, int>({
        {"frequency", AM_SET(Domain, frequency), {1, 1000}, {0, -1}, "Frequency value must be greater than zero."},
        {"initialRemeshingSweeps", AM_SET(Domain, initialRemeshingSweeps), {0, kadC_DefaultInitialSweeps}, {-1},
         "Initial remeshing sweeps must be greater than zero."},
        {"sweepsPerIncrement", AM_SET(Domain, sweepsPerIncrement), {1, 7}, {0, -3},
         "Sweeps per increment must be greater than zero."},
    });
}

// What is stored, under which names and in which order, against what scripts see.
TEST_F(AdaptiveMesh, StoredNamesAndOrderDifferFromTheScriptingNames) {
    struct Case {
        std::uint32_t typeId;
        std::vector<std::string> stored, script;
    } const cases[] = {
        {Ctrl::TypeId(),
         {"advection", "smoothingAlgorithm", "smoothingPriority", "initialFeatureAngle", "transitionFeatureAngle",
          "momentumAdvection", "remeshPredictor", "curvatureRefinement", "volumetricSmoothingWeight",
          "standardVolumetricSmoothingWeight", "laplacianSmoothingWeight", "equipotentialSmoothingWeight",
          "meshConstraintAngle", "originalConfigurationProjectionWeight"},
         {"remapping", "smoothingAlgorithm", "smoothingPriority", "initialFeatureAngle", "transitionFeatureAngle",
          "momentumAdvection", "meshingPredictor", "curvatureRefinement", "volumetricSmoothingWeight",
          "standardVolumetricSmoothingWeight", "laplacianSmoothingWeight", "equipotentialSmoothingWeight",
          "originalConfigurationProjectionWeight", "meshConstraintAngle"}},
        {Domain::TypeId(),
         {"region", "controls", "frequency", "initialRemeshingSweeps", "sweepsPerIncrement"},
         {"region", "controls", "frequency", "initialMeshSweeps", "meshSweeps"}},
    };
    for (auto const& c : cases) {
        std::vector<std::string> stored, script;
        for (auto const& a : cls_MetadataRegistrar::Find(c.typeId)->Attributes()) stored.push_back(a.name);
        for (auto const& a : cls_ScriptRegistry::AttributesOf(c.typeId)) script.push_back(a.script);
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(script, c.script);
    }
    // The columns of a written row follow the stored order.
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("root", Ctrl());
    auto const& table = *db.FindTable(Ctrl::TypeId());
    std::vector<std::string> columns;
    for (auto const& a : table.schema) columns.push_back(a.name);
    EXPECT_EQ(columns, cases[0].stored);
    EXPECT_EQ(table.rows[0].fields.front(), dbs_Value(dbs_EnumString{"SECOND_ORDER_ADVECTION"}));
    EXPECT_EQ(table.rows[0].fields.back(), dbs_Value(1.0));  // the projection weight, stored last
}

// A control and a domain with every field off its default read back as written.
TEST_F(AdaptiveMesh, EveryFieldRoundTrips) {
    Ctrl ctrl;
    ctrl.advection(Ctrl::AdvectionEnm::FIRST_ORDER_ADVECTION);
    ctrl.smoothingAlgorithm(Ctrl::SmoothingAlgorithmEnm::GEOMETRY_ENHANCED);
    ctrl.smoothingPriority(Ctrl::SmoothingPriorityEnm::GRADED);
    ctrl.momentumAdvection(Ctrl::MomentumAdvectionEnm::HALF_INDEX_SHIFT);
    ctrl.remeshPredictor(Ctrl::RemeshPredictorEnm::PREVIOUS);
    double value = 1.5;
    for (auto const& a : cls_ScriptRegistry::AttributesOf(Ctrl::TypeId()))
        if (a.type.kind == cls_ScriptKind::Double) a.set(ctrl, value += 1.0, a.script.c_str());
    Domain domain;
    domain.region(rgnC_Region({"Set-1", "Surf-2"}, 4));
    domain.controls("Ada-1");
    domain.frequency(3);
    domain.initialRemeshingSweeps(0);
    domain.sweepsPerIncrement(5);
    for (cls_Persistent const* object : {static_cast<cls_Persistent const*>(&ctrl), static_cast<cls_Persistent const*>(&domain)}) {
        dbs_Database db;
        auto back = AmRoundTrip<cls_Persistent>(*object, db);
        ASSERT_TRUE(back);
        for (auto const& a : cls_ScriptRegistry::AttributesOf(object->DynTypeId()))
            EXPECT_EQ(a.get(*back).Repr(), a.get(*object).Repr()) << a.script;
    }
}

TEST_F(AdaptiveMesh, TheMapChecksWhatItKeepsAndCopiesAreNewControls) {
    kadC_AdptMeshCtrlCont map;
    Ctrl kept;
    kept.curvatureRefinement(2.0);
    map.Set("Ada-1", kept);
    Ctrl bad;
    bad.initialFeatureAngle(200.0);
    for (char const* name : {"Ada-1", "Ada-2"}) {
        EXPECT_EQ(AmMessage([&] { map.Set(name, bad); }), "Initial feature angle" + amAngle) << name;
        EXPECT_EQ(map.Keys(), (cow_List<cow_String>{"Ada-1"}));
        EXPECT_EQ(map.Get("Ada-1").curvatureRefinement(), 2.0);
    }
    EXPECT_THROW(map.Get("Ada-2"), omu_KeyErrorException);
    // A copy is written as a control of its own, not as a second reference to the first.
    map.Set("Ada-2", map.Get("Ada-1"));
    EXPECT_NE(map.Get("Ada-1").Uid(), map.Get("Ada-2").Uid());
    dbs_Database db;
    auto back = AmRoundTrip<kadC_AdptMeshCtrlCont>(map, db);
    ASSERT_TRUE(back);
    auto const* table = db.FindTable(kadC_AdptMeshCtrlCont::TypeId());
    EXPECT_EQ(table->className, "kadC_AdptMeshCtrlCont");
    EXPECT_EQ(table->baseId, mdl_Repository_TypeId);
    EXPECT_EQ(db.FindTable(Ctrl::TypeId())->rows.size(), 2u);
    EXPECT_EQ(back->Keys(), (cow_List<cow_String>{"Ada-1", "Ada-2"}));
    EXPECT_EQ(back->Get("Ada-2").curvatureRefinement(), 2.0);
    EXPECT_TRUE(map.Remove("Ada-1"));
    EXPECT_FALSE(map.Remove("Ada-1"));
}

// Earlier releases stored an empty placeholder at version 1 without its base part.
TEST_F(AdaptiveMesh, TheOlderEmptyPlaceholderOpensAsAnEmptyMap) {
    kadC_AdptMeshCtrlCont map;
    map.Set("Ada-1", Ctrl());
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("root", map);
    db.RemoveTable(mdl_Repository_TypeId);
    db.RemoveTable(Ctrl::TypeId());
    auto& placeholder = *db.FindTable(kadC_AdptMeshCtrlCont::TypeId());
    placeholder.version = 1;
    placeholder.schema.clear();
    for (auto& row : placeholder.rows) row = dbs_Row{};
    dbc_DatabaseConverter().Convert(db, cls_MetadataRegistrar::Registrar());
    auto back = cls_ReadVisitor(db).ReadRoot<kadC_AdptMeshCtrlCont>("root");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Size(), 0u);
}

}  // namespace adaptive_mesh_test
