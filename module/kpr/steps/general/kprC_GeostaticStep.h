#pragma once
// The geostatic step: establishes the initial stress equilibrium of a soil or rock body
// under gravity before the analysis proper.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// Rows in stored order; ranks give the reading (declaration) order.
#define KPRC_GEOSTATICSTEP_ATTRIBUTES(A)                   \
    A(nlgeom, nlgeom_, "nlgeom", kprC_Step_NlgeomEnm::OFF) \
    A(timePeriod, timePeriod_, "timePeriod", 0.0)          \
    KPRC_CONTACT_ROWS(A, 2)                                \
    KPRC_KERNEL_TECHNIQUE_ROWS(A, 5)

class kprC_GeostaticStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_GeostaticStep, kprC_AnalysisStep, kprC_GeostaticStep_TypeId, 851,
                   KPRC_GEOSTATICSTEP_ATTRIBUTES)

    kprC_GeostaticStep() = default;
    kprC_GeostaticStep(kprC_GeostaticStep const&) = default;

    double TimePeriod() const override { return timePeriod_; }
    NlgeomEnm Nlgeom() const override { return nlgeom_; }
    void AssertValid() const override;
    SolutionTechniqueEnm SolutionTechnique() const override { return solutionTechnique_; }

    KPRC_NAME(constructorCmd, "GeostaticStep")

    NlgeomEnm nlgeom_ = NlgeomEnm::OFF;
    double timePeriod_ = 0.0;
    KPRC_CONTACT_MEMBERS
    SolutionTechniqueEnm solutionTechnique_ = SolutionTechniqueEnm::FULL_NEWTON;
    int reformKernel_ = 8;
};
