#pragma once
// The calling thread's record of undoable changes (thr_ThreadSingleton<omu_ChangeHistory>):
// tuples such as ("Insert", name, -99), each filed under a key (a command text or an
// object path), or under the empty key when recorded without one.
#include <string>
#include <vector>

#include "platform/omu/omu_PrimTuple.h"

class omu_ChangeHistory {
public:
    struct Entry {
        std::string key;
        omu_PrimTuple change;
        bool operator==(Entry const&) const = default;
    };

    void addChange(omu_PrimTuple change) { entries_.push_back({std::string(), std::move(change)}); }
    void addChange(std::string key, omu_PrimTuple change) { entries_.push_back({std::move(key), std::move(change)}); }

    std::vector<Entry> const& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }
    // Drops the entries recorded after the first `count`.
    void Truncate(std::size_t count) {
        if (count < entries_.size()) entries_.resize(count);
    }

private:
    std::vector<Entry> entries_;
};
