#pragma once
// Start and stop of the module: its class table, its model extensions, its class
// metadata and its readers of older stored versions.
#include "platform/typ/typ_Entry.h"

void kadC_initialize(int& moduleCount);
void kadC_finalize(int& moduleCount);

typ_ArchCompEntry kadC_ClassTable();
void kadC_RegisterMetadata();
void kadC_RegisterOldVersions();
