#include "module/kpr/kprC_Module.h"

#include "include/mdl_PropAttr.h"
#include "platform/cls/cls_MetadataRegistrar.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kprC_RegisterMetadata() {
    // The propagating attributes that the per-step states of loads and constraints hold.
    cls_MetadataRegistrar::initClassMetadata(mdl_PropAttr<double>::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(mdl_PropAttr<cow_String>::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(mdl_PropAttr<int>::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(mdl_PropAttr<bool>::InitializeMetadata, 7);
}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {}
