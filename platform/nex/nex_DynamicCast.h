#pragma once
// Checked casts by type identifier: a cast succeeds when the object's class is the
// target class or derives from it along the parent identifiers of the class tables.

// Answers whether the cast may be made.
bool nex_canDynamicCastPtr(unsigned targetId, unsigned objectId);

// Returns true or raises nex_AssertException naming both identifiers and the caller's place.
bool nex_canDynamicCastRef(unsigned targetId, unsigned objectId, char const* file, int line);
