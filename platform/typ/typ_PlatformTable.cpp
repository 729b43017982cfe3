#include "platform/typ/typ_PlatformTable.h"

namespace {
constexpr auto table = typ_BuildTable<14>(typ_PlatformModuleNumber, {
    {typ_KindClass, mdl_Repository_TypeId, typ_NoParent, "mdl_Repository"},
    {typ_KindClass, mdl_ExtensionWrapper_TypeId, typ_NoParent, "mdl_ExtensionWrapper"},
});
}  // namespace

typ_ArchCompEntry typ_PlatformTable() { return {table.data(), static_cast<unsigned>(table.size())}; }
