// Adaptive mesh controls and domains: each rule at its edge and past it, NaN, the first
// violation winning, the stored order and copies of controls.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "module/kad/domains/kadC_AdptMeshDomain.h"
#include "module/klo/kloC_Module.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
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

// The last two attributes are stored in reverse order of the fields (the names and
// ordinals are the declared-ordinals test's); a copy is written as a control of its own.
TEST_F(AdaptiveMesh, StoredOrderAndCopiesThatAreNewControls) {
    kadC_AdptMeshCtrlCont map;
    Ctrl kept;
    kept.curvatureRefinement(2.0);
    map.Set("Ada-1", kept);
    map.Set("Ada-2", map.Get("Ada-1"));
    EXPECT_NE(map.Get("Ada-1").Uid(), map.Get("Ada-2").Uid());
    dbs_Database db;
    auto back = AmRoundTrip<kadC_AdptMeshCtrlCont>(map, db);
    auto const& table = *db.FindTable(Ctrl::TypeId());
    EXPECT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.schema[12].name, "meshConstraintAngle");
    EXPECT_EQ(table.schema[13].name, "originalConfigurationProjectionWeight");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Get("Ada-2").curvatureRefinement(), 2.0);
}
}  // namespace adaptive_mesh_test
