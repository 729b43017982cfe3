#pragma once
// One row of a module's class table, and the handle under which a module hands its
// table to typ_ArchCompTable. A type identifier is the module number times 65536 plus
// the class's index in its module's table.
#include <array>
#include <cstddef>
#include <initializer_list>

inline constexpr unsigned typ_KindReserved = 0;  // entry 0, retired and unassigned identifiers
inline constexpr unsigned typ_KindClass = 7;     // a class that exists in this release
inline constexpr unsigned typ_NoParent = 1;      // parent id of a class without base

struct typ_Entry {
    unsigned kind;
    unsigned parent;
    char const* name;
};

struct typ_ArchCompEntry {
    typ_ArchCompEntry(typ_Entry const* table, unsigned count) : table(table), count(count) {}
    typ_Entry const* table;
    unsigned count;
};

constexpr unsigned typ_ModuleOf(unsigned typeId) { return typeId >> 16; }
constexpr unsigned typ_IndexOf(unsigned typeId) { return typeId & 0xFFFFu; }
constexpr unsigned typ_MakeId(unsigned module, unsigned index) { return (module << 16) | index; }

// A class of a table written sparsely: the builder fills every other index as reserved.
struct typ_ClassRow {
    unsigned kind;
    unsigned id;
    unsigned parent;
    char const* name;
};

// Builds a module's table at compile time; an identifier of another module, beyond the
// table or given twice stops the compilation.
template <std::size_t N>
constexpr std::array<typ_Entry, N> typ_BuildTable(unsigned module, std::initializer_list<typ_ClassRow> rows) {
    std::array<typ_Entry, N> table{};
    for (auto& entry : table) entry = {typ_KindReserved, typ_NoParent, nullptr};
    for (auto const& row : rows) {
        if (typ_ModuleOf(row.id) != module || typ_IndexOf(row.id) == 0 || typ_IndexOf(row.id) >= N)
            throw "class identifier outside its module's table";
        auto& entry = table[typ_IndexOf(row.id)];
        if (entry.name) throw "class identifier given twice";
        entry = {row.kind, row.parent, row.name};
    }
    return table;
}
