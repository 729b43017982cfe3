#pragma once
// The model's named time point lists, held as a model extension under the time point key.
#include "module/kpr/kprC_TypeIds.h"
#include "platform/mdl/mdl_ExtensionImpl.h"

class kprC_TimePointCont : public mdl_ExtensionImpl<kprC_TimePointCont, kprC_TimePointCont_TypeId> {};
