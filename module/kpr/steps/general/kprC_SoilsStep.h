#pragma once
// The soils step: pore fluid flow with deformation, either transient consolidation or a
// steady-state solution; the only general step that takes load cases.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// Rows in registration order; ranks give the reading (declaration) order.
#define KPRC_SOILSSTEP_ATTRIBUTES(A)                                                      \
    A(nlgeom, nlgeom_, "nlgeom", kprC_Step_NlgeomEnm::OFF)                                \
    A(response, response_, "response", kprC_SoilsStep_SoilsResponseEnm::CONSOLIDATION)    \
    A(end, end_, "end", kprC_UNSET)                                                       \
    A(timePeriod, timePeriod_, "timePeriod", 1.0)                                         \
    KPRC_STABILIZATION_ROWS(A, kprC_SoilsStep_StabilizationMethodEnm, 4)                  \
    KPRC_INCREMENT_ROWS(A)                                                                \
    A(creep, creepBehavior_, "creepBehavior", true)                                       \
    A(cetol, cetol_, "cetol", 0.0)                                                        \
    A(utol, utol_, "utol", 0.0)                                                           \
    A(amplitude, amplitude_, "amplitude", kprC_Step_AmplitudeEnm::STEP)                   \
    A(extrapolation, extrapolation_, "extrapolation", kprC_Step_ExtrapolationEnm::LINEAR) \
    KPRC_CONTACT_ROWS(A, 16)                                                              \
    KPRC_KERNEL_TECHNIQUE_ROWS(A, 19)

class kprC_SoilsStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_SoilsStep, kprC_AnalysisStep, kprC_SoilsStep_TypeId, 851, KPRC_SOILSSTEP_ATTRIBUTES)

    using SoilsResponseEnm = kprC_SoilsStep_SoilsResponseEnm;
    using StabilizationMethodEnm = kprC_SoilsStep_StabilizationMethodEnm;

    kprC_SoilsStep() = default;
    kprC_SoilsStep(kprC_SoilsStep const&) = default;

    bool AllowLoadCases() const override { return true; }
    bool AllowAdaptiveMeshDomains() const override { return true; }
    ResponseEnm Response() const override {
        return response_ == SoilsResponseEnm::CONSOLIDATION ? ResponseEnm::TRANSIENT : ResponseEnm::STEADY_STATE;
    }
    double TimePeriod() const override { return timePeriod_; }
    NlgeomEnm Nlgeom() const override { return nlgeom_; }
    void AssertValid() const override;
    SolutionTechniqueEnm SolutionTechnique() const override { return solutionTechnique_; }
    virtual StabilizationMethodEnm StabilizationMethod() const { return stabilizationMethod_; }
    virtual double StabilizationMagnitude() const { return stabilizationMagnitude_; }

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(constructorCmd, "SoilsStep")
    KPRC_NAME(creepBehaviorCmd, "creep")
    KPRC_NAME(stabilizationCmd, "stabilization")

    NlgeomEnm nlgeom_ = NlgeomEnm::OFF;
    SoilsResponseEnm response_ = SoilsResponseEnm::CONSOLIDATION;
    double end_ = kprC_UNSET;  // change-rate limit that ends a consolidation step
    double timePeriod_ = 1.0;
    StabilizationMethodEnm stabilizationMethod_ = StabilizationMethodEnm::NONE;
    double stabilizationMagnitude_ = kprC_UNSET;
    KPRC_INCREMENT_MEMBERS
    bool creepBehavior_ = true;
    double cetol_ = 0.0;
    double utol_ = 0.0;
    AmplitudeEnm amplitude_ = AmplitudeEnm::STEP;
    ExtrapolationEnm extrapolation_ = ExtrapolationEnm::LINEAR;
    KPRC_CONTACT_MEMBERS
    SolutionTechniqueEnm solutionTechnique_ = SolutionTechniqueEnm::FULL_NEWTON;
    int reformKernel_ = 8;
};
