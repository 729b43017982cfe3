#include "platform/cls/cls_ClassRegistrar.h"

#include <cstdio>

#include "platform/nex/nex_Exception.h"

namespace {
[[noreturn]] void RefuseClash(cls_ClassMetadata const& md, char const* what, std::string const& holder,
                              std::uint32_t heldId) {
    char text[320];
    std::snprintf(text, sizeof text, "cls_ClassRegistrar::AddClassMD - %s of %s (0x%08X) is held by %s (0x%08X)",
                  what, md.Name().c_str(), md.TypeId(), holder.c_str(), heldId);
    throw nex_TextException(text);
}
}  // namespace

cls_ClassMetadata& cls_ClassRegistrar::AddClassMD(cls_ClassMetadata md) {
    auto id = md.TypeId();
    // The same class registered again replaces its metadata; another class under its id
    // or name is a clash that would silently lose one of the two.
    if (auto old = byId_.find(id); old != byId_.end() && old->second->Name() != md.Name())
        RefuseClash(md, "the type id", old->second->Name(), id);
    if (auto named = byName_.find(md.Name()); named != byName_.end() && named->second != id)
        RefuseClash(md, "the name", md.Name(), named->second);
    byName_[md.Name()] = id;
    auto& slot = byId_[id];
    slot = std::make_unique<cls_ClassMetadata>(std::move(md));
    return *slot;
}

cls_ClassMetadata& cls_ClassRegistrar::CreateClassMD(std::string name, std::uint32_t typeId, int version,
                                                     std::uint32_t baseId) {
    return AddClassMD(cls_ClassMetadata(std::move(name), typeId, version, {}, baseId));
}

bool cls_ClassRegistrar::DeleteClass(std::string const& name, std::uint32_t typeId) {
    auto it = byId_.find(typeId);
    if (it == byId_.end() || it->second->Name() != name) return false;
    byName_.erase(name);
    byId_.erase(it);
    return true;
}

cls_ClassMetadata const* cls_ClassRegistrar::Find(std::uint32_t typeId) const {
    auto it = byId_.find(typeId);
    return it == byId_.end() ? nullptr : it->second.get();
}

cls_ClassMetadata const* cls_ClassRegistrar::Find(std::string const& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : Find(it->second);
}

std::map<std::uint32_t, cls_ClassMetadata const*> cls_ClassRegistrar::All() const {
    std::map<std::uint32_t, cls_ClassMetadata const*> all;
    for (auto const& [id, md] : byId_) all[id] = md.get();
    return all;
}
