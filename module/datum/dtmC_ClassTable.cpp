#include "module/datum/dtmC_Module.h"
#include "module/datum/dtmC_TypeIds.h"

namespace {
#define DTMC_ROW(kind, name, index, parent) typ_ClassRow{kind, dtmC_##name##_TypeId, parent, "dtmC_" #name},
constexpr auto table = typ_BuildTable<dtmC_ClassTableSize>(dtmC_ModuleNumber, {DTMC_CLASSES(DTMC_ROW)});
}  // namespace

typ_ArchCompEntry dtmC_ClassTable() { return {table.data(), static_cast<unsigned>(table.size())}; }
