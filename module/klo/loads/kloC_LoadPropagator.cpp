#include "module/klo/loads/kloC_LoadPropagator.h"

#include <algorithm>
#include <initializer_list>

#include "module/kpr/procedures/kprC_Procedures.h"
#include "platform/nex/nex_Exception.h"

namespace {
using S = mdl_PropagationStatusEnm;

// Whether `s` is one of `set`; the loads know the statuses up to BUILT_INTO_BASE_STATE.
bool Holds(S s, std::initializer_list<S> set) {
    kloC_Assert(mdl_Value(s) <= mdl_Value(S::BUILT_INTO_BASE_STATE), kloC_UNKNOWN_PROPAGATION_STATUS);
    return std::find(set.begin(), set.end(), s) != set.end();
}
}  // namespace

bool kloC_LoadKind::IsActive(Status s) {
    return Holds(s, {S::CREATED, S::PROPAGATED, S::MODIFIED, S::BUILT_INTO_BASE_STATE});
}
bool kloC_LoadKind::IsBuiltIn(Status s) { return Holds(s, {S::BUILT_INTO_BASE_STATE}); }
bool kloC_LoadKind::IsIllegalMove(Status s) { return Holds(s, {S::CREATED, S::MODIFIED, S::DEACTIVATED}); }
bool kloC_LoadKind::IsPropagated(Status s) { return Holds(s, {S::PROPAGATED}); }

bool kloC_LoadKind::TakesBaseState(unsigned int p) { return kprC_ProcedureIs(p, kprC_LOAD_BASE_STATE); }

void kloC_LoadKind::Raise(kprC_PropagatorError flag) {
    static constexpr kloC_ErrorEnm codes[] = {kloC_NO_SUCH_STEP, kloC_CANNOT_DEACTIVATE, kloC_DEACTIVATE_IN_BASE_STATE,
                                              kloC_UNKNOWN_STATUS, kloC_INVALID_MODIFIED_STATE};
    int const i = int(flag);
    kloC_Assert(false, i >= 0 && i < 5 ? codes[i] : kloC_INVALID_PROPAGATOR_FLAG);
    NEX_FAIL("kloC_Assert(false) returned");
}
