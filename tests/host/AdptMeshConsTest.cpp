// Adaptive mesh constraints in a model: every operation's statuses per step, its
// refusals with their codes (leaving the constraint as it was), the Initial step, step
// changes through the host flow, and the stored form read back.
#include <gtest/gtest.h>

#include <functional>

#include "host/hst_StepFlow.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/kprC_assert.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "support/tst_History.h"
#include "support/tst_Step.h"

namespace {
using Motion = kprC_AdptMeshCons::MotionTypeEnum;

kprC_DispAdptMeshConsState AmcDisplacement(double u1) {
    kprC_DispAdptMeshConsState s;
    s.u1(u1);
    return s;
}

class AdptMeshCons : public tst_LibraryTest {
protected:
    void SetUp() override {
        tst_LibraryTest::SetUp();
        model = std::make_unique<ddr_Model>();
        Use({STATIC, STATIC, STATIC, FREQUENCY, MODAL});
    }
    void TearDown() override {
        flow.reset();
        model.reset();
        tst_LibraryTest::TearDown();
    }
    // Initial, then S1, S2, ... of the codes, handed to the constraints by the host flow.
    void Use(std::vector<unsigned> const& codes) {
        model->Extension<kprC_StepContainer>(ddr_Model::stepCmd()) = Build(codes);
        flow = std::make_unique<hst_StepFlow>(*model);
        Constraints().UpdateSteps(
            hst_StepFlow::StepList(model->Extension<kprC_StepContainer>(ddr_Model::stepCmd()), true));
    }
    kprC_AdptMeshConsCont& Constraints() {
        return model->Extension<kprC_AdptMeshConsCont>(ddr_Model::adaptiveMeshConstraintCmd());
    }
    void Create(cow_String const& step, Motion motion = Motion::INDEPENDENT, bool velocity = false) {
        rgnC_Region region({"Set-1"}, 1, rgnC_THREE_D, false);
        if (velocity) {
            kprC_VelAdptMeshConsState s;
            s.v2(3.0);
            kprC_VelAdptMeshCons c(region, step, s);
            c.motionType(motion);
            Constraints().Insert("C", c);
        } else {
            kprC_DispAdptMeshCons c(region, step, AmcDisplacement(1.0));
            c.motionType(motion);
            Constraints().Insert("C", c);
        }
    }
    kprC_AdptMeshCons& C() { return Constraints().Get("C"); }
    std::string History() { return tst_Letters(Constraints().ConstGet("C").History()); }

    std::unique_ptr<ddr_Model> model;
    std::unique_ptr<hst_StepFlow> flow;
};

// Records Initial S1 S2 S3 S4 S5; S4 (frequency) and S5 (modal dynamics) admit no constraint.
TEST_F(AdptMeshCons, OperationsAndTheirRefusals) {
    struct AmcCase {
        char const* create;
        std::function<void(kprC_AdptMeshCons&)> setUp, operation;
        char const* statuses;  // after the operation, or before it when refused
        kprC_ErrorEnm refusal;  // kprC_NO_ERROR when accepted
        char const* what;
    };
    auto none = [](kprC_AdptMeshCons&) {};
    auto modify2 = [](kprC_AdptMeshCons& c) { c.Insert("S2", AmcDisplacement(2.0)); };
    kprC_ErrorEnm const ok = kprC_ErrorEnm(0);
    std::vector<AmcCase> const cases = {
        {"Initial", none, none, "CPPPVV", ok, "created in the Initial step"},
        {"S1", none, none, "NCPPVV", ok, "created in S1"},
        {"S1", none, modify2, "NCMPVV", ok, "modified"},
        {"S1", none, [](auto& c) { c.Deactivate("S2"); }, "NCDIVV", ok, "deactivated"},
        {"S1", [](auto& c) { c.Deactivate("S2"); }, [](auto& c) { c.Reset("S2"); }, "NCPPVV", ok, "reset"},
        {"S1", modify2, [](auto& c) { c.Move("S2", "S3"); }, "NCPMVV", ok, "modification moved"},
        {"Initial", none, [](auto& c) { c.Move("Initial", "S1"); }, "NCPPVV", ok, "creation moved"},
        {"S1", modify2, [](auto& c) { c.Move("S2", "S2"); }, "NCMPVV", ok, "moved onto itself"},
        {"S1", none, [](auto& c) { c.Reset("S2"); }, "NCPPVV", ok, "reset of a propagated step"},
        {"S1", none, [](auto& c) { c.Deactivate("S1"); }, "NCPPVV", kprC_AMC_NOT_ACTIVE, "deactivated where created"},
        {"S1", none, [](auto& c) { c.Deactivate("X"); }, "NCPPVV", kprC_AMC_UNKNOWN_STEP_TYPE, "deactivated in no step"},
        {"S1", none, [](auto& c) { c.Deactivate("S4"); }, "NCPPVV", kprC_AMC_NOT_ACTIVE, "deactivated where not valid"},
        {"S1", none, [](auto& c) { c.Reset("S1"); }, "NCPPVV", kprC_AMC_RESET_IN_CREATE_STEP, "reset where created"},
        {"S1", modify2, [](auto& c) { c.Reset("S2"); }, "NCMPVV", kprC_AMC_RESET_NOT_DEACTIVATED, "reset of a modification"},
        {"S1", none, [](auto& c) { c.Reset("X"); }, "NCPPVV", kprC_AMC_STEP_DOES_NOT_EXIST, "reset in no step"},
        {"S1", none, [](auto& c) { c.ReplaceStep("S1"); }, "NCPPVV", kprC_AMC_RESET_IN_CREATE_STEP, "replace the creation"},
        {"S1", none, [](auto& c) { c.ReplaceStep("X"); }, "NCPPVV", kprC_AMC_STEP_DOES_NOT_EXIST, "replace no step"},
        {"S1", none, [](auto& c) { c.Move("S1", "X"); }, "NCPPVV", kprC_AMC_STEP_DOES_NOT_EXIST, "move to no step"},
        {"S1", none, [](auto& c) { c.Move("S2", "S3"); }, "NCPPVV", kprC_AMC_NOTHING_TO_MOVE, "move a propagated step"},
        {"S1", modify2, [](auto& c) { c.Move("S2", "S1"); }, "NCMPVV", kprC_AMC_MOVE_DESTINATION, "onto the creation"},
        {"S1", modify2, [](auto& c) { c.Move("S1", "S3"); }, "NCMPVV", kprC_AMC_MOVE_INTERMEDIATE, "over a modification"},
        {"S1", [](auto& c) { c.Deactivate("S2"); }, [](auto& c) { c.Move("S2", "S3"); }, "NCDIVV",
         kprC_AMC_MOVE_NOT_ACTIVE, "move a deactivation"},
        // Both are perturbation steps, whose check comes before the modal dynamics one.
        {"S1", modify2, [](auto& c) { c.Move("S2", "S4"); }, "NCMPVV", kprC_AMC_MOVE_INTO_PERTURBATION, "into frequency"},
        {"S1", modify2, [](auto& c) { c.Move("S2", "S5"); }, "NCMPVV", kprC_AMC_MOVE_INTO_PERTURBATION, "into modal"},
        {"S1", none, [](auto& c) { c.ConstGetState("Initial"); }, "NCPPVV", kprC_AMC_NOT_IN_STEP, "state before creation"},
        {"S1", none, [](auto& c) { c.ConstGetState("S4"); }, "NCPPVV", kprC_AMC_NOT_IN_STEP, "state in a base-state step"},
        {"S1", none, [](auto& c) { c.ConstGetState("X"); }, "NCPPVV", kprC_AMC_STEP_DOES_NOT_EXIST, "state in no step"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.what);
        Create(c.create);
        c.setUp(C());
        kprC_AdptMeshConsRecords const before = Constraints().ConstGet("C").States();
        std::string const raised = tst_MessageOf<nex_Exception>([&] { c.operation(C()); });
        EXPECT_EQ(raised, c.refusal == ok ? "" : kprC_ErrorMessage(c.refusal));
        EXPECT_EQ(History(), c.statuses);
        if (c.refusal != ok) {
            auto const& after = Constraints().ConstGet("C").States();
            ASSERT_EQ(after.size(), before.size());
            for (std::size_t i = 0; i < after.size(); ++i) EXPECT_TRUE(after[i].state().SharesWith(before[i].state()));
        }
        Constraints().Remove("C");
    }
}

// Creation refusals: Explicit steps refuse user-defined motion, an Anneal step any constraint.
TEST_F(AdptMeshCons, CreationRulesByProcedure) {
    struct AmcCase {
        std::vector<unsigned> steps;
        Motion motion;
        bool velocity;
        char const* statuses;
        kprC_ErrorEnm refusal;
    } const cases[] = {
        {{DYN_EXPLICIT, DYN_EXPLICIT}, Motion::USER_DEFINED, false, "", kprC_AMC_USER_SUBROUTINE_EXPLICIT},
        {{DYN_EXPLICIT, DYN_EXPLICIT}, Motion::FOLLOW, true, "NNC", kprC_ErrorEnm(0)},
        {{STATIC, STATIC}, Motion::USER_DEFINED, false, "NNC", kprC_ErrorEnm(0)},
        {{DYN_IMPLICIT, DYN_IMPLICIT}, Motion::INDEPENDENT, true, "", kprC_AMC_TYPE_INVALID_IN_STEP},
        {{DYN_EXPLICIT, kprC_ANNEAL_STEP_ID}, Motion::INDEPENDENT, false, "", kprC_AMC_IN_ANNEAL_STEP},
    };
    for (auto const& c : cases) {
        Use(c.steps);
        std::string const raised = tst_MessageOf<nex_Exception>([&] { Create("S2", c.motion, c.velocity); });
        EXPECT_EQ(raised, *c.statuses ? "" : kprC_ErrorMessage(c.refusal)) << c.steps[1];
        EXPECT_EQ(Constraints().IsMember("C"), *c.statuses != 0);
        if (*c.statuses) EXPECT_EQ(History(), c.statuses);
        Constraints().Remove("C");
    }
}

// Step changes reach the constraints through the host flow, the Initial step first: a
// constraint created there is never suppressed by a later procedure change.
TEST_F(AdptMeshCons, StepChangesThroughTheFlow) {
    Create("Initial");
    flow->Replace("S1", tst_Step(DYN_IMPLICIT));
    EXPECT_FALSE(Constraints().ConstGet("C").IsSuppressed());
    EXPECT_EQ(History(), "CVPPVV");
}

// Both kinds are written at their own level and read back with their histories.
TEST_F(AdptMeshCons, StoredFormRoundTrip) {
    Create("S1", Motion::FOLLOW, true);
    C().Deactivate("S3");
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("amc", Constraints());
    for (auto id : {kprC_VelAdptMeshCons_TypeId, kprC_VelAdptMeshConsState_TypeId, kprC_AdptMeshCons_TypeId,
                    kprC_StateQuad_TypeId, kprC_AdptMeshConsCont_TypeId})
        EXPECT_NE(db.FindTable(id), nullptr) << std::hex << id;
    auto back = cls_ReadVisitor(db).ReadRoot<kprC_AdptMeshConsCont>("amc");
    ASSERT_TRUE(back);
    auto const& c = dynamic_cast<kprC_VelAdptMeshCons const&>(back->ConstGet("C"));
    EXPECT_EQ(tst_Letters(c.History()), "NCPDVV");
    EXPECT_EQ(c.motionType(), Motion::FOLLOW);
    EXPECT_EQ(c.ConstGetState("S2").Component(2).value(), 3.0);
}
}  // namespace
