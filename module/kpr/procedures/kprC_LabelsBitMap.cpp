#include "module/kpr/procedures/kprC_LabelsBitMap.h"

#include <cstdio>

#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/nex/nex_Exception.h"
#include "platform/thr/thr_GlobalSingleton.h"

kprC_LabelsBitMap::kprC_LabelsBitMap() {
    // Unsigned doubling: the 32nd code would give the sign bit, not an overflow.
    unsigned int bit = 1;
    for (unsigned int code : thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance().ProcedureTypes()) {
        bits_.emplace(code, static_cast<int>(bit));
        bit <<= 1;
    }
}

int kprC_LabelsBitMap::Value(unsigned int code) const {
    auto found = bits_.find(code);
    if (found == bits_.end()) {
        char text[96];
        std::snprintf(text, sizeof text, "\"kprC_LabelsBitMap::Value - not a procedure type code: 0x%08X\"==0", code);
        throw nex_AssertException(text);
    }
    return found->second;
}
