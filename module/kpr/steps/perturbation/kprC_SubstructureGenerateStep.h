#pragma once
// The substructure generation step: the degrees of freedom the substructure retains or
// eliminates and the eigenmodes it keeps. The lists come from callers and are stored
// unchanged; every state is valid. Scripts do not create it.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_RetainedDofs.h"

using kprC_RetainedDofsList = cow_List<kprC_RetainedDofs>;

#define KPRC_SUBSTRUCTUREGENERATESTEP_ATTRIBUTES(A)     \
    A(double, timePeriod, 1.0)                          \
    A(kprC_RetainedDofsList, retainedDofsList, {})      \
    A(kprC_RetainedDofsList, eliminatedDofsList, {})    \
    A(cow_List<int>, retainedEigenmodes, {}, .AsArray())

class kprC_SubstructureGenerateStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_SubstructureGenerateStep, 831, KPRC_SUBSTRUCTUREGENERATESTEP_ATTRIBUTES)
    CLS_NO_SCRIPT_CONSTRUCTOR

    kprC_SubstructureGenerateStep() = default;

    void AssertValid() const override {}

    virtual cow_List<kprC_RetainedDofs> const& RetainedDofs() const { return retainedDofsList_; }
    virtual cow_List<kprC_RetainedDofs> const& EliminatedDofs() const { return eliminatedDofsList_; }
    virtual cow_List<int> const& RetainedEigenmodes() const { return retainedEigenmodes_; }
};
