#pragma once
// The model's ordered analysis history, held as a model extension under the step key.
#include "module/kpr/kprC_TypeIds.h"
#include "platform/mdl/mdl_ExtensionImpl.h"

class kprC_StepContainer : public mdl_ExtensionImpl<kprC_StepContainer, kprC_StepContainer_TypeId> {};
