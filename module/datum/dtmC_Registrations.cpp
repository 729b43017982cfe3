#include <memory>

#include "module/datum/dtmC_DatumRef.h"
#include "module/datum/dtmC_DatumRefVersions.h"
#include "module/datum/dtmC_Module.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"

namespace {
constexpr unsigned metadataMask = 7;
constexpr int oldVersionLevel = 4;
}  // namespace

void dtmC_RegisterMetadata() { cls_MetadataRegistrar::initClassMetadata(dtmC_DatumRef::InitializeMetadata, metadataMask); }

void dtmC_RegisterOldVersions() {
    dbc_OldClassRegistrar::Register(std::make_shared<dtmC_DatumRef_203>(), oldVersionLevel);
    dbc_OldClassRegistrar::Register(std::make_shared<dtmC_DatumRef_209>(), oldVersionLevel);
}
