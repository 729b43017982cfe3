#pragma once
// The model's adaptive mesh controls by name, held as a model extension under the control key.
#include "module/kad/kadC_TypeIds.h"
#include "platform/mdl/mdl_ExtensionImpl.h"

class kadC_AdptMeshCtrlCont : public mdl_ExtensionImpl<kadC_AdptMeshCtrlCont, kadC_AdptMeshCtrlCont_TypeId> {};
