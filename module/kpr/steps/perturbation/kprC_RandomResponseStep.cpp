#include "module/kpr/steps/perturbation/kprC_RandomResponseStep.h"

// An empty list of frequency ranges passes.
void kprC_RandomResponseStep::AssertValid() const {
    kprC_Assert(matrixSolver() == MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_AssertEach(freq_);
    bool const modes = kprC_AssertEachPresent(directDamping_, compositeDamping_, rayleighDamping_, structuralDamping_);
    bool const frequencies = kprC_AssertEachPresent(directDampingByFrequency_, rayleighDampingByFrequency_,
                                                    structuralDampingByFrequency_);
    kprC_AssertDampingNotMixed(modes, frequencies);
}

CLS_DEFINE(kprC_RandomResponseStep)
