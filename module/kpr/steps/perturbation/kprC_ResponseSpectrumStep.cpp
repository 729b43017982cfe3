#include "module/kpr/steps/perturbation/kprC_ResponseSpectrumStep.h"

void kprC_ResponseSpectrumStep::AssertValid() const {
    kprC_Assert(matrixSolver() == MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_Assert(components_.size() <= 3, kprC_TOO_MANY_SPECTRUM_COMPONENTS);
    kprC_AssertEach(components_);
    kprC_AssertStepDamping(*this);
}

CLS_DEFINE(kprC_ResponseSpectrumStep)
