#pragma once
// The facts of every retired stored class whose rows move into a current class: its
// stored name and id, its stored base, the class that replaced it, its stored versions,
// the attribute renames of the move and how its stored attributes differed from the
// replacing class's over its versions. The moves, deletes, renames, the move failure
// messages and every old version's attribute list are derived from this one table.
#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/dbc/dbc_DatabaseConverter.h"

// Where a retired class's stored attribute differs from the attribute of the class that
// replaced it (by its old name, the move's renames reversed): it was stored at the
// versions [since, until) only, with today's type when `typeCode` is 0. An attribute of
// today's class that no entry names was stored at every version; one that entries name
// only at the versions they give; one that today's class lacks needs a type.
struct kprC_StoredRange {
    static constexpr int never = INT_MAX;  // since: no old version stored it
    char const* name;
    int since;
    int until = never;
    int typeCode = 0;
    std::uint32_t typeIdArg = cls_PlainTypeArg;
};

struct kprC_RetiredClass {
    char const* name;           // the stored class name, e.g. "kprC_Static"
    std::uint32_t id;           // its stored class id
    std::uint32_t baseId;       // its stored base class id
    char const* newName;        // the class that replaced it
    std::uint32_t newId;
    std::vector<int> versions;  // its stored versions, oldest first
    std::map<std::string, std::string> renames;
    int asVersion;              // the new class's version the moved rows are stored as
    bool procedure;             // true: rows become the derived part of their analysis step
    // The replacing class's own attributes (null for the step objects, whose old versions
    // are described by hand), and the differences of the stored ones.
    std::vector<dbs_Attribute> (*today)() = nullptr;
    std::vector<kprC_StoredRange> ranges = {};

    int LastVersion() const { return versions.back(); }
    // The attributes stored at `version`, under their stored names: today's in today's
    // order, then those today's class lacks.
    std::vector<dbs_Attribute> StoredAttributes(int version) const;
    // The old-version description of `version` with those attributes and no changes.
    dbc_OldClassVersion Version(int version) const;
};

std::vector<kprC_RetiredClass> const& kprC_RetiredClasses();
// The facts of one retired class by stored id; null for none.
kprC_RetiredClass const* kprC_FindRetiredClass(std::uint32_t id);

// The moves of the table, the deleted procedure bases and the renames, for a converter.
void kprC_RetiredClassOperations(dbc_DatabaseConverter& converter);
