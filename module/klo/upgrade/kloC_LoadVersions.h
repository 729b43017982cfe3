#pragma once
// The older stored versions of the loads module's classes: the per-step load record, the
// load base and the shell edge load.
void kloC_RegisterLoadVersions(int level);
