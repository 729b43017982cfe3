#include "module/kpr/steps/general/kprC_SubspaceDynamicsStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_SubspaceDynamicsStep::AssertValid() const {
    kprC_Assert(matrixSolver() == MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_Assert(vectors_ >= 0, kprC_SUBSPACE_MODES_NOT_POSITIVE);
    kprC_AssertIncrements({timePeriod_, maxNumInc_, 0.0, 0.0, 0.0}, "A");
    kprC_Assert(incSize_ > 0.0, kprC_INVALID_FIXED_INC_SIZE);
    kprC_AssertIncrements({timePeriod_, maxNumInc_, 0.0, 0.0, 0.0}, "B");
}

CLS_DEFINE(kprC_SubspaceDynamicsStep)
