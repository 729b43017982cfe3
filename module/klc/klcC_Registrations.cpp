#include "module/klc/klcC_Module.h"

#include "module/klc/loadcases/klcC_LoadCase.h"
#include "platform/cls/cls_MetadataRegistrar.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void klcC_RegisterMetadata() { cls_MetadataRegistrar::initClassMetadata(klcC_LoadCase::InitializeMetadata, 7); }

// Registers one reader per older stored class version with the old-class registrar.
void klcC_RegisterOldVersions() {}
