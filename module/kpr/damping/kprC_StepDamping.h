#pragma once
// The damping a modal-based step holds: the rows of the kinds it supports (each an
// optional container, stored as a null when absent), and the step's damping rules.
#include "module/kpr/damping/kprC_Damping.h"
#include "module/kpr/kprC_assert.h"
#include "platform/cow/cow_COW.h"

#define KPRC_MODE_DAMPING_ROWS(A)                                  \
    A(cow_COW<kprC_DirectDamping>, directDamping, {})              \
    A(cow_COW<kprC_CompositeDamping>, compositeDamping, {})        \
    A(cow_COW<kprC_RayleighDamping>, rayleighDamping, {})
#define KPRC_STRUCTURAL_DAMPING_ROW(A) A(cow_COW<kprC_StructuralDamping>, structuralDamping, {})
#define KPRC_FREQUENCY_DAMPING_ROWS(A)                                            \
    A(cow_COW<kprC_DirectDampingByFrequency>, directDampingByFrequency, {})       \
    A(cow_COW<kprC_RayleighDampingByFrequency>, rayleighDampingByFrequency, {})
#define KPRC_STRUCTURAL_DAMPING_BY_FREQUENCY_ROW(A) \
    A(cow_COW<kprC_StructuralDampingByFrequency>, structuralDampingByFrequency, {})
// Every kind, the structural ones included.
#define KPRC_ALL_DAMPING_ROWS(A)                \
    KPRC_MODE_DAMPING_ROWS(A)                   \
    KPRC_STRUCTURAL_DAMPING_ROW(A)              \
    KPRC_FREQUENCY_DAMPING_ROWS(A)              \
    KPRC_STRUCTURAL_DAMPING_BY_FREQUENCY_ROW(A)

// Validates each present container, in argument order; whether any was present.
template <class... Kind>
bool kprC_AssertEachPresent(cow_COW<Kind> const&... held) {
    bool any = false;
    ((held ? (held->AssertValid(), any = true) : false), ...);
    return any;
}

// The damping rules of a step: each kind it holds validated in the order direct,
// composite, Rayleigh, structural, then direct, Rayleigh and structural by frequency
// (the structural kinds where the step has them); then a step may hold mode-based or
// frequency-based damping, not both.
template <class Step>
void kprC_AssertStepDamping(Step const& s) {
    bool modes = kprC_AssertEachPresent(s.directDamping(), s.compositeDamping(), s.rayleighDamping());
    if constexpr (requires { s.structuralDamping(); }) modes = kprC_AssertEachPresent(s.structuralDamping()) || modes;
    bool frequencies = kprC_AssertEachPresent(s.directDampingByFrequency(), s.rayleighDampingByFrequency());
    if constexpr (requires { s.structuralDampingByFrequency(); })
        frequencies = kprC_AssertEachPresent(s.structuralDampingByFrequency()) || frequencies;
    kprC_Assert(!(modes && frequencies), kprC_MIXED_DAMPING);
}
