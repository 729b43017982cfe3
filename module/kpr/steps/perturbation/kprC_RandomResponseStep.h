#pragma once
// The random response step: the response to random excitation given by power spectral
// densities over frequency ranges, by superposition of eigenmodes, with mode-based or
// frequency-based damping.
#include "module/kpr/damping/kprC_StepDamping.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyRanges.h"

#define KPRC_RANDOMRESPONSESTEP_ATTRIBUTES(A)                                                      \
    A(cow_List<kprC_RandomResponseFrequency>, freq, {})                                            \
    A(kprC_RandomResponseStep_ScaleEnm, scale, kprC_RandomResponseStep_ScaleEnm::LOGARITHMIC)      \
    KPRC_ALL_DAMPING_ROWS(A)                                                                             \
    A(double, timePeriod, 0.0)

class kprC_RandomResponseStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_RandomResponseStep, 831, KPRC_RANDOMRESPONSESTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("freq", "scale", "compositeDamping", "directDamping", "rayleighDamping", "structuralDamping",
                    "timePeriod", "directDampingByFrequency", "rayleighDampingByFrequency",
                    "structuralDampingByFrequency")

    using ScaleEnm = kprC_RandomResponseStep_ScaleEnm;

    kprC_RandomResponseStep() = default;

    void AssertValid() const override;

    KPRC_NAME(randomResponseStepCmd, "randomResponseStep")
};
