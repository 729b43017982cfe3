#pragma once
// The general static step: nonlinear static equilibrium over a time period, with
// optional stabilization, contact iterations and a chosen solution technique.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

#define KPRC_STATICSTEP_ATTRIBUTES(A)                                                 \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)                          \
    A(bool, adiabatic, false)                                                         \
    A(double, timePeriod, 1.0)                                                        \
    KPRC_STABILIZATION_ROWS(A, kprC_StaticStep_StabilizationEnm)                      \
    KPRC_INCREMENT_ROWS(A)                                                            \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::RAMP)                \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR)  \
    A(bool, noStop, false)                                                            \
    A(cow_String, fullyPlastic, "")                                                   \
    KPRC_CONTACT_ROWS(A)                                                              \
    A(bool, useLongTermSolution, false)                                               \
    KPRC_TECHNIQUE_ROWS(A)

class kprC_StaticStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_StaticStep, 851, KPRC_STATICSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("nlgeom", "adiabatic", "timePeriod", "stabilizationMagnitude", "stabilizationMethod",
                    "timeIncrementationMethod", "maxNumInc", "initialInc", "minInc", "maxInc", "amplitude",
                    "extrapolation", "noStop", "fullyPlastic", "applyContactIterations", "contactSolutions",
                    "contactIterations", "useLongTermSolution", "reformKernel", "solutionTechnique")

    using StabilizationEnm = kprC_StaticStep_StabilizationEnm;

    kprC_StaticStep() = default;

    void AssertValid() const override;
    KPRC_STABILIZATION_ANSWERS(StabilizationEnm)

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(stabilizationCmd, "stabilization")
};
