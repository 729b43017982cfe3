#include "module/kpr/steps/perturbation/kprC_RandomResponseStep.h"

// An empty list of frequency ranges passes.
void kprC_RandomResponseStep::AssertValid() const {
    kprC_Assert(matrixSolver() == MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_AssertEach(freq_);
    kprC_AssertStepDamping(*this);
}

CLS_DEFINE(kprC_RandomResponseStep)
