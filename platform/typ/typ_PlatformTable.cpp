#include "platform/typ/typ_PlatformTable.h"

#include "platform/rgn/rgnC_Region.h"

namespace {
constexpr auto table = typ_BuildTable<17>(typ_PlatformModuleNumber, {
    {typ_KindClass, mdl_Repository_TypeId, typ_NoParent, "mdl_Repository"},
    {typ_KindClass, ddr_ModelShortcut_TypeId, typ_NoParent, "ddr_ModelShortcut"},
    {typ_KindClass, mdl_ExtensionWrapper_TypeId, typ_NoParent, "mdl_ExtensionWrapper"},
    {typ_KindClass, rgnC_Region_TypeId, typ_NoParent, "rgnC_Region"},
});
}  // namespace

typ_ArchCompEntry typ_PlatformTable() { return {table.data(), static_cast<unsigned>(table.size())}; }
