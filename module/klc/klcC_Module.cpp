#include "module/klc/klcC_Module.h"

#include "module/klc/klcC_TypeIds.h"
#include "platform/ini/ini_ModuleFrame.h"
#include "platform/ini/ini_Modules.h"

namespace {
// The module attaches nothing to the model.
ini_ModuleFrame const& KlcFrame() {
    static ini_ModuleFrame const frame{klcC_ModuleNumber, klcC_ClassTable, {}, klcC_RegisterMetadata, klcC_RegisterOldVersions};
    return frame;
}
}  // namespace

void klcC_initialize(int& moduleCount) { ini_Initialize("klcC", moduleCount, [] { ini_Register(KlcFrame()); }); }
void klcC_finalize(int& moduleCount) { ini_Finalize("klcC", moduleCount, [] { ini_Unregister(KlcFrame()); }); }
