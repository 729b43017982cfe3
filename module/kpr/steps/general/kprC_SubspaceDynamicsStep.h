#pragma once
// The subspace-projection dynamic step: integration of the equations of motion projected
// on a number of eigenmodes, at a fixed increment. `vectors` 0, its initial value, which
// the step accepts, means every mode extracted (SubspaceAllEnm ALL); a positive number
// is the count of modes used (SPECIFIED_MODES).
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

#define KPRC_SUBSPACEDYNAMICSSTEP_ATTRIBUTES(A)                           \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)              \
    A(int, vectors, 0)                                                    \
    A(double, timePeriod, 1.0)                                            \
    A(double, incSize, 0.0)                                               \
    A(int, maxNumInc, 100)                                                \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)

class kprC_SubspaceDynamicsStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_SubspaceDynamicsStep, 831, KPRC_SUBSPACEDYNAMICSSTEP_ATTRIBUTES)

    using SubspaceAllEnm = kprC_SubspaceDynamicsStep_SubspaceAllEnm;

    kprC_SubspaceDynamicsStep() = default;

    void AssertValid() const override;
};
