#pragma once
// The visco step: a transient static step for time-dependent material response (creep,
// viscoelasticity), incremented against a creep strain error tolerance.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// Rows in registration order; ranks give the reading (declaration) order.
#define KPRC_VISCOSTEP_ATTRIBUTES(A)                                                              \
    A(nlgeom, nlgeom_, "nlgeom", kprC_Step_NlgeomEnm::OFF)                                        \
    A(integration, integration_, "integration", kprC_ViscoStep_IntegrationEnm::IMPLICIT_EXPLICIT) \
    A(cetol, cetol_, "cetol", 0.0)                                                                \
    A(timePeriod, timePeriod_, "timePeriod", 1.0)                                                 \
    KPRC_STABILIZATION_ROWS(A, kprC_ViscoStep_StabilizationMethodEnm, 4)                          \
    KPRC_INCREMENT_ROWS(A)                                                                        \
    A(amplitude, amplitude_, "amplitude", kprC_Step_AmplitudeEnm::STEP)                           \
    A(extrapolation, extrapolation_, "extrapolation", kprC_Step_ExtrapolationEnm::LINEAR)         \
    KPRC_CONTACT_ROWS(A, 13)                                                                      \
    KPRC_KERNEL_TECHNIQUE_ROWS(A, 16)

class kprC_ViscoStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_ViscoStep, kprC_AnalysisStep, kprC_ViscoStep_TypeId, 851, KPRC_VISCOSTEP_ATTRIBUTES)

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

    NlgeomEnm nlgeom_ = NlgeomEnm::OFF;
    IntegrationEnm integration_ = IntegrationEnm::IMPLICIT_EXPLICIT;
    double cetol_ = 0.0;
    double timePeriod_ = 1.0;
    StabilizationMethodEnm stabilizationMethod_ = StabilizationMethodEnm::NONE;
    double stabilizationMagnitude_ = kprC_UNSET;
    KPRC_INCREMENT_MEMBERS
    AmplitudeEnm amplitude_ = AmplitudeEnm::STEP;
    ExtrapolationEnm extrapolation_ = ExtrapolationEnm::LINEAR;
    KPRC_CONTACT_MEMBERS
    SolutionTechniqueEnm solutionTechnique_ = SolutionTechniqueEnm::FULL_NEWTON;
    int reformKernel_ = 8;
};
