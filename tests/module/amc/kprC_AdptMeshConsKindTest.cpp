// Adaptive mesh constraints in propagation: the status table, the types each procedure
// admits, the statuses a history of definitions shows, and the per-step state rules.
#include <gtest/gtest.h>

#include "module/kpr/amc/kprC_AdptMeshConsKind.h"
#include "module/kpr/amc/kprC_AdptMeshConsTypeLabelMap.h"
#include "module/kpr/kprC_assert.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "support/tst_Message.h"
#include "tests/module/propagation/PropagationTestSupport.h"

namespace {
using AmcKind = kprC_AdptMeshConsKind;
using AmcRecords = std::vector<kprC_StateQuad>;

// The message of a refusal, or "" when `run` raises nothing.
template <class Run>
std::string AmcRefusal(Run run) { return tst_MessageOf<nex_Exception>(run); }
std::string AmcMessage(kprC_ErrorEnm code) { return kprC_ErrorMessage(code); }

// Each status value with its four predicates: active, propagated, illegal move, built in;
// '!' marks a value every predicate refuses with 226.
TEST(AdptMeshConsKind, StatusPredicatesFollowTheirTable) {
    char const* const rows[] = {"....", "A.I.", "AP..", "A.I.", "..I.", "....", "....", "....", "!", "AP..",
                                "A.I.", "....", "...B", "!",    "!",    "!"};
    for (int v = 0; v < 16; ++v) {
        auto const s = mdl_Status(v);
        std::string const row = rows[v];
        if (row == "!") {
            for (auto predicate : {AmcKind::IsActiveStatus, AmcKind::IsPropagatedStatus, AmcKind::IsIllegalMove, AmcKind::IsBuiltIn})
                EXPECT_EQ(AmcRefusal([&] { predicate(s); }), AmcMessage(kprC_AMC_UNKNOWN_PROPAGATION_STATUS)) << v;
            continue;
        }
        EXPECT_EQ(AmcKind::IsActiveStatus(s), row[0] == 'A') << v;
        EXPECT_EQ(AmcKind::IsPropagatedStatus(s), row[1] == 'P') << v;
        EXPECT_EQ(AmcKind::IsIllegalMove(s), row[2] == 'I') << v;
        EXPECT_EQ(AmcKind::IsBuiltIn(s), row[3] == 'B') << v;
        EXPECT_EQ(AmcKind::IsActive(s), row[0] == 'A') << v;
    }
    // The propagator runs through base-state steps as BUILT_INTO_BASE_STATE: active there.
    EXPECT_TRUE(AmcKind::IsActive(mdl_PropagationStatusEnm::BUILT_INTO_BASE_STATE));
}

// Both kinds in the five admitting procedures and in the Initial step (0); the display
// list of the Initial step stays empty; the other list is empty everywhere.
TEST(AdptMeshConsKind, TypesAdmittedPerProcedure) {
    std::set<unsigned> const admitting = {kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID, kprC_EXPLICIT_DYNAMICS_STEP_ID,
                                          kprC_SOILS_STEP_ID, kprC_STATIC_STEP_ID,
                                          kprC_TEMP_DISPLACEMENT_DYNAMICS_STEP_ID};
    cow_List<cow_String> const both = {"Displacement/Rotation", "Velocity/Angular velocity"};
    std::vector<unsigned> procedures = {0, kprC_INITIAL_STEP_PROCEDURE};
    for (unsigned c = kprC_FIRST_PROCEDURE; c < kprC_FIRST_PROCEDURE + kprC_PROCEDURE_COUNT; ++c) procedures.push_back(c);
    for (unsigned p : procedures) {
        bool const admits = admitting.contains(p);
        EXPECT_EQ(kprC_getMechanicalAdptMeshConsTypesforStep(int(p)), admits ? both : cow_List<cow_String>()) << p;
        EXPECT_TRUE(kprC_getOtherAdptMeshConsTypesforStep(int(p)).empty());
        for (unsigned type : {kprC_DispAdptMeshCons_TypeId, kprC_VelAdptMeshCons_TypeId})
            EXPECT_EQ(kprC_isValidAdptMeshConsTypeforStep(int(type), int(p)), admits || p == 0) << p;
        EXPECT_FALSE(kprC_isValidAdptMeshConsTypeforStep(int(kprC_AdptMeshCons_TypeId), int(p)));
    }
    EXPECT_EQ(kprC_AdptMeshConsTypeLabelMap::Instance().Labels().size(), 2u);
}

// What the propagator asks of the constraint: the admission of its type.
struct ToyConstraint {
    bool ValidInStepButRelaxCheckOnInitial(int procedureType, bool) const {
        return kprC_isValidAdptMeshConsTypeforStep(int(kprC_DispAdptMeshCons_TypeId), procedureType);
    }
};

// A definition per step: C creation, M modification, D deactivation, '.' none.
AmcRecords BuildAmc(std::string const& steps, std::string const& defs) {
    AmcRecords records;
    auto const list = tst_Steps(steps);
    for (std::size_t i = 0; i < list.size(); ++i) {
        cow_COW<kprC_AdptMeshConsState> state;
        if (defs[i] != '.') {
            auto* s = new kprC_DispAdptMeshConsState();
            if (defs[i] == 'D') s->deactivate(true);
            else s->u1(defs[i] == 'C' ? 1.0 : 2.0);
            state = cow_COW<kprC_AdptMeshConsState>(s);
        }
        records.emplace_back(list[i].stepName(), mdl_PropagationStatusEnm::NOT_YET_CREATED, state, list[i].procedure());
    }
    return records;
}

class AdptMeshConsPropagation : public tst_PropagationTest {};

TEST_F(AdptMeshConsPropagation, StatusesOfHistories) {
    struct AmcCase {
        char const* steps;
        char const* defs;
        char const* statuses;  // or "" when refused with `code`
        kprC_ErrorEnm code;
        char const* what;
    } const cases[] = {
        {"ISS", "C..", "CPP", {}, "created in the Initial step"},
        {"ISFS", "C..M", "CPVM", {}, "an Initial creation passes a frequency step"},
        {"SSS", "CD.", "CDI", {}, "deactivated"},
        {"SFS", "C..", "CVP", {}, "a perturbation step shows not valid, never its base state"},
        {"SMS", "C..", "CVP", {}, "a modal dynamics step"},
        {"SUS", "C..", "CVP", {}, "a subspace dynamics step takes the base state"},
        {"SHS", "C..", "CVP", {}, "a heat transfer step does not admit constraints"},
        {"SES", "CM.", "CMP", {}, "an explicit step admits them"},
        {"SFS", "CM.", "CVP", {}, "a definition held in a base-state step is dropped"},
        {"SHSS", "CD..", "CVDI", {}, "deferred deactivation"},
        {"SSS", "...", "", kprC_AMC_UNKNOWN_STEP_TYPE, "no record holds a state"},
        {"SFS", "CD.", "", kprC_AMC_INVALID_MODIFIED_STATE, "deactivated in a base-state step"},
    };
    for (auto const& c : cases) {
        AmcRecords out;
        EXPECT_EQ(AmcRefusal([&] { out = kprC_AdptMeshConsPropagator::Run(BuildAmc(c.steps, c.defs), ToyConstraint{}); }),
                  *c.statuses ? "" : AmcMessage(c.code)) << c.what;
        if (*c.statuses) {
            EXPECT_EQ(tst_Letters(kprC_PropagatingRecords<kprC_AdptMeshConsState>::History(out)), c.statuses) << c.what;
        }
    }
}

// The per-step state rules by procedure: amplitudes, complex values and magnitudes. A
// state changed to the procedure keeps its components and real parts where magnitudes
// are used (clears them where not), its imaginary parts where complex values are, and
// its amplitude where the procedure uses one.
TEST(AdptMeshConsState, ProcedureRules) {
    struct AmcRow {
        unsigned procedure;
        bool dispAmplitude, velAmplitude, complex, magnitude;
    } const rows[] = {
        {0, false, true, false, true},
        {kprC_BUCKLE_STEP_ID, false, true, false, true},
        {kprC_FREQUENCY_STEP_ID, false, true, false, false},
        {kprC_STATIC_RIKS_STEP_ID, false, false, false, true},
        {kprC_STATIC_LINEAR_PERTURBATION_STEP_ID, false, false, false, true},
        {kprC_COMPLEX_FREQUENCY_STEP_ID, false, true, false, false},
        {kprC_STEADY_STATE_DIRECT_STEP_ID, true, true, true, true},
        {kprC_STEADY_STATE_MODAL_STEP_ID, true, true, false, true},
        {kprC_STATIC_STEP_ID, true, true, false, true},
    };
    kprC_DispAdptMeshConsState const d;
    kprC_VelAdptMeshConsState const v;
    for (auto const& r : rows) {
        EXPECT_EQ(d.UseAmplitude(r.procedure), r.dispAmplitude) << r.procedure;
        EXPECT_EQ(v.UseAmplitude(r.procedure), r.velAmplitude) << r.procedure;
        for (kprC_AdptMeshConsState const* s : {static_cast<kprC_AdptMeshConsState const*>(&d),
                                                static_cast<kprC_AdptMeshConsState const*>(&v)}) {
            EXPECT_EQ(s->UseComplex(r.procedure), r.complex) << r.procedure;
            EXPECT_EQ(s->UseMagnitude(r.procedure), r.magnitude) << r.procedure;
        }
        kprC_DispAdptMeshConsState changed;
        changed.u1(4.0);
        changed.amplitude("Amp-1");
        changed.SetComplexComponent(1, 2.0, 3.0);
        changed.ChangeProcedureType(r.procedure);
        double const kept = r.magnitude ? 1.0 : 0.0;
        EXPECT_EQ(changed.u1().value(), 4.0 * kept) << r.procedure;
        EXPECT_EQ(changed.ComplexComponent(1), std::make_pair(2.0 * kept, r.complex ? 3.0 : 0.0)) << r.procedure;
        EXPECT_EQ(changed.amplitude().IsModified(), r.dispAmplitude) << r.procedure;
    }
}

// A modification takes over what its step sets, the complex values and the buckle case;
// a deactivating one brings no amplitude.
TEST(AdptMeshConsState, ModifyAndPropagate) {
    kprC_DispAdptMeshConsState running, step;
    running.u1(1.0);
    running.u2(5.0);
    step.u1(2.0);
    step.amplitude("Amp-2");
    step.SetComplexComponent(6, 1.0, -1.0);
    step.buckleCase(kprC_BucklingCaseEnm::BUCKLING_MODES);
    running.Propagate();
    EXPECT_FALSE(running.IsModified());
    running.Modify(step);
    EXPECT_EQ(running.u1().value(), 2.0);
    EXPECT_EQ(running.u2().value(), 5.0);
    EXPECT_EQ(running.amplitude().value(), "Amp-2");
    EXPECT_EQ(running.ComplexComponent(6), std::make_pair(1.0, -1.0));
    EXPECT_EQ(running.buckleCase(), kprC_BucklingCaseEnm::BUCKLING_MODES);
    kprC_VelAdptMeshConsState velocity, deactivating;
    deactivating.deactivate(true);
    deactivating.amplitude("Amp-3");
    velocity.Modify(deactivating);
    EXPECT_TRUE(velocity.deactivate());
    EXPECT_FALSE(velocity.amplitude().IsModified());
    velocity.v3(7.0);
    velocity.Zero();
    EXPECT_FALSE(velocity.IsModified());
    EXPECT_EQ(velocity.Component(3).value(), 0.0);
}
}  // namespace
