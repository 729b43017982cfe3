#include "module/kpr/steps/general/kprC_SoilsStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_SoilsStep::AssertValid() const {
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "AB");
    bool const consolidation = response_ == SoilsResponseEnm::CONSOLIDATION;
    if (consolidation) {
        kprC_Assert(end_ > 0.0, kprC_CHANGE_RATE_NOT_POSITIVE);
        kprC_AssertNotIterative(matrixSolver());
    } else {
        kprC_Assert(kprC_IsUnsymmetricOrDefault(matrixSolver()), kprC_INVALID_SOLVER);
    }
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::FIXED) {
        kprC_Assert(initialInc_ > 0.0, kprC_INVALID_FIXED_INC_SIZE);
        kprC_Assert(initialInc_ <= timePeriod_, kprC_INVALID_FIXED_INC_SIZE);
    } else {
        kprC_AssertIncrements(increments, "CEFDGHIK");
        // A steady-state solution accepts a zero tolerance; consolidation needs one of the two.
        if (!consolidation && creepBehavior_)
            kprC_Assert(cetol_ >= 0.0, kprC_CETOL_REQUIRED);
        else if (consolidation && creepBehavior_)
            kprC_Assert(cetol_ > 0.0 || utol_ > 0.0, kprC_CETOL_OR_UTOL_REQUIRED);
        else if (consolidation)
            kprC_Assert(utol_ > 0.0, kprC_UTOL_REQUIRED);
    }
    kprC_AssertContactIterations(applyContactIterations_, matrixSolver());
}

CLS_DEFINE(kprC_SoilsStep)
