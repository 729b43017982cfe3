// The status table of adaptive mesh constraints and their propagation errors.
#include "module/kpr/amc/kprC_AdptMeshConsKind.h"

#include <iterator>

#include "module/kpr/kprC_assert.h"
#include "module/kpr/procedures/kprC_Procedures.h"

namespace {
using S = mdl_PropagationStatusEnm;

struct StatusRow {
    S status;
    bool active, propagated, illegalMove, builtIn;
};
// Every status a constraint knows; any other is refused.
constexpr StatusRow statusRows[] = {
    {S::NOT_YET_CREATED, false, false, false, false},
    {S::CREATED, true, false, true, false},
    {S::PROPAGATED, true, true, false, false},
    {S::MODIFIED, true, false, true, false},
    {S::DEACTIVATED, false, false, true, false},
    {S::INACTIVE, false, false, false, false},
    {S::NOT_VALID_IN_STEP, false, false, false, false},
    {S::OUTSIDE_PERTURBATION_STEP, false, false, false, false},
    {S::PROPAGATED_FROM_BASE_STATE, true, true, false, false},
    {S::MODIFIED_FROM_BASE_STATE, true, false, true, false},
    {mdl_STATUS_11_AS_NOT_YET_CREATED, false, false, false, false},
    {mdl_STATUS_12_AS_BUILT_INTO_BASE_STATE, false, false, false, true},
};

StatusRow const& Row(S s) {
    for (auto const& row : statusRows)
        if (row.status == s) return row;
    kprC_Assert(false, kprC_AMC_UNKNOWN_PROPAGATION_STATUS);
    NEX_FAIL("kprC_Assert(false) returned");
}
}  // namespace

bool kprC_AdptMeshConsKind::IsActiveStatus(Status s) { return Row(s).active; }
bool kprC_AdptMeshConsKind::IsPropagatedStatus(Status s) { return Row(s).propagated; }
bool kprC_AdptMeshConsKind::IsIllegalMove(Status s) { return Row(s).illegalMove; }
bool kprC_AdptMeshConsKind::IsBuiltIn(Status s) { return Row(s).builtIn; }

bool kprC_AdptMeshConsKind::IsActive(Status s) { return s == S::BUILT_INTO_BASE_STATE || IsActiveStatus(s); }

bool kprC_AdptMeshConsKind::TakesBaseState(unsigned int p) { return kprC_ProcedureIs(p, kprC_AMC_BASE_STATE); }

void kprC_AdptMeshConsKind::Raise(kprC_PropagatorError flag) {
    static constexpr kprC_ErrorEnm codes[] = {kprC_AMC_UNKNOWN_STEP_TYPE, kprC_AMC_ALREADY_DEACTIVATED,
                                              kprC_AMC_DEACTIVATE_IN_BASE_STATE, kprC_AMC_UNKNOWN_STATUS,
                                              kprC_AMC_INVALID_MODIFIED_STATE};
    int const i = int(flag);
    kprC_Assert(false, i >= 0 && i < int(std::size(codes)) ? codes[i] : kprC_AMC_INVALID_PROPAGATOR_FLAG);
    NEX_FAIL("kprC_Assert(false) returned");
}
