#include "module/kpr/steps/kprC_Step.h"

#include "module/kpr/procedures/kprC_ProcedureClassification.h"

bool kprC_Step::Perturbation(unsigned int procedureType) { return kprC_IsPerturbation(procedureType); }

CLS_DEFINE(kprC_Step)
