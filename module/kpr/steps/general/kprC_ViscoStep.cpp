#include "module/kpr/steps/general/kprC_ViscoStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_ViscoStep::AssertValid() const {
    kprC_AssertStabilizedSolver(stabilizationMethod_ != StabilizationMethodEnm::NONE, matrixSolver());
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "ACDB");
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::AUTOMATIC) {
        kprC_AssertIncrements(increments, "EFGHIK");
        kprC_Assert(cetol_ > 0.0, kprC_CETOL_REQUIRED);
    }
    kprC_AssertContactIterations(applyContactIterations_, matrixSolver());
    kprC_AssertSingleTechnique(applyContactIterations_, solutionTechnique_);
    kprC_AssertQuasiNewton(solutionTechnique_, matrixSolver());
}

CLS_DEFINE(kprC_ViscoStep)
