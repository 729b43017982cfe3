#pragma once
// The direct steady-state dynamic step: the harmonic response over frequency ranges,
// solved directly in physical coordinates with a real or complex factorization.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyRanges.h"

#define KPRC_STEADYSTATEDIRECTSTEP_ATTRIBUTES(A)                                                              \
    A(kprC_SteadyStateDirectStep_FactorizationEnm, factorization, kprC_SteadyStateDirectStep_FactorizationEnm::COMPLEX) \
    A(cow_List<kprC_SteadyStateDirectFrequency>, frequencyRange, {})                                          \
    A(kprC_SteadyStateDirectStep_ScaleEnm, scale, kprC_SteadyStateDirectStep_ScaleEnm::LOGARITHMIC)           \
    A(double, timePeriod, 0.0)                                                                                \
    A(bool, subdivideUsingEigenfrequencies, false)

class kprC_SteadyStateDirectStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_SteadyStateDirectStep, 831, KPRC_STEADYSTATEDIRECTSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("frequencyRange", "scale", "factorization", "timePeriod", "subdivideUsingEigenfrequencies")

    using FactorizationEnm = kprC_SteadyStateDirectStep_FactorizationEnm;
    using ScaleEnm = kprC_SteadyStateDirectStep_ScaleEnm;

    kprC_SteadyStateDirectStep() = default;

    void AssertValid() const override;
};
