#pragma once
// Type identifiers of the load cases module (module 732).
#include "platform/typ/typ_Entry.h"
#include "platform/typ/typ_PlatformTable.h"

inline constexpr unsigned klcC_ModuleNumber = 732;  // 0x02DC
inline constexpr unsigned klcC_ClassTableSize = 8;

// X(kind, class, index, parent type id).
#define KLCC_CLASSES(X) \
    X(typ_KindClass, LoadCase, 0x01, typ_NoParent) \
    X(typ_KindClass, LoadCaseCont, 0x02, mdl_Repository_TypeId)

#define KLCC_TYPE_ID(kind, name, index, parent) \
    inline constexpr unsigned klcC_##name##_TypeId = typ_MakeId(klcC_ModuleNumber, index);
KLCC_CLASSES(KLCC_TYPE_ID)
#undef KLCC_TYPE_ID
