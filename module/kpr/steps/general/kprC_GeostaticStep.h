#pragma once
// The geostatic step: establishes the initial stress equilibrium of a soil or rock body
// under gravity before the analysis proper.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

#define KPRC_GEOSTATICSTEP_ATTRIBUTES(A)                         \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)     \
    A(double, timePeriod, 0.0)                                   \
    KPRC_CONTACT_ROWS(A)                                         \
    KPRC_TECHNIQUE_ROWS(A)

class kprC_GeostaticStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_GeostaticStep, 851, KPRC_GEOSTATICSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("nlgeom", "timePeriod", "applyContactIterations", "contactSolutions", "contactIterations",
                    "reformKernel", "solutionTechnique")

    kprC_GeostaticStep() = default;

    void AssertValid() const override;
};
