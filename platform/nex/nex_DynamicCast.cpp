#include "platform/nex/nex_DynamicCast.h"

#include <cstdio>
#include <string>

#include "platform/nex/nex_Exception.h"
#include "platform/typ/typ_ArchCompTable.h"

bool nex_canDynamicCastPtr(unsigned targetId, unsigned objectId) { return typ_ArchCompTable::IsA(objectId, targetId); }

bool nex_canDynamicCastRef(unsigned targetId, unsigned objectId, char const* file, int line) {
    if (nex_canDynamicCastPtr(targetId, objectId)) return true;
    char ids[64];
    std::snprintf(ids, sizeof ids, "0x%08X to 0x%08X", objectId, targetId);
    throw nex_AssertException("Invalid cast of type " + std::string(ids) + " at " + file + ":" + std::to_string(line));
}
