#include "module/kpr/steps/general/kprC_CoupledThermalElectricStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_CoupledThermalElectricStep::AssertValid() const {
    kprC_AssertCoupledSolver(solutionTechnique_, matrixSolver(), false);
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "A");
    kprC_Assert(mxdem_ >= 0.0, kprC_INVALID_MXDEM);
    kprC_AssertIncrements(increments, "B");
    bool const transient = response_ == ResponseEnm::TRANSIENT;
    if (transient) kprC_Assert(end_ > 0.0, kprC_CHANGE_RATE_NOT_POSITIVE);
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::FIXED) {
        kprC_AssertIncrements(increments, "CD");
    } else {
        kprC_AssertIncrements(increments, "CDEFGHIK");
        if (transient && end_ == kprC_UNSET) kprC_Assert(deltmx_ > 0.0, kprC_DELTMX_REQUIRED);
    }
}

CLS_DEFINE(kprC_CoupledThermalElectricStep)
