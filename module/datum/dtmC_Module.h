#pragma once
// Start and stop of the module: its class table, its model extensions, its class
// metadata and its readers of older stored versions.
#include "platform/typ/typ_Entry.h"

void dtmC_initialize(int& moduleCount);
void dtmC_finalize(int& moduleCount);

typ_ArchCompEntry dtmC_ClassTable();
void dtmC_RegisterMetadata();
void dtmC_RegisterOldVersions();
