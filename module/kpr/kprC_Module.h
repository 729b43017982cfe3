#pragma once
// Start and stop of the module: its class table, its model extensions, its class
// metadata and its readers of older stored versions.
#include "platform/typ/typ_Entry.h"

void kprC_initialize(int& moduleCount);
void kprC_finalize(int& moduleCount);

typ_ArchCompEntry kprC_ClassTable();
void kprC_RegisterMetadata();
void kprC_RegisterOldVersions();
