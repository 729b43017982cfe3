#include "module/kpr/steps/perturbation/kprC_SteadyStateDirectStep.h"

#include "module/kpr/steps/kprC_StepRules.h"

void kprC_SteadyStateDirectStep::AssertValid() const {
    kprC_Assert(!frequencyRange_.empty(), kprC_NO_FREQUENCY_RANGE);
    kprC_AssertEach(frequencyRange_);
    kprC_AssertNotIterative(matrixSolver());
}

CLS_DEFINE(kprC_SteadyStateDirectStep)
