#include "module/kpr/steps/general/kprC_CoupledTempDisplacementStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_CoupledTempDisplacementStep::AssertValid() const {
    kprC_AssertCoupledSolver(solutionTechnique_, matrixSolver(), true);
    auto const increments = kprC_IncrementsOf(*this);
    kprC_AssertIncrements(increments, "AB");
    kprC_Assert(creepIntegration_ != CreepIntegrationEnm::IMPLICIT, kprC_INVALID_CREEP_INTEGRATION);
    if (timeIncrementationMethod_ == TimeIncrementationMethodEnm::FIXED) {
        kprC_AssertIncrements(increments, "CD");
    } else {
        kprC_AssertIncrements(increments, "CEFDGHIK");
        if (response_ == ResponseEnm::TRANSIENT) {
            if (creepIntegration_ != CreepIntegrationEnm::CREEP_OFF)
                kprC_Assert(cetol_ > 0.0 || deltmx_ > 0.0, kprC_CETOL_OR_DELTMX_REQUIRED);
            else
                kprC_Assert(deltmx_ > 0.0, kprC_DELTMX_REQUIRED);
        }
    }
    kprC_Assert(stabilizationMethod_ != StabilizationMethodEnm::NONE || stabilizationMagnitude_ == kprC_UNSET,
                kprC_STABILIZATION_METHOD_REQUIRED);
}

CLS_DEFINE(kprC_CoupledTempDisplacementStep)
