#include "module/klo/kloC_Module.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "platform/cls/cls_MetadataRegistrar.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kloC_RegisterMetadata() { cls_MetadataRegistrar::initClassMetadata(kloC_LoadContainer::InitializeMetadata, 7); }

// Registers one reader per older stored class version with the old-class registrar.
void kloC_RegisterOldVersions() {}
