#pragma once
// The bit of each procedure type in a 32-bit mask: the i-th code of the label map's
// registration order has bit 2^i. One instance per thread, through
// thr_ThreadSingleton<kprC_LabelsBitMap>::Instance(); built from the label map.
#include "platform/cow/cow_String.h"

class kprC_LabelsBitMap {
public:
    kprC_LabelsBitMap();

    // The bit of a procedure code. A code that is not a procedure (1 included) is a
    // caller's fault: raises nex_AssertException
    // "\"kprC_LabelsBitMap::Value - not a procedure type code: 0x023C0080\"==0".
    int Value(unsigned int code) const;

private:
    cow_Map<unsigned int, int> bits_;
};
