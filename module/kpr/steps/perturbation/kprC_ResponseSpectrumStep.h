#pragma once
// The response spectrum step: peak response estimated from response spectra in up to
// three directions, with the modal and directional summation rules, and mode-based or
// frequency-based damping. Its composite damping is stored ahead of the base part.
#include "module/kpr/damping/kprC_StepDamping.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyRanges.h"

#define KPRC_RESPONSESPECTRUMSTEP_ATTRIBUTES(A)                                                                 \
    A(kprC_ResponseSpectrumStep_CompEnm, comp, kprC_ResponseSpectrumStep_CompEnm::SINGLE_DIRECTION)             \
    A(kprC_ResponseSpectrumStep_SummationEnm, summation, kprC_ResponseSpectrumStep_SummationEnm::ABS, .Script("sum")) \
    A(cow_List<kprC_ResponseSpectrumComponent>, components, {})                                                 \
    KPRC_MODE_DAMPING_ROWS(A)                                                                                   \
    KPRC_FREQUENCY_DAMPING_ROWS(A)                                                                              \
    A(double, timePeriod, 0.0)

class kprC_ResponseSpectrumStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_ResponseSpectrumStep, 831, KPRC_RESPONSESPECTRUMSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("compositeDamping", "comp", "summation", "components", "directDamping", "rayleighDamping",
                    "timePeriod", "directDampingByFrequency", "rayleighDampingByFrequency")
    CLS_WRITE_BEFORE_BASE(1)
    CLS_REGISTER_ORDER("comp", "summation", "components", "directDamping", "rayleighDamping", "compositeDamping",
                       "directDampingByFrequency", "rayleighDampingByFrequency", "timePeriod")

    using CompEnm = kprC_ResponseSpectrumStep_CompEnm;
    using SummationEnm = kprC_ResponseSpectrumStep_SummationEnm;

    kprC_ResponseSpectrumStep() = default;

    void AssertValid() const override;
};
