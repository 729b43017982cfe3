#pragma once
// The step that opens every analysis history. It runs no procedure (procedure type 1),
// has no attributes of its own and checks nothing.
#include "module/kpr/steps/kprC_Step.h"

#define KPRC_INITIALSTEP_ATTRIBUTES(A)

class kprC_InitialStep : public kprC_Step {
    CLS_PERSISTENT(kprC_InitialStep, kprC_Step, kprC_InitialStep_TypeId, 207, KPRC_INITIALSTEP_ATTRIBUTES)

    kprC_InitialStep() = default;
    kprC_InitialStep(kprC_InitialStep const&) = default;

    bool IsAdiabatic() const override { return false; }
    bool AllowLoadCases() const override { return false; }
    bool AllowAdaptiveMeshDomains() const override { return false; }
    unsigned int ProcedureType() const override { return 1; }
    bool Nonmechanical() const override { return false; }
    bool Explicit() const override { return false; }
    ResponseEnm Response() const override { return ResponseEnm::NOT_APPLICABLE; }
    double TimePeriod() const override { return 0.0; }
    NlgeomEnm Nlgeom() const override { return NlgeomEnm::NOT_AVAILABLE; }
    bool Perturbation() const override { return false; }
    using kprC_Step::Perturbation;
    void AssertValid() const override {}

    KPRC_NAME(constructorCmd, "InitialStep")
};
