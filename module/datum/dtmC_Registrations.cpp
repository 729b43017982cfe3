#include "module/datum/dtmC_DatumRef.h"
#include "module/datum/dtmC_Module.h"
#include "module/datum/versions/dtmC_DatumRefVersions.h"
#include "platform/cls/cls_MetadataRegistrar.h"

namespace {
constexpr unsigned metadataMask = 7;
constexpr int oldVersionLevel = 4;
}  // namespace

void dtmC_RegisterMetadata() { cls_MetadataRegistrar::initClassMetadata(dtmC_DatumRef::InitializeMetadata, metadataMask); }

void dtmC_RegisterOldVersions() {
    dtmC_RegisterDatumRefVersions(oldVersionLevel);
}
