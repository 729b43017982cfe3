#include "module/kpr/kprC_ReleaseProcedureMaps.h"

#include "module/kpr/amc/kprC_AdptMeshConsTypeLabelMap.h"
#include "module/kpr/procedures/kprC_LabelsBitMap.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "platform/thr/thr_ThreadSingleton.h"

void kprC_ReleaseProcedureMaps() {
    thr_ThreadSingleton<kprC_LabelsBitMap>::Release();
    thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Destroy();
    kprC_AdptMeshConsTypeLabelMap::Finalize();
}
