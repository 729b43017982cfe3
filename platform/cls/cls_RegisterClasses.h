#pragma once
// Registers the metadata functions of several classes with one mask.
#include "platform/cls/cls_MetadataRegistrar.h"

template <class... Classes>
void cls_RegisterClasses(unsigned mask) {
    (cls_MetadataRegistrar::initClassMetadata(Classes::InitializeMetadata, mask), ...);
}
