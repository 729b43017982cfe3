#pragma once
// Start and stop of the module: its class table, its model extensions, its class
// metadata and its readers of older stored versions.
#include "platform/typ/typ_Entry.h"

void klcC_initialize(int& moduleCount);
void klcC_finalize(int& moduleCount);

typ_ArchCompEntry klcC_ClassTable();
void klcC_RegisterMetadata();
void klcC_RegisterOldVersions();
