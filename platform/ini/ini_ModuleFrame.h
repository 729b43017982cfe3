#pragma once
// What a library module registers when it comes up, in this order: its class table,
// its per-model containers as model extensions, the metadata functions of its classes
// and its readers of older stored versions. Unregistering undoes the first two in
// reverse order.
#include <memory>
#include <utility>

#include "platform/cow/cow_String.h"
#include "platform/mdl/mdl_Extension.h"
#include "platform/typ/typ_Entry.h"

struct ini_ModuleFrame {
    unsigned moduleNumber;
    typ_ArchCompEntry (*classTable)();
    cow_List<std::pair<cow_String, std::shared_ptr<mdl_Extension const>>> extensions;  // key, empty prototype
    void (*registerMetadata)();
    void (*registerOldVersions)();
};

void ini_Register(ini_ModuleFrame const& frame);
void ini_Unregister(ini_ModuleFrame const& frame);
