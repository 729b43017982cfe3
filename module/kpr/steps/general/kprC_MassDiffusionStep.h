#pragma once
// The mass diffusion step: transient or steady-state diffusion of a species through a
// body, driven by normalized concentration. Starts with the unsymmetric direct solver.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// `end` is the end rate of change of normalized concentration: unlike the thermal steps
// it starts at 0.0, which is what "no steady-state end criterion" means here. `dcmax` is
// the maximum normalized concentration change per increment.
#define KPRC_MASSDIFFUSIONSTEP_ATTRIBUTES(A)                                         \
    A(kprC_Step_ResponseEnm, response, kprC_Step_ResponseEnm::TRANSIENT)             \
    A(double, end, 0.0)                                                              \
    A(double, timePeriod, 1.0)                                                       \
    KPRC_INCREMENT_ROWS(A)                                                           \
    A(double, dcmax, 0.0)                                                            \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)               \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR)

class kprC_MassDiffusionStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_MassDiffusionStep, 831, KPRC_MASSDIFFUSIONSTEP_ATTRIBUTES)

    kprC_MassDiffusionStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_UNSYMMETRIC) {}

    void AssertValid() const override;
};
