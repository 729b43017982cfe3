#include "module/kad/kadC_Module.h"
#include "module/kad/kadC_TypeIds.h"

namespace {
#define KADC_ROW(kind, name, index, parent) typ_ClassRow{kind, kadC_##name##_TypeId, parent, "kadC_" #name},
constexpr auto kadTable = typ_BuildTable<kadC_ClassTableSize>(kadC_ModuleNumber, {KADC_CLASSES(KADC_ROW)});
}  // namespace

typ_ArchCompEntry kadC_ClassTable() { return {kadTable.data(), static_cast<unsigned>(kadTable.size())}; }
