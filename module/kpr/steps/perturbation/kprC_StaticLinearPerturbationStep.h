#pragma once
// The linear perturbation step about the base state: a static response to the step's
// loads or load cases. Every state is valid.
#include "module/kpr/steps/kprC_AnalysisStep.h"

#define KPRC_STATICLINEARPERTURBATIONSTEP_ATTRIBUTES(A) A(double, timePeriod, 0.0)

class kprC_StaticLinearPerturbationStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_StaticLinearPerturbationStep, 831, KPRC_STATICLINEARPERTURBATIONSTEP_ATTRIBUTES)

    kprC_StaticLinearPerturbationStep() = default;

    void AssertValid() const override {}

    KPRC_NAME(staticLinearPerturbationStepCmd, "staticLinearPerturbationStep")
};
