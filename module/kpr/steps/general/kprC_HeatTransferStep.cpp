#include "module/kpr/steps/general/kprC_HeatTransferStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_HeatTransferStep::AssertValid() const {
    bool const transient = response_ == ResponseEnm::TRANSIENT;
    kprC_Assert(matrixSolver() != MatrixSolverEnm::DDM_ITERATIVE || response_ == ResponseEnm::STEADY_STATE,
                kprC_ITERATIVE_SOLVER_TRANSIENT_HEAT);
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "A");
    kprC_Assert(mxdem_ >= 0.0, kprC_INVALID_MXDEM);
    kprC_AssertIncrements(increments, "B");
    if (transient) kprC_Assert(end_ > 0.0, kprC_CHANGE_RATE_NOT_POSITIVE);
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::FIXED) {
        kprC_AssertIncrements(increments, "CD");
    } else {
        kprC_AssertIncrements(increments, "CDEFGIHK");
        if (transient && end_ == kprC_UNSET) kprC_Assert(deltmx_ > 0.0, kprC_DELTMX_REQUIRED);
    }
    kprC_AssertQuasiNewton(solutionTechnique_, matrixSolver());
}

CLS_DEFINE(kprC_HeatTransferStep)
