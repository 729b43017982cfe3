#include "module/kpr/steps/kprC_AnalysisStep.h"

#include "module/kpr/procedures/kprC_Procedures.h"

bool kprC_AnalysisStep::Explicit() const { return kprC_ProcedureIs(ProcedureType(), kprC_EXPLICIT_SOLVER); }
bool kprC_AnalysisStep::AllowLoadCases() const { return kprC_ProcedureIs(ProcedureType(), kprC_STEP_LOAD_CASES); }
bool kprC_AnalysisStep::AllowAdaptiveMeshDomains() const {
    return kprC_ProcedureIs(ProcedureType(), kprC_STEP_MESH_DOMAINS);
}
bool kprC_AnalysisStep::Nonmechanical() const { return kprC_ProcedureIs(ProcedureType(), kprC_NONMECHANICAL); }

void kprC_AnalysisStep::AssertControlsValid() const {
    if (controls_ && controls_->DynTypeId() != kprC_InactiveControls::TypeId()) controls_->AssertValid();
    if (linearCtrl_) linearCtrl_->AssertValid();
    for (auto const& c : contactControls_)
        if (c) c->AssertValid();
}

CLS_DEFINE(kprC_AnalysisStep)
