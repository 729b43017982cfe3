#pragma once
// Type identifiers of the adaptive mesh controls and domains module (module 616).
#include "platform/typ/typ_Entry.h"
#include "platform/typ/typ_PlatformTable.h"

inline constexpr unsigned kadC_ModuleNumber = 616;  // 0x0268
inline constexpr unsigned kadC_ClassTableSize = 17;

// X(kind, class, index, parent type id). The two maps and the control map's model-extension
// wrapper are platform template instances; these are the names they are registered under.
#define KADC_CLASSES(X) \
    X(typ_KindClass, AdptMeshCtrl, 0x01, typ_NoParent) \
    X(typ_KindClass, AdptMeshDomain, 0x02, typ_NoParent) \
    X(typ_KindClass, AdptMeshCtrlCont, 0x03, mdl_Repository_TypeId) \
    X(typ_KindClass, AdptMeshDomainCont, 0x04, mdl_Repository_TypeId) \
    X(typ_KindClass, AdptMeshCtrlWrapper, 0x10, mdl_ExtensionWrapper_TypeId)

#define KADC_TYPE_ID(kind, name, index, parent) \
    inline constexpr unsigned kadC_##name##_TypeId = typ_MakeId(kadC_ModuleNumber, index);
KADC_CLASSES(KADC_TYPE_ID)
#undef KADC_TYPE_ID
