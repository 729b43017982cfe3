#pragma once
// The modal steady-state dynamic step: the harmonic response over frequency ranges by
// superposition of eigenmodes, with mode-based or frequency-based damping. Its composite
// damping is stored ahead of the base part.
#include "module/kpr/damping/kprC_StepDamping.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyRanges.h"

#define KPRC_STEADYSTATEMODALSTEP_ATTRIBUTES(A)                                                          \
    A(cow_List<kprC_SteadyStateModalFrequency>, frequencyRange, {})                                      \
    A(kprC_SteadyStateModalStep_ScaleEnm, scale, kprC_SteadyStateModalStep_ScaleEnm::LOGARITHMIC)        \
    A(bool, subdivideUsingEigenfrequencies, true)                                                        \
    KPRC_ALL_DAMPING_ROWS(A)                                                                             \
    A(double, timePeriod, 0.0)

class kprC_SteadyStateModalStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_SteadyStateModalStep, 831, KPRC_STEADYSTATEMODALSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("compositeDamping", "frequencyRange", "scale", "directDamping", "rayleighDamping",
                    "structuralDamping", "timePeriod", "subdivideUsingEigenfrequencies", "directDampingByFrequency",
                    "rayleighDampingByFrequency", "structuralDampingByFrequency")
    CLS_WRITE_BEFORE_BASE(1)
    CLS_REGISTER_ORDER("frequencyRange", "scale", "compositeDamping", "directDamping", "rayleighDamping",
                       "structuralDamping", "timePeriod", "subdivideUsingEigenfrequencies", "directDampingByFrequency",
                       "rayleighDampingByFrequency", "structuralDampingByFrequency")

    using ScaleEnm = kprC_SteadyStateModalStep_ScaleEnm;

    kprC_SteadyStateModalStep() = default;

    void AssertValid() const override;
};
