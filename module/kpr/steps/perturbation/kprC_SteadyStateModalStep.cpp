#include "module/kpr/steps/perturbation/kprC_SteadyStateModalStep.h"

void kprC_SteadyStateModalStep::AssertValid() const {
    kprC_Assert(matrixSolver() == MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_Assert(!frequencyRange_.empty(), kprC_NO_FREQUENCY_RANGE);
    kprC_AssertEach(frequencyRange_);
    bool const modes = kprC_AssertEachPresent(directDamping_, compositeDamping_, rayleighDamping_, structuralDamping_);
    bool const frequencies = kprC_AssertEachPresent(directDampingByFrequency_, rayleighDampingByFrequency_,
                                                    structuralDampingByFrequency_);
    kprC_AssertDampingNotMixed(modes, frequencies);
}

CLS_DEFINE(kprC_SteadyStateModalStep)
