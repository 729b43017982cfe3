#include "module/kpr/kprC_Module.h"

#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/kprC_ReleaseProcedureMaps.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "platform/ddr/ddr_Model.h"
#include "platform/ini/ini_ModuleFrame.h"
#include "platform/ini/ini_Modules.h"

namespace {
ini_ModuleFrame const& KprFrame() {
    static ini_ModuleFrame const frame{kprC_ModuleNumber, kprC_ClassTable,
        {{ddr_Model::stepCmd(), std::make_shared<kprC_StepContainer>()},
         {ddr_Model::timePointCmd(), std::make_shared<kprC_TimePointCont>()},
         {ddr_Model::adaptiveMeshConstraintCmd(), std::make_shared<kprC_AdptMeshConsCont>()}},
        kprC_RegisterMetadata, kprC_RegisterOldVersions};
    return frame;
}
}  // namespace

void kprC_initialize(int& moduleCount) { ini_Initialize("kprC", moduleCount, [] { ini_Register(KprFrame()); }); }

void kprC_finalize(int& moduleCount) {
    ini_Finalize("kprC", moduleCount, [] {
        kprC_ReleaseProcedureMaps();
        ini_Unregister(KprFrame());
    });
}
