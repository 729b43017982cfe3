#include "module/klo/kloC_Module.h"
#include "module/klo/kloC_TypeIds.h"

namespace {
#define KLOC_ROW(kind, name, index, parent) typ_ClassRow{kind, kloC_##name##_TypeId, parent, "kloC_" #name},
constexpr auto kloTable = typ_BuildTable<kloC_ClassTableSize>(kloC_ModuleNumber, {KLOC_CLASSES(KLOC_ROW)});
}  // namespace

typ_ArchCompEntry kloC_ClassTable() { return {kloTable.data(), static_cast<unsigned>(kloTable.size())}; }
