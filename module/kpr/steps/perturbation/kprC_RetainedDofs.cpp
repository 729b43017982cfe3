// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/steps/perturbation/kprC_RetainedDofs.h"

CLS_DEFINE(kprC_RetainedDofs)
