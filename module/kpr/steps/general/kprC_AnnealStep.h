#pragma once
// The anneal step: resets stresses and plastic strains of the model to a relaxed state
// at a reference temperature. Runs on the Explicit solver and accepts every state.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepRules.h"

// `refTemp` is the reference temperature.
#define KPRC_ANNEALSTEP_ATTRIBUTES(A)     \
    A(double, refTemp, kprC_UNSET)        \
    A(double, timePeriod, 0.0)

class kprC_AnnealStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_AnnealStep, 831, KPRC_ANNEALSTEP_ATTRIBUTES)

    using MaintainCurrentEnm = kprC_AnnealStep_MaintainCurrentEnm;

    kprC_AnnealStep() = default;

    void AssertValid() const override {}
};
