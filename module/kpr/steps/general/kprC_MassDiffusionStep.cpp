#include "module/kpr/steps/general/kprC_MassDiffusionStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_MassDiffusionStep::AssertValid() const {
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "AB");
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::FIXED) {
        kprC_AssertIncrements(increments, "CD");
    } else {
        if (response_ == ResponseEnm::TRANSIENT) kprC_Assert(dcmax_ > 0.0, kprC_DCMAX_REQUIRED);
        kprC_AssertIncrements(increments, "CEFDHK");
        // With an end criterion the step may stop before the increments reach their bounds.
        if (end_ == 0.0) kprC_AssertIncrements(increments, "GI");
    }
    if (response_ == ResponseEnm::STEADY_STATE) {
        if (end_ == 0.0) {
            kprC_Assert(kprC_IsUnsymmetricOrDefault(matrixSolver()), kprC_INVALID_SOLVER);
            return;
        }
        kprC_Assert(end_ > 0.0, kprC_INVALID_END_RATE);
    }
    kprC_Assert(kprC_IsUnsymmetricOrDefault(matrixSolver()), kprC_INVALID_SOLVER);
}

CLS_DEFINE(kprC_MassDiffusionStep)
