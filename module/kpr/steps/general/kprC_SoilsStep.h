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
    CLS_PERSISTENT(kprC_SoilsStep, kprC_AnalysisStep, kprC_SoilsStep_TypeId, 851, KPRC_SOILSSTEP_ATTRIBUTES)
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
    KPRC_NAME(stabilizationCmd, "stabilization")
};
