#include "module/klc/klcC_Module.h"
#include "module/klc/klcC_TypeIds.h"

namespace {
#define KLCC_ROW(kind, name, index, parent) typ_ClassRow{kind, klcC_##name##_TypeId, parent, "klcC_" #name},
constexpr auto klcTable = typ_BuildTable<klcC_ClassTableSize>(klcC_ModuleNumber, {KLCC_CLASSES(KLCC_ROW)});
}  // namespace

typ_ArchCompEntry klcC_ClassTable() { return {klcTable.data(), static_cast<unsigned>(klcTable.size())}; }
