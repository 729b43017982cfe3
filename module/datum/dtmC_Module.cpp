#include "module/datum/dtmC_Module.h"

#include "module/datum/dtmC_TypeIds.h"
#include "platform/ini/ini_ModuleFrame.h"
#include "platform/ini/ini_Modules.h"

namespace {
// The module attaches nothing to the model.
ini_ModuleFrame const& Frame() {
    static ini_ModuleFrame const frame{dtmC_ModuleNumber, dtmC_ClassTable, {}, dtmC_RegisterMetadata, dtmC_RegisterOldVersions};
    return frame;
}
}  // namespace

void dtmC_initialize(int& moduleCount) { ini_Initialize("dtmC", moduleCount, [] { ini_Register(Frame()); }); }
void dtmC_finalize(int& moduleCount) { ini_Finalize("dtmC", moduleCount, [] { ini_Unregister(Frame()); }); }
