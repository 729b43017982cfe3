#include "platform/cls/cls_MetadataRegistrar.h"

#include <algorithm>
#include <mutex>

namespace {

struct Entry {
    cls_MetadataRegistrar::MetadataFn fn;
    unsigned mask;
    bool ran = false;
    std::vector<std::pair<std::string, std::uint32_t>> classes;  // what the function registered
};

struct State {
    std::recursive_mutex mutex;
    std::vector<Entry> entries;
    cls_ClassRegistrar registrar;

    // Runs pending functions; each one's classes are recorded by comparing the registrar before and after.
    void RunPending() {
        for (auto& e : entries) {
            if (e.ran) continue;
            auto before = registrar.All();
            e.fn(registrar);
            e.ran = true;
            for (auto const& [id, md] : registrar.All())
                if (!before.count(id)) e.classes.emplace_back(md->Name(), id);
        }
    }
};

State& S() {
    static State s;
    return s;
}

auto FindEntry(State& s, cls_MetadataRegistrar::MetadataFn fn) {
    return std::find_if(s.entries.begin(), s.entries.end(), [&](Entry const& e) { return e.fn == fn; });
}

}  // namespace

void cls_MetadataRegistrar::initClassMetadata(MetadataFn fn, unsigned mask) {
    auto& s = S();
    std::lock_guard lock(s.mutex);
    if (auto it = FindEntry(s, fn); it != s.entries.end())
        it->mask = mask;
    else
        s.entries.push_back({fn, mask, false, {}});
}

void cls_MetadataRegistrar::removeClassMetadata(MetadataFn fn) {
    auto& s = S();
    std::lock_guard lock(s.mutex);
    auto it = FindEntry(s, fn);
    if (it == s.entries.end()) return;
    for (auto const& [name, id] : it->classes) s.registrar.DeleteClass(name, id);
    s.entries.erase(it);
}

bool cls_MetadataRegistrar::IsRegistered(MetadataFn fn) {
    auto& s = S();
    std::lock_guard lock(s.mutex);
    return FindEntry(s, fn) != s.entries.end();
}

unsigned cls_MetadataRegistrar::MaskOf(MetadataFn fn) {
    auto& s = S();
    std::lock_guard lock(s.mutex);
    auto it = FindEntry(s, fn);
    return it == s.entries.end() ? 0 : it->mask;
}

cls_ClassRegistrar const& cls_MetadataRegistrar::Registrar() {
    auto& s = S();
    std::lock_guard lock(s.mutex);
    s.RunPending();
    return s.registrar;
}

cls_ClassMetadata const* cls_MetadataRegistrar::Find(std::uint32_t typeId) {
    auto& s = S();
    std::lock_guard lock(s.mutex);
    s.RunPending();
    return s.registrar.Find(typeId);
}
