#include "module/kpr/steps/perturbation/kprC_ComplexFrequencyStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_ComplexFrequencyStep::AssertValid() const {
    kprC_AssertEigenRange(maxEigen_, numEigen_);
    kprC_Assert(matrixSolver() != MatrixSolverEnm::DDM_ITERATIVE, kprC_INVALID_SOLVER);
    kprC_Assert(propertyEvaluationFrequency_ > 0.0, kprC_PROPERTY_EVALUATION_NOT_POSITIVE);
}

CLS_DEFINE(kprC_ComplexFrequencyStep)
