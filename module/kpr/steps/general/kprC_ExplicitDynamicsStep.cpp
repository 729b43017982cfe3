#include "module/kpr/steps/general/kprC_ExplicitDynamicsStep.h"

void kprC_ExplicitDynamicsStep::AssertValid() const { kprC_AssertExplicitStep(*this); }

CLS_DEFINE(kprC_ExplicitDynamicsStep)
