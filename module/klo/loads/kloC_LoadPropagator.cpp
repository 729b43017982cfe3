#include "module/klo/loads/kloC_LoadPropagator.h"

#include "module/kpr/procedures/kprC_Procedures.h"
#include "platform/nex/nex_Exception.h"

namespace {
// The statuses, 0 to 8, for which a predicate holds, as a bit set.
bool Holds(mdl_PropagationStatusEnm s, unsigned int bits) {
    unsigned int const v = mdl_Value(s);
    kloC_Assert(v <= 8, kloC_UNKNOWN_PROPAGATION_STATUS);
    return (bits >> v) & 1u;
}
}  // namespace

bool kloC_LoadKind::IsActive(Status s) { return Holds(s, 1u << 1 | 1u << 2 | 1u << 3 | 1u << 8); }
bool kloC_LoadKind::IsBuiltIn(Status s) { return Holds(s, 1u << 8); }
bool kloC_LoadKind::IsIllegalMove(Status s) { return Holds(s, 1u << 1 | 1u << 3 | 1u << 4); }
bool kloC_LoadKind::IsPropagated(Status s) { return Holds(s, 1u << 2); }

bool kloC_LoadKind::TakesBaseState(unsigned int p) { return kprC_ProcedureIs(p, kprC_LOAD_BASE_STATE); }

void kloC_LoadKind::Raise(kprC_PropagatorError flag) {
    static constexpr kloC_ErrorEnm codes[] = {kloC_NO_SUCH_STEP, kloC_CANNOT_DEACTIVATE, kloC_DEACTIVATE_IN_BASE_STATE,
                                              kloC_UNKNOWN_STATUS, kloC_INVALID_MODIFIED_STATE};
    int const i = int(flag);
    kloC_Assert(false, i >= 0 && i < 5 ? codes[i] : kloC_INVALID_PROPAGATOR_FLAG);
    NEX_FAIL("kloC_Assert(false) returned");
}
