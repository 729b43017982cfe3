#include "module/kpr/steps/perturbation/kprC_ModalDynamicsStep.h"

#include "module/kpr/steps/kprC_StepRules.h"

void kprC_ModalDynamicsStep::AssertValid() const {
    kprC_Assert(matrixSolver() == MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_Assert(timePeriod_ > 0.0, kprC_TIME_PERIOD_NOT_POSITIVE);
    kprC_Assert(incSize_ > 0.0 && incSize_ <= timePeriod_, kprC_INVALID_FIXED_INC_SIZE);
    kprC_AssertStepDamping(*this);
}

CLS_DEFINE(kprC_ModalDynamicsStep)
