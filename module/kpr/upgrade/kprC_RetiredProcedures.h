#pragma once
// The facts of every retired stored class whose rows move into a current class: its
// stored name and id, its stored base, the class that replaced it, its last stored
// version and the attribute renames of the move. The moves, deletes, renames and the
// move failure messages are all derived from this one table.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/dbc/dbc_DatabaseConverter.h"

struct kprC_RetiredClass {
    char const* name;           // the stored class name, e.g. "kprC_Static"
    std::uint32_t id;           // its stored class id
    std::uint32_t baseId;       // its stored base class id
    char const* newName;        // the class that replaced it
    std::uint32_t newId;
    int lastVersion;            // the last version it was stored with
    std::map<std::string, std::string> renames;
    int asVersion;              // the new class's version the moved rows are stored as
    bool procedure;             // true: rows become the derived part of their analysis step
};

std::vector<kprC_RetiredClass> const& kprC_RetiredClasses();
// The facts of one retired class by stored id; null for none.
kprC_RetiredClass const* kprC_FindRetiredClass(std::uint32_t id);

// The moves of the table, the deleted procedure bases and the renames, for a converter.
void kprC_RetiredClassOperations(dbc_DatabaseConverter& converter);
