#pragma once
// The tables a visitor met lately, in front of its map of tables by class id: reading or
// writing a record alternates between the record's table and those of the objects it
// refers to, and a million records would otherwise each hash into the map several times.
#include <cstddef>
#include <cstdint>

template <class Table>
class cls_RecentTables {
public:
    // The table remembered for `id`, or null.
    Table* Find(std::uint32_t id) const {
        auto const& entry = entries_[Slot(id)];
        return entry.table && entry.id == id ? entry.table : nullptr;
    }
    Table* Remember(std::uint32_t id, Table* table) {
        entries_[Slot(id)] = {id, table};
        return table;
    }

private:
    static std::size_t Slot(std::uint32_t id) { return (id ^ (id >> 4) ^ (id >> 16)) & 15; }
    struct Entry {
        std::uint32_t id = 0;
        Table* table = nullptr;
    } entries_[16];
};
