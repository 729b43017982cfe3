#include "module/kpr/kprC_Module.h"
#include "module/kpr/kprC_TypeIds.h"

namespace {
#define KPRC_ROW(kind, name, index, parent) typ_ClassRow{kind, kprC_##name##_TypeId, parent, "kprC_" #name},
constexpr auto kprTable = typ_BuildTable<kprC_ClassTableSize>(kprC_ModuleNumber, {KPRC_CLASSES(KPRC_ROW)});
}  // namespace

typ_ArchCompEntry kprC_ClassTable() { return {kprTable.data(), static_cast<unsigned>(kprTable.size())}; }
