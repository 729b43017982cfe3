#pragma once
// The platform's own classes that library classes derive from (module 10).
#include "platform/typ/typ_Entry.h"

inline constexpr unsigned typ_PlatformModuleNumber = 0x000A;
inline constexpr unsigned mdl_Repository_TypeId = 0x000A0001;
inline constexpr unsigned ddr_ModelShortcut_TypeId = 0x000A0002;
inline constexpr unsigned mdl_ExtensionWrapper_TypeId = 0x000A000D;

typ_ArchCompEntry typ_PlatformTable();
