#include "module/kpr/steps/general/kprC_ImplicitDynamicsStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_ImplicitDynamicsStep::AssertValid() const {
    kprC_AssertNotIterative(matrixSolver());
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "ACDB");
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::AUTOMATIC) {
        kprC_Assert(!nohaf_, kprC_HALF_STEP_RESIDUALS_REQUIRED);
        kprC_Assert(haftol_ > 0.0, kprC_HALF_STEP_RESIDUAL_TOLERANCE_REQUIRED);
        kprC_AssertIncrements(increments, "EFGHIK");
    }
    kprC_Assert(alpha_ >= -0.333 && alpha_ <= 0.0, kprC_NUMERICAL_DAMPING_RANGE);
    kprC_AssertQuasiNewton(solutionTechnique_, matrixSolver());
}

CLS_DEFINE(kprC_ImplicitDynamicsStep)
