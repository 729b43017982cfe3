#pragma once
// The explicit coupled temperature-displacement dynamic step: the explicit dynamic
// step's settings and rules without its adiabatic setting.
#include "module/kpr/steps/general/kprC_ExplicitDynamicsStep.h"

#define KPRC_TEMPDISPLACEMENTDYNAMICSSTEP_ATTRIBUTES(A)                                        \
    KPRC_EXPLICIT_HEAD_ROWS(A, kprC_TempDisplacementDynamicsStep_TimeIncrementationMethodEnm) \
    KPRC_EXPLICIT_TAIL_ROWS(A)

class kprC_TempDisplacementDynamicsStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_TempDisplacementDynamicsStep, 831, KPRC_TEMPDISPLACEMENTDYNAMICSSTEP_ATTRIBUTES)

    using TimeIncrementationMethodEnm = kprC_TempDisplacementDynamicsStep_TimeIncrementationMethodEnm;

    kprC_TempDisplacementDynamicsStep() = default;

    void AssertValid() const override { kprC_AssertExplicitStep(*this); }
};
