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
    CLS_PERSISTENT(kprC_ViscoStep, kprC_AnalysisStep, kprC_ViscoStep_TypeId, 851, KPRC_VISCOSTEP_ATTRIBUTES)
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
    kprC_ViscoStep(kprC_ViscoStep const&) = default;

    double TimePeriod() const override { return timePeriod_; }
    NlgeomEnm Nlgeom() const override { return nlgeom_; }
    void AssertValid() const override;
    SolutionTechniqueEnm SolutionTechnique() const override { return solutionTechnique_; }
    virtual StabilizationMethodEnm StabilizationMethod() const { return stabilizationMethod_; }
    virtual double StabilizationMagnitude() const { return stabilizationMagnitude_; }

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(constructorCmd, "ViscoStep")
    KPRC_NAME(stabilizationCmd, "stabilization")
};
