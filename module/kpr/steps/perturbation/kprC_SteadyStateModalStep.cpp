#include "module/kpr/steps/perturbation/kprC_SteadyStateModalStep.h"

void kprC_SteadyStateModalStep::AssertValid() const {
    kprC_Assert(matrixSolver() == MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_Assert(!frequencyRange_.empty(), kprC_NO_FREQUENCY_RANGE);
    kprC_AssertEach(frequencyRange_);
    kprC_AssertStepDamping(*this);
}

CLS_DEFINE(kprC_SteadyStateModalStep)
