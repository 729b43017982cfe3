// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"

CLS_DEFINE(kprC_StepNameProcedurePair)
