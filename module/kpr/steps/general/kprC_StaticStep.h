#pragma once
// The general static step: nonlinear static equilibrium over a time period, with
// optional stabilization, contact iterations and a chosen solution technique.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// Rows in stored order; ranks give the reading (declaration) order.
#define KPRC_STATICSTEP_ATTRIBUTES(A)                                                     \
    A(nlgeom, nlgeom_, "nlgeom", kprC_Step_NlgeomEnm::OFF)                                \
    A(adiabatic, adiabatic_, "adiabatic", false)                                          \
    A(timePeriod, timePeriod_, "timePeriod", 1.0)                                         \
    KPRC_STABILIZATION_ROWS(A, kprC_StaticStep_StabilizationEnm, 3)                       \
    KPRC_INCREMENT_ROWS(A)                                                                \
    A(amplitude, amplitude_, "amplitude", kprC_Step_AmplitudeEnm::RAMP)                   \
    A(extrapolation, extrapolation_, "extrapolation", kprC_Step_ExtrapolationEnm::LINEAR) \
    A(noStop, noStop_, "noStop", false)                                                   \
    A(fullyPlastic, fullyPlastic_, "fullyPlastic", "")                                    \
    KPRC_CONTACT_ROWS(A, 14)                                                              \
    A(useLongTermSolution, useLongTermSolution_, "useLongTermSolution", false)            \
    KPRC_KERNEL_TECHNIQUE_ROWS(A, 18)

class kprC_StaticStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_StaticStep, kprC_AnalysisStep, kprC_StaticStep_TypeId, 851, KPRC_STATICSTEP_ATTRIBUTES)

    using StabilizationEnm = kprC_StaticStep_StabilizationEnm;

    kprC_StaticStep() = default;
    kprC_StaticStep(kprC_StaticStep const&) = default;

    bool IsAdiabatic() const override { return adiabatic_; }
    bool AllowAdaptiveMeshDomains() const override { return true; }
    double TimePeriod() const override { return timePeriod_; }
    NlgeomEnm Nlgeom() const override { return nlgeom_; }
    void AssertValid() const override;
    SolutionTechniqueEnm SolutionTechnique() const override { return solutionTechnique_; }
    virtual StabilizationEnm StabilizationMethod() const { return stabilizationMethod_; }
    virtual double StabilizationMagnitude() const { return stabilizationMagnitude_; }

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(constructorCmd, "StaticStep")
    KPRC_NAME(stabilizationCmd, "stabilization")

    NlgeomEnm nlgeom_ = NlgeomEnm::OFF;
    bool adiabatic_ = false;
    double timePeriod_ = 1.0;
    StabilizationEnm stabilizationMethod_ = StabilizationEnm::NONE;
    double stabilizationMagnitude_ = kprC_UNSET;
    KPRC_INCREMENT_MEMBERS
    AmplitudeEnm amplitude_ = AmplitudeEnm::RAMP;
    ExtrapolationEnm extrapolation_ = ExtrapolationEnm::LINEAR;
    bool noStop_ = false;
    cow_String fullyPlastic_;
    KPRC_CONTACT_MEMBERS
    bool useLongTermSolution_ = false;
    SolutionTechniqueEnm solutionTechnique_ = SolutionTechniqueEnm::FULL_NEWTON;
    int reformKernel_ = 8;
};
