#include "module/kpr/steps/general/kprC_GeostaticStep.h"

// No time period is tested: a geostatic step keeps its initial period of 0.0.
void kprC_GeostaticStep::AssertValid() const {
    kprC_AssertNotIterative(matrixSolver());
    kprC_AssertContactIterations(applyContactIterations_, matrixSolver());
    kprC_AssertSingleTechnique(applyContactIterations_, solutionTechnique_);
    kprC_AssertQuasiNewton(solutionTechnique_, matrixSolver());
}

CLS_DEFINE(kprC_GeostaticStep)
