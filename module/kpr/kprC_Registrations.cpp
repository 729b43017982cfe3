#include "module/kpr/kprC_Module.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kprC_RegisterMetadata() {}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {}
