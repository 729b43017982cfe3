#include "module/kpr/kprC_ReleaseProcedureMaps.h"

// The two maps live beside the procedure classification; while they are absent from a
// build there is nothing to release.
#if __has_include("module/kpr/procedures/kprC_ProcedureTypeLabelMap.h") && \
    __has_include("module/kpr/procedures/kprC_LabelsBitMap.h")
#include "module/kpr/procedures/kprC_LabelsBitMap.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "platform/thr/thr_ThreadSingleton.h"

void kprC_ReleaseProcedureMaps() {
    thr_ThreadSingleton<kprC_LabelsBitMap>::Release();
    thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Destroy();
}
#else
void kprC_ReleaseProcedureMaps() {}
#endif
