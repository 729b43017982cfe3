#include "module/kpr/steps/perturbation/kprC_SteadyStateSubspaceStep.h"

#include "module/kpr/steps/kprC_StepRules.h"

void kprC_SteadyStateSubspaceStep::AssertValid() const {
    kprC_Assert(!frequencyRange_.empty(), kprC_NO_FREQUENCY_RANGE);
    kprC_AssertEach(frequencyRange_);
    kprC_AssertNotIterative(matrixSolver());
    kprC_Assert(maxDampingChange_ > 0.0, kprC_MAX_DAMPING_CHANGE_NOT_POSITIVE);
    kprC_Assert(maxStiffnessChange_ > 0.0, kprC_MAX_STIFFNESS_CHANGE_NOT_POSITIVE);
}

CLS_DEFINE(kprC_SteadyStateSubspaceStep)
