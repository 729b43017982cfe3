#include "platform/typ/typ_PlatformTable.h"

#include "platform/gsl/gsl_ModelSegment.h"
#include "platform/mdl/mdl_PropAttr.h"
#include "platform/rgn/rgnC_Region.h"

namespace {
constexpr auto table = typ_BuildTable<23>(typ_PlatformModuleNumber, {
    {typ_KindClass, mdl_Repository_TypeId, typ_NoParent, "mdl_Repository"},
    {typ_KindClass, ddr_ModelShortcut_TypeId, typ_NoParent, "ddr_ModelShortcut"},
    {typ_KindClass, mdl_ExtensionWrapper_TypeId, typ_NoParent, "mdl_ExtensionWrapper"},
    {typ_KindClass, rgnC_Region_TypeId, typ_NoParent, "rgnC_Region"},
    {typ_KindClass, gsl_PickedPoint_TypeId, typ_NoParent, "gsl_PickedPoint"},
    {typ_KindClass, gsl_ModelSegment_TypeId, typ_NoParent, "gsl_ModelSegment"},
    {typ_KindClass, mdl_PropAttrClass<double>::TypeId, typ_NoParent, mdl_PropAttrClass<double>::Name},
    {typ_KindClass, mdl_PropAttrClass<cow_String>::TypeId, typ_NoParent, mdl_PropAttrClass<cow_String>::Name},
    {typ_KindClass, mdl_PropAttrClass<int>::TypeId, typ_NoParent, mdl_PropAttrClass<int>::Name},
    {typ_KindClass, mdl_PropAttrClass<bool>::TypeId, typ_NoParent, mdl_PropAttrClass<bool>::Name},
});
}  // namespace

typ_ArchCompEntry typ_PlatformTable() { return {table.data(), static_cast<unsigned>(table.size())}; }
