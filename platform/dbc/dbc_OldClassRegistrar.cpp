#include "platform/dbc/dbc_OldClassRegistrar.h"

#include <map>
#include <mutex>

namespace {
struct RegistrarState {
    std::mutex mutex;
    std::map<std::pair<std::uint32_t, int>, dbc_OldClassRegistrar::Entry> entries;
    std::map<std::string, dbc_OldClassRegistrar::Operations> operations;
};
RegistrarState& Registry() {
    static RegistrarState s;
    return s;
}
}  // namespace

void dbc_OldClassRegistrar::Register(std::shared_ptr<dbc_OldClassVersion const> version, int level) {
    auto& s = Registry();
    std::lock_guard lock(s.mutex);
    auto key = std::pair(version->ClassId(), version->Version());
    s.entries[key] = {std::move(version), level};
}

void dbc_OldClassRegistrar::Unregister(std::uint32_t classId, int version) {
    auto& s = Registry();
    std::lock_guard lock(s.mutex);
    s.entries.erase({classId, version});
}

dbc_OldClassRegistrar::Entry const* dbc_OldClassRegistrar::Find(std::uint32_t classId, int version) {
    auto& s = Registry();
    std::lock_guard lock(s.mutex);
    auto it = s.entries.find({classId, version});
    return it == s.entries.end() ? nullptr : &it->second;
}

std::vector<dbc_OldClassRegistrar::Entry> dbc_OldClassRegistrar::ForClass(std::uint32_t classId) {
    auto& s = Registry();
    std::lock_guard lock(s.mutex);
    std::vector<Entry> out;
    for (auto it = s.entries.lower_bound({classId, INT32_MIN}); it != s.entries.end() && it->first.first == classId;
         ++it)
        out.push_back(it->second);
    return out;
}

std::vector<dbc_OldClassRegistrar::Entry> dbc_OldClassRegistrar::All() {
    auto& s = Registry();
    std::lock_guard lock(s.mutex);
    std::vector<Entry> out;
    for (auto const& [key, e] : s.entries) out.push_back(e);
    return out;
}

void dbc_OldClassRegistrar::RegisterOperations(std::string const& name, Operations operations) {
    auto& s = Registry();
    std::lock_guard lock(s.mutex);
    s.operations[name] = std::move(operations);
}

void dbc_OldClassRegistrar::UnregisterOperations(std::string const& name) {
    auto& s = Registry();
    std::lock_guard lock(s.mutex);
    s.operations.erase(name);
}

void dbc_OldClassRegistrar::PrepareConversion(dbc_DatabaseConverter& converter) {
    for (auto const& e : All()) converter.AddVersion(e.version);
    std::map<std::string, Operations> operations;
    {
        auto& s = Registry();
        std::lock_guard lock(s.mutex);
        operations = s.operations;
    }
    for (auto const& [name, op] : operations) op(converter);
}
