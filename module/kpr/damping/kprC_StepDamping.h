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

// Validates each present container, in argument order; whether any was present.
template <class... Kind>
bool kprC_AssertEachPresent(cow_COW<Kind> const&... held) {
    bool any = false;
    ((held ? (held->AssertValid(), any = true) : false), ...);
    return any;
}

// A step holds mode-based or frequency-based damping, not both.
inline void kprC_AssertDampingNotMixed(bool modeBased, bool frequencyBased) {
    kprC_Assert(!(modeBased && frequencyBased), kprC_MIXED_DAMPING);
}
