#pragma once
// The older stored versions of dtmC_DatumRef, oldest first.

// 203: owner names and datum id; 209: with the instance id. Each adds, with 0, what
// the next version stored.
void dtmC_RegisterDatumRefVersions(int level);
