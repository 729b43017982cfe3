#pragma once
// The modal dynamic step: transient response by superposition of the eigenmodes of an
// earlier frequency step, at a fixed increment, with mode-based or frequency-based damping.
#include "module/kpr/damping/kprC_StepDamping.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"

#define KPRC_MODALDYNAMICSSTEP_ATTRIBUTES(A)                              \
    A(bool, continueAnalysis, false)                                      \
    A(double, timePeriod, 1.0)                                            \
    A(double, incSize, 0.0)                                               \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)    \
    KPRC_MODE_DAMPING_ROWS(A)                                             \
    KPRC_FREQUENCY_DAMPING_ROWS(A)

class kprC_ModalDynamicsStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_ModalDynamicsStep, 831, KPRC_MODALDYNAMICSSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("continueAnalysis", "timePeriod", "incSize", "amplitude", "compositeDamping", "directDamping",
                    "rayleighDamping", "directDampingByFrequency", "rayleighDampingByFrequency")
    CLS_REGISTER_ORDER("compositeDamping", "continueAnalysis", "timePeriod", "incSize", "amplitude", "directDamping",
                       "rayleighDamping", "directDampingByFrequency", "rayleighDampingByFrequency")

    kprC_ModalDynamicsStep() = default;

    void AssertValid() const override;
};
