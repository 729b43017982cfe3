#pragma once
// How adaptive mesh constraints take part in propagation: their status predicates, their
// base-state procedures, their errors for the propagator's failures, and the stored class
// of their per-step record (kprC_StateQuad).
#include "module/kpr/amc/kprC_AdptMeshConsState.h"
#include "module/kpr/propagation/kprC_PropagatingState.h"
#include "module/kpr/propagation/kprC_Propagator.h"

struct kprC_AdptMeshConsKind {
    using State = kprC_AdptMeshConsState;
    using Status = mdl_PropagationStatusEnm;

    // The public predicates of a shown status. Each refuses, with error 226, a status the
    // constraints do not know, BUILT_INTO_BASE_STATE (8) included: constraints use 12 for it.
    static bool IsActiveStatus(Status s);      // CREATED, PROPAGATED, MODIFIED, 9, 10
    static bool IsPropagatedStatus(Status s);  // PROPAGATED, PROPAGATED_FROM_BASE_STATE
    static bool IsIllegalMove(Status s);       // CREATED, MODIFIED, DEACTIVATED, MODIFIED_FROM_BASE_STATE
    static bool IsBuiltIn(Status s);           // 12

    // The propagator's question about its running status: as IsActiveStatus, but the
    // BUILT_INTO_BASE_STATE it runs through base-state steps counts as active, so that a
    // definition held in such a step is dropped rather than refused.
    static bool IsActive(Status s);
    // Modal dynamics, Random response, Response spectrum, Steady-state dynamics Modal,
    // Dynamic Subspace and Complex frequency, besides the perturbation procedures.
    static bool TakesBaseState(unsigned int procedureType);
    [[noreturn]] static void Raise(kprC_PropagatorError flag);
};

using kprC_AdptMeshConsPropagator = kprC_Propagator<kprC_AdptMeshConsKind>;

template <>
struct kprC_PropagatingStateClass<kprC_AdptMeshConsState> {
    static constexpr std::uint32_t TypeId = kprC_StateQuad_TypeId;
    static constexpr char const* Name = "kprC_StateQuad";
};
using kprC_StateQuad = kprC_PropagatingState<kprC_AdptMeshConsState>;
