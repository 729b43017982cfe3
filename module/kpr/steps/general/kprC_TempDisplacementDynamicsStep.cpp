#include "module/kpr/steps/general/kprC_TempDisplacementDynamicsStep.h"

CLS_DEFINE(kprC_TempDisplacementDynamicsStep)
