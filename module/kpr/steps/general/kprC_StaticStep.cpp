#include "module/kpr/steps/general/kprC_StaticStep.h"

void kprC_StaticStep::AssertValid() const {
    kprC_AssertStabilizedSolver(stabilizationMethod_ != StabilizationEnm::NONE, matrixSolver());
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "ACDB");
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::AUTOMATIC)
        kprC_AssertIncrements(increments, "EGHIFK");
    kprC_AssertContactIterations(applyContactIterations_, matrixSolver());
    kprC_AssertSingleTechnique(applyContactIterations_, solutionTechnique_);
    kprC_AssertQuasiNewton(solutionTechnique_, matrixSolver());
}

CLS_DEFINE(kprC_StaticStep)
