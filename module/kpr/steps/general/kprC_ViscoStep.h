#pragma once
// The visco step: a transient static step for time-dependent material response (creep,
// viscoelasticity), incremented against a creep strain error tolerance.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

#define KPRC_VISCOSTEP_ATTRIBUTES(A)                                                             \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)                                     \
    A(kprC_ViscoStep_IntegrationEnm, integration, kprC_ViscoStep_IntegrationEnm::IMPLICIT_EXPLICIT) \
    A(double, cetol, 0.0)                                                                        \
    A(double, timePeriod, 1.0)                                                                   \
    KPRC_STABILIZATION_ROWS(A, kprC_ViscoStep_StabilizationMethodEnm)                            \
    KPRC_INCREMENT_ROWS(A)                                                                       \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)                           \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR)             \
    KPRC_CONTACT_ROWS(A)                                                                         \
    KPRC_TECHNIQUE_ROWS(A)

class kprC_ViscoStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_ViscoStep, 851, KPRC_VISCOSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("nlgeom", "integration", "cetol", "timePeriod", "stabilizationMagnitude",
                    "stabilizationMethod", "timeIncrementationMethod", "maxNumInc", "initialInc", "minInc",
                    "maxInc", "applyContactIterations", "contactSolutions", "contactIterations", "amplitude",
                    "extrapolation", "reformKernel", "solutionTechnique")
    CLS_REGISTER_ORDER("nlgeom", "integration", "cetol", "timePeriod", "stabilizationMagnitude",
                       "stabilizationMethod", "timeIncrementationMethod", "maxNumInc", "initialInc", "minInc",
                       "maxInc", "amplitude", "extrapolation", "applyContactIterations", "contactSolutions",
                       "contactIterations", "reformKernel", "solutionTechnique")

    using StabilizationMethodEnm = kprC_ViscoStep_StabilizationMethodEnm;
    using IntegrationEnm = kprC_ViscoStep_IntegrationEnm;

    kprC_ViscoStep() = default;

    void AssertValid() const override;
    KPRC_STABILIZATION_ANSWERS(StabilizationMethodEnm)

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(stabilizationCmd, "stabilization")
};
