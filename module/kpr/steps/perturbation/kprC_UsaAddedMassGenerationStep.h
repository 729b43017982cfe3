#pragma once
// The step that generates the added mass of a surrounding fluid (USA) for the structure.
// It carries its own nonlinear-geometry setting; every state is valid.
#include "module/kpr/steps/kprC_AnalysisStep.h"

#define KPRC_USAADDEDMASSGENERATIONSTEP_ATTRIBUTES(A)       \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF) \
    A(double, timePeriod, 0.0)

class kprC_UsaAddedMassGenerationStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_UsaAddedMassGenerationStep, 831, KPRC_USAADDEDMASSGENERATIONSTEP_ATTRIBUTES)

    kprC_UsaAddedMassGenerationStep() = default;

    void AssertValid() const override {}
};
