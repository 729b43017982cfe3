#include "module/kpr/steps/general/kprC_StaticRiksStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_StaticRiksStep::AssertValid() const {
    kprC_AssertNotIterative(matrixSolver());
    kprC_Assert(maxLPF_ > 0.0, kprC_INVALID_MAX_LPF);
    kprC_Assert(totalArcLength_ > 0.0, kprC_TOTAL_ARC_LENGTH_NOT_POSITIVE);
    kprC_Assert(initialArcInc_ > 0.0, kprC_INITIAL_ARC_INC_NOT_POSITIVE);
    kprC_Assert(initialArcInc_ <= totalArcLength_, kprC_INITIAL_ARC_INC_ABOVE_TOTAL);
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::AUTOMATIC) {
        kprC_Assert(minArcInc_ >= 0.0, kprC_MIN_ARC_INC_NEGATIVE);
        kprC_Assert(maxArcInc_ >= 0.0, kprC_MAX_ARC_INC_NEGATIVE);
        kprC_Assert(minArcInc_ <= maxArcInc_, kprC_MIN_ARC_INC_ABOVE_MAX_ARC_INC);
    }
    if (monitorNodeOn_) {
        kprC_Assert(region_.entityCount() >= 1, kprC_INVALID_RIKS_MONITOR_NODE);
        kprC_Assert(monitorDof_ >= 1, kprC_INVALID_RIKS_MONITOR_DOF);
        kprC_Assert(monitorDisplacement_ != 0.0, kprC_RIKS_MONITOR_DISPLACEMENT_ZERO);
    }
    kprC_AssertContactIterations(applyContactIterations_, matrixSolver());
}

CLS_DEFINE(kprC_StaticRiksStep)
