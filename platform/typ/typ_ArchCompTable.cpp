#include "platform/typ/typ_ArchCompTable.h"

#include <map>
#include <mutex>

namespace {
std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}
std::map<unsigned, typ_ArchCompEntry>& Registry() {
    static std::map<unsigned, typ_ArchCompEntry> registry;
    return registry;
}
typ_Entry const* Find(unsigned typeId) {
    auto const& registry = Registry();
    auto it = registry.find(typ_ModuleOf(typeId));
    if (it == registry.end() || typ_IndexOf(typeId) >= it->second.count) return nullptr;
    return &it->second.table[typ_IndexOf(typeId)];
}
}  // namespace

bool typ_ArchCompTable::InsertEntry(unsigned moduleNumber, typ_ArchCompEntry const& entry) {
    std::lock_guard lock(RegistryMutex());
    return Registry().emplace(moduleNumber, entry).second;
}

bool typ_ArchCompTable::RemoveEntry(unsigned moduleNumber) {
    std::lock_guard lock(RegistryMutex());
    return Registry().erase(moduleNumber) == 1;
}

bool typ_ArchCompTable::HasModule(unsigned moduleNumber) {
    std::lock_guard lock(RegistryMutex());
    return Registry().contains(moduleNumber);
}

typ_Entry const* typ_ArchCompTable::Entry(unsigned typeId) {
    std::lock_guard lock(RegistryMutex());
    return Find(typeId);
}

bool typ_ArchCompTable::IsA(unsigned objectId, unsigned targetId) {
    std::lock_guard lock(RegistryMutex());
    // A chain longer than all registered entries together must contain a loop.
    std::size_t steps = 0, limit = 1;
    for (auto const& [module, entry] : Registry()) limit += entry.count;
    for (unsigned id = objectId; steps <= limit; ++steps) {
        if (id == targetId) return true;
        typ_Entry const* entry = Find(id);
        if (!entry || entry->parent == typ_NoParent || entry->parent == 0) return false;
        id = entry->parent;
    }
    return false;
}
