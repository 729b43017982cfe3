#include "module/kpr/steps/kprC_AnalysisStep.h"

#include "module/kpr/procedures/kprC_ProcedureClassification.h"

bool kprC_AnalysisStep::Explicit() const { return kprC_IsExplicit(ProcedureType()); }
