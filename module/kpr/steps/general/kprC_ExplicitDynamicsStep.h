#pragma once
// The explicit dynamic step: time integration on the Explicit solver over a time period,
// with an automatic or fixed time increment, bulk viscosity and the mass scaling
// definitions the step applies. Its rows and rules are shared with the explicit coupled
// temperature-displacement step, which has no adiabatic setting. A maxIncrement of 0.0,
// which stored files may hold, passes validation and means no upper limit, like unset.
#include "module/kpr/kprC_assert.h"
#include "module/kpr/massscaling/kprC_MassScaling.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepRules.h"

using kprC_MassScalingList = cow_List<kprC_MassScaling>;

#define KPRC_EXPLICIT_HEAD_ROWS(A, MethodEnm)                 \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::ON)   \
    A(MethodEnm, timeIncrementationMethod, MethodEnm::AUTOMATIC_GLOBAL)
#define KPRC_EXPLICIT_TAIL_ROWS(A)              \
    A(double, timePeriod, 1.0)                  \
    A(double, userDefinedInc, kprC_UNSET)       \
    A(double, maxIncrement, kprC_UNSET)         \
    A(double, scaleFactor, 1.0)                 \
    A(double, linearBulkViscosity, 0.06)        \
    A(double, quadBulkViscosity, 1.2)           \
    A(kprC_MassScalingList, massScaling, {})

#define KPRC_EXPLICITDYNAMICSSTEP_ATTRIBUTES(A)                                       \
    KPRC_EXPLICIT_HEAD_ROWS(A, kprC_ExplicitDynamicsStep_TimeIncrementationMethodEnm) \
    A(bool, adiabatic, false)                                                         \
    KPRC_EXPLICIT_TAIL_ROWS(A)

class kprC_ExplicitDynamicsStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_ExplicitDynamicsStep, 831, KPRC_EXPLICITDYNAMICSSTEP_ATTRIBUTES)

    using TimeIncrementationMethodEnm = kprC_ExplicitDynamicsStep_TimeIncrementationMethodEnm;

    kprC_ExplicitDynamicsStep() = default;

    void AssertValid() const override;
};

// The rules of both explicit dynamic steps, in order, then each mass scaling definition
// in list order.
template <class Step>
void kprC_AssertExplicitStep(Step const& s) {
    kprC_Assert(s.matrixSolver() == kprC_Step::MatrixSolverEnm::SOLVER_DEFAULT, kprC_INVALID_SOLVER);
    kprC_Assert(s.timePeriod() > 0.0, kprC_TIME_PERIOD_NOT_POSITIVE);
    kprC_Assert(s.maxIncrement() >= 0.0, kprC_MAX_INC_NOT_POSITIVE);
    kprC_Assert(s.scaleFactor() > 0.0, kprC_INVALID_INC_SCALE_FACTOR);
    kprC_Assert(s.userDefinedInc() > 0.0, kprC_INVALID_FIXED_INC_SIZE);
    if (s.timeIncrementationMethod() == Step::TimeIncrementationMethodEnm::FIXED_USER_DEFINED_INC)
        kprC_Assert(s.userDefinedInc() <= s.timePeriod(), kprC_INVALID_FIXED_INC_SIZE);
    kprC_Assert(s.linearBulkViscosity() >= 0.0, kprC_INVALID_LINEAR_BULK_VISCOSITY);
    kprC_Assert(s.quadBulkViscosity() >= 0.0, kprC_INVALID_QUADRATIC_BULK_VISCOSITY);
    for (auto const& definition : s.massScaling()) definition.AssertValid();
}
