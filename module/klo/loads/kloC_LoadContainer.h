#pragma once
// The model's loads, held as a model extension under the load key.
#include "module/klo/kloC_TypeIds.h"
#include "platform/mdl/mdl_ExtensionImpl.h"

class kloC_LoadContainer : public mdl_ExtensionImpl<kloC_LoadContainer, kloC_LoadContainer_TypeId> {};
