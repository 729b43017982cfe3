#pragma once
// The implicit dynamic step: direct integration of the equations of motion over a time
// period, with automatic incrementation controlled by the half-increment residual, and
// numerical damping through alpha.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

#define KPRC_IMPLICITDYNAMICSSTEP_ATTRIBUTES(A)                                       \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)                          \
    A(bool, adiabatic, false)                                                         \
    A(double, timePeriod, 1.0)                                                        \
    KPRC_INCREMENT_ROWS(A)                                                            \
    A(double, haftol, 0.0)                                                            \
    A(bool, nohaf, false)                                                             \
    A(bool, initialConditions, true)                                                  \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)                \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR)  \
    A(double, alpha, -0.05)                                                           \
    A(bool, noStop, false)                                                            \
    KPRC_TECHNIQUE_ROWS(A)

class kprC_ImplicitDynamicsStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_ImplicitDynamicsStep, 851, KPRC_IMPLICITDYNAMICSSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("nlgeom", "adiabatic", "timePeriod", "timeIncrementationMethod", "maxNumInc", "initialInc",
                    "minInc", "maxInc", "haftol", "nohaf", "initialConditions", "amplitude", "extrapolation", "alpha",
                    "noStop", "reformKernel", "solutionTechnique")

    kprC_ImplicitDynamicsStep() = default;

    void AssertValid() const override;

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }
};
