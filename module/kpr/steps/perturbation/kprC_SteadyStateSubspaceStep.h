#pragma once
// The subspace steady-state dynamic step: the harmonic response over frequency ranges,
// projected on eigenmodes, with the projection updated as damping or stiffness change.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyRanges.h"

#define KPRC_STEADYSTATESUBSPACESTEP_ATTRIBUTES(A)                                                               \
    A(kprC_SteadyStateSubspaceStep_FactorizationEnm, factorization,                                              \
      kprC_SteadyStateSubspaceStep_FactorizationEnm::COMPLEX)                                                    \
    A(cow_List<kprC_SteadyStateSubspaceFrequency>, frequencyRange, {})                                           \
    A(kprC_SteadyStateSubspaceStep_ScaleEnm, scale, kprC_SteadyStateSubspaceStep_ScaleEnm::LOGARITHMIC)          \
    A(double, timePeriod, 0.0)                                                                                   \
    A(bool, subdivideUsingEigenfrequencies, true)                                                                \
    A(kprC_SteadyStateSubspaceStep_ProjectionEnm, projection, kprC_SteadyStateSubspaceStep_ProjectionEnm::ALL_FREQUENCIES) \
    A(double, maxDampingChange, 0.1)                                                                             \
    A(double, maxStiffnessChange, 0.1)

class kprC_SteadyStateSubspaceStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_SteadyStateSubspaceStep, 831, KPRC_STEADYSTATESUBSPACESTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("frequencyRange", "scale", "factorization", "projection", "timePeriod", "maxDampingChange",
                    "maxStiffnessChange", "subdivideUsingEigenfrequencies")

    using FactorizationEnm = kprC_SteadyStateSubspaceStep_FactorizationEnm;
    using ScaleEnm = kprC_SteadyStateSubspaceStep_ScaleEnm;
    using ProjectionEnm = kprC_SteadyStateSubspaceStep_ProjectionEnm;

    kprC_SteadyStateSubspaceStep() = default;

    void AssertValid() const override;
};
