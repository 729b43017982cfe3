#pragma once
// The process-wide registry of class tables, one per module number. It answers what
// an identifier's entry is and whether one class derives from another along the
// parent identifiers of the registered tables.
#include "platform/typ/typ_Entry.h"

class typ_ArchCompTable {
public:
    // A module number already registered is refused (false) and keeps its table.
    static bool InsertEntry(unsigned moduleNumber, typ_ArchCompEntry const& entry);
    static bool RemoveEntry(unsigned moduleNumber);
    static bool HasModule(unsigned moduleNumber);

    // The entry of an identifier, or null when its module is not registered or the
    // index lies outside the module's table.
    static typ_Entry const* Entry(unsigned typeId);

    // True when objectId is targetId or reaches it along parent identifiers. A chain
    // ends at 1, at an identifier without entry, or when it would loop.
    static bool IsA(unsigned objectId, unsigned targetId);
};
