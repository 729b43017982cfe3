#pragma once
// The linear perturbation step about the base state: a static response to the step's
// loads or load cases. Every state is valid.
#include "module/kpr/steps/kprC_AnalysisStep.h"

#define KPRC_STATICLINEARPERTURBATIONSTEP_ATTRIBUTES(A) A(double, timePeriod, 0.0)

class kprC_StaticLinearPerturbationStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_StaticLinearPerturbationStep, kprC_AnalysisStep, kprC_StaticLinearPerturbationStep_TypeId,
                   831, KPRC_STATICLINEARPERTURBATIONSTEP_ATTRIBUTES)

    kprC_StaticLinearPerturbationStep() = default;
    kprC_StaticLinearPerturbationStep(kprC_StaticLinearPerturbationStep const&) = default;

    bool AllowLoadCases() const override { return true; }
    double TimePeriod() const override { return timePeriod_; }
    void AssertValid() const override {}

    KPRC_NAME(constructorCmd, "StaticLinearPerturbationStep")
    KPRC_NAME(staticLinearPerturbationStepCmd, "staticLinearPerturbationStep")
};
