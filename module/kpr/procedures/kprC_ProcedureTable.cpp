#include "module/kpr/procedures/kprC_ProcedureTable.h"

#include "module/kpr/procedures/kprC_LabelsBitMap.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "platform/thr/thr_ThreadSingleton.h"

cow_List<kprC_ProcedureRow> kprC_ProcedureTable() {
    auto const& labels = thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance();
    auto const& bits = thr_ThreadSingleton<kprC_LabelsBitMap>::Instance();
    cow_List<kprC_ProcedureRow> rows;
    for (unsigned int code : labels.ProcedureTypes()) {
        char const* script = kprC_ProcedureTypeEnum::StringOf(code);
        rows.push_back({code, labels.TranslatedLabels().at(code), script ? script : "", bits.Value(code)});
    }
    return rows;
}
