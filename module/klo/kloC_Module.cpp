#include "module/klo/kloC_Module.h"

#include <iterator>

#include "module/datum/dtmC_Module.h"
#include "module/kad/kadC_Module.h"
#include "module/klc/klcC_Module.h"
#include "module/klo/kloC_TypeIds.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/kprC_Module.h"
#include "platform/ddr/ddr_Model.h"
#include "platform/ini/ini_ModuleFrame.h"
#include "platform/ini/ini_Modules.h"
#include "platform/ini/ini_PlatformModules.h"

namespace {
ini_ModuleFrame const& KloFrame() {
    static ini_ModuleFrame const frame{kloC_ModuleNumber, kloC_ClassTable,
        {{ddr_Model::loadCmd(), std::make_shared<kloC_LoadContainer>()}}, kloC_RegisterMetadata,
        kloC_RegisterOldVersions};
    return frame;
}

// The modules the loads module brings up before itself, in this order, and takes down
// after itself in the reverse order.
struct Dependency {
    void (*initialize)(int&);
    void (*finalize)(int&);
};
constexpr Dependency dependencies[] = {
    {mem_initialize, mem_finalize},   {typ_initialize, typ_finalize},   {thr_initialize, thr_finalize},
    {omni_initialize, omni_finalize}, {atr_initialize, atr_finalize},   {cow_initialize, cow_finalize},
    {nex_initialize, nex_finalize},   {omu_initialize, omu_finalize},   {gsl_initialize, gsl_finalize},
    {mdl_initialize, mdl_finalize},   {rfm_initialize, rfm_finalize},   {rom_initialize, rom_finalize},
    {dbc_initialize, dbc_finalize},   {dtmC_initialize, dtmC_finalize}, {ddr_initialize, ddr_finalize},
    {rgnC_initialize, rgnC_finalize}, {klcC_initialize, klcC_finalize}, {kadC_initialize, kadC_finalize},
    {kprC_initialize, kprC_finalize},
};
}  // namespace

void kloC_initialize(int& moduleCount) {
    if (!ini_Modules::Enter("kloC")) return;
    ++moduleCount;
    for (auto const& dependency : dependencies) dependency.initialize(moduleCount);
    ini_Modules::Record("kloC_initialize");
    ini_Register(KloFrame());
}

void kloC_finalize(int& moduleCount) {
    if (!ini_Modules::Leave("kloC")) return;
    ini_Modules::Record("kloC_finalize");
    kloC_LoadTypeLabelMap::Finalize();
    ini_Unregister(KloFrame());
    // Reverse iterators rather than std::views::reverse, which clang 14 cannot compile
    // against libstdc++ 12 (the fuzz configuration).
    for (auto it = std::rbegin(dependencies); it != std::rend(dependencies); ++it) it->finalize(moduleCount);
    --moduleCount;
}
