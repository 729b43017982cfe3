#include "module/kad/kadC_Module.h"

#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "platform/ddr/ddr_Model.h"
#include "platform/ini/ini_ModuleFrame.h"
#include "platform/ini/ini_Modules.h"

namespace {
ini_ModuleFrame const& KadFrame() {
    static ini_ModuleFrame const frame{kadC_ModuleNumber, kadC_ClassTable,
        {{ddr_Model::adaptiveMeshControlCmd(), std::make_shared<kadC_AdptMeshCtrlCont>()}},
        kadC_RegisterMetadata, kadC_RegisterOldVersions};
    return frame;
}
}  // namespace

void kadC_initialize(int& moduleCount) { ini_Initialize("kadC", moduleCount, [] { ini_Register(KadFrame()); }); }
void kadC_finalize(int& moduleCount) { ini_Finalize("kadC", moduleCount, [] { ini_Unregister(KadFrame()); }); }
