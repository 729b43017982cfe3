// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/steps/general/kprC_AnnealStep.h"

CLS_DEFINE(kprC_AnnealStep)
