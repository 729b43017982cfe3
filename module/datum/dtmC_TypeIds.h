#pragma once
// Type identifiers of the datum references module (module 584).
#include "platform/typ/typ_Entry.h"

inline constexpr unsigned dtmC_ModuleNumber = 584;  // 0x0248
inline constexpr unsigned dtmC_ClassTableSize = 2;

// X(kind, class, index, parent type id).
#define DTMC_CLASSES(X) X(typ_KindClass, DatumRef, 0x01, typ_NoParent)

#define DTMC_TYPE_ID(kind, name, index, parent) \
    inline constexpr unsigned dtmC_##name##_TypeId = typ_MakeId(dtmC_ModuleNumber, index);
DTMC_CLASSES(DTMC_TYPE_ID)
#undef DTMC_TYPE_ID
