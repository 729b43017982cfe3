#pragma once
// The soils step: pore fluid flow with deformation, either transient consolidation or a
// steady-state solution; the only general step that takes load cases.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// `end` is the change-rate limit that ends a consolidation step.
#define KPRC_SOILSSTEP_ATTRIBUTES(A)                                                      \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)                              \
    A(kprC_SoilsStep_SoilsResponseEnm, response, kprC_SoilsStep_SoilsResponseEnm::CONSOLIDATION) \
    A(double, end, kprC_UNSET)                                                            \
    A(double, timePeriod, 1.0)                                                            \
    KPRC_STABILIZATION_ROWS(A, kprC_SoilsStep_StabilizationMethodEnm)                     \
    KPRC_INCREMENT_ROWS(A)                                                                \
    A(bool, creepBehavior, true, .Script("creep"))                                        \
    A(double, cetol, 0.0)                                                                 \
    A(double, utol, 0.0)                                                                  \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)                    \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR)      \
    KPRC_CONTACT_ROWS(A)                                                                  \
    KPRC_TECHNIQUE_ROWS(A)

class kprC_SoilsStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_SoilsStep, 851, KPRC_SOILSSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("nlgeom", "response", "end", "timePeriod", "stabilizationMagnitude", "stabilizationMethod",
                    "timeIncrementationMethod", "maxNumInc", "initialInc", "minInc", "maxInc", "creepBehavior",
                    "cetol", "utol", "applyContactIterations", "contactSolutions", "contactIterations",
                    "amplitude", "extrapolation", "reformKernel", "solutionTechnique")
    CLS_REGISTER_ORDER("nlgeom", "response", "end", "timePeriod", "stabilizationMagnitude",
                       "stabilizationMethod", "timeIncrementationMethod", "maxNumInc", "initialInc", "minInc",
                       "maxInc", "creepBehavior", "cetol", "utol", "amplitude", "extrapolation",
                       "applyContactIterations", "contactSolutions", "contactIterations", "reformKernel",
                       "solutionTechnique")

    using SoilsResponseEnm = kprC_SoilsStep_SoilsResponseEnm;
    using StabilizationMethodEnm = kprC_SoilsStep_StabilizationMethodEnm;

    kprC_SoilsStep() = default;

    static ResponseEnm ResponseOf(SoilsResponseEnm r) {
        return r == SoilsResponseEnm::CONSOLIDATION ? ResponseEnm::TRANSIENT : ResponseEnm::STEADY_STATE;
    }
    void AssertValid() const override;
    KPRC_STABILIZATION_ANSWERS(StabilizationMethodEnm)

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(stabilizationCmd, "stabilization")
};
