#include "module/kpr/steps/kprC_AnalysisStep.h"

#include "module/kpr/procedures/kprC_Procedures.h"

bool kprC_AnalysisStep::Explicit() const { return kprC_ProcedureIs(ProcedureType(), kprC_EXPLICIT_SOLVER); }
bool kprC_AnalysisStep::AllowLoadCases() const { return kprC_ProcedureIs(ProcedureType(), kprC_STEP_LOAD_CASES); }
bool kprC_AnalysisStep::AllowAdaptiveMeshDomains() const {
    return kprC_ProcedureIs(ProcedureType(), kprC_STEP_MESH_DOMAINS);
}
bool kprC_AnalysisStep::Nonmechanical() const { return kprC_ProcedureIs(ProcedureType(), kprC_NONMECHANICAL); }

CLS_DEFINE(kprC_AnalysisStep)
