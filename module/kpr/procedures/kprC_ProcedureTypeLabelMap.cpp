#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"

#include "module/kpr/procedures/kprC_Procedures.h"

kprC_ProcedureTypeLabelMap::kprC_ProcedureTypeLabelMap() {
    for (kprC_Procedure const& p : kprC_procedures) {
        translated_.emplace(p.code, atr_translate(p.label));
        labels_.emplace(p.code, p.label);
        codes_.push_back(p.code);
    }
}
