#pragma once
// How loads take part in propagation: their status predicates, their base-state
// procedures, their errors for the propagator's failures, and the stored class of their
// per-step record (kloC_StateQuad).
#include "module/klo/kloC_assert.h"
#include "module/klo/loads/kloC_LoadState.h"
#include "module/kpr/propagation/kprC_PropagatingState.h"
#include "module/kpr/propagation/kprC_Propagator.h"

struct kloC_LoadKind {
    using State = kloC_LoadState;
    using Status = mdl_PropagationStatusEnm;

    // Each refuses a status above BUILT_INTO_BASE_STATE (8) with error 48.
    static bool IsActive(Status s);     // CREATED, PROPAGATED, MODIFIED, BUILT_INTO_BASE_STATE
    static bool IsBuiltIn(Status s);    // BUILT_INTO_BASE_STATE
    static bool IsIllegalMove(Status s);  // CREATED, MODIFIED, DEACTIVATED
    static bool IsPropagated(Status s);   // PROPAGATED
    // Modal Dynamics, Random Response, Response Spectrum, Steady State Modal and Complex
    // Frequency carry loads in their base state besides the perturbation procedures.
    static bool TakesBaseState(unsigned int procedureType);
    [[noreturn]] static void Raise(kprC_PropagatorError flag);
};

using kloC_LoadPropagator = kprC_Propagator<kloC_LoadKind>;

template <>
struct kprC_PropagatingStateClass<kloC_LoadState> {
    static constexpr std::uint32_t TypeId = kloC_StateQuad_TypeId;
    static constexpr char const* Name = "kloC_StateQuad";
};
using kloC_StateQuad = kprC_PropagatingState<kloC_LoadState>;
