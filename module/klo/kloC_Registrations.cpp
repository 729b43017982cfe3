#include "module/klo/kloC_Module.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kloC_RegisterMetadata() {}

// Registers one reader per older stored class version with the old-class registrar.
void kloC_RegisterOldVersions() {}
