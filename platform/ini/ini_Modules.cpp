#include "platform/ini/ini_Modules.h"

#include <mutex>

namespace {
struct State {
    std::mutex mutex;
    cow_Map<cow_String, int> calls;
    cow_List<cow_String> journal;
};
State& Shared() {
    static State state;
    return state;
}
}  // namespace

bool ini_Modules::Enter(cow_String const& module) {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    return s.calls[module]++ == 0;
}

bool ini_Modules::Leave(cow_String const& module) {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    int& calls = s.calls[module];
    if (calls == 0) return false;
    return --calls == 0;
}

int ini_Modules::Calls(cow_String const& module) {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    auto it = s.calls.find(module);
    return it == s.calls.end() ? 0 : it->second;
}

void ini_Modules::Record(cow_String const& entry) {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    s.journal.push_back(entry);
}

cow_List<cow_String> ini_Modules::Journal() {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    return s.journal;
}

void ini_Modules::ClearJournal() {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    s.journal.clear();
}
