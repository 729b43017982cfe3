#pragma once
// Start and stop of the module: its class table, its model extensions, its class
// metadata and its readers of older stored versions.
#include "platform/typ/typ_Entry.h"

void kloC_initialize(int& moduleCount);
void kloC_finalize(int& moduleCount);

typ_ArchCompEntry kloC_ClassTable();
void kloC_RegisterMetadata();
void kloC_RegisterOldVersions();
