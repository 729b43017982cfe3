#pragma once
// The model's adaptive mesh constraints, held as a model extension under the constraint key.
#include "module/kpr/kprC_TypeIds.h"
#include "platform/mdl/mdl_ExtensionImpl.h"

class kprC_AdptMeshConsCont : public mdl_ExtensionImpl<kprC_AdptMeshConsCont, kprC_AdptMeshConsCont_TypeId> {};
