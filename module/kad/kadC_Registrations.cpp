#include "module/kad/kadC_Module.h"

#include "module/kad/domains/kadC_AdptMeshDomain.h"
#include "platform/cls/cls_MetadataRegistrar.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kadC_RegisterMetadata() { cls_MetadataRegistrar::initClassMetadata(kadC_AdptMeshDomain::InitializeMetadata, 7); }

// Registers one reader per older stored class version with the old-class registrar.
void kadC_RegisterOldVersions() {}
