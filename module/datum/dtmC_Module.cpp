#include "module/datum/dtmC_Module.h"

#include <memory>

#include "module/datum/dtmC_DatumRef.h"
#include "module/datum/dtmC_DatumRefVersions.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"

namespace {
int calls = 0;
constexpr unsigned metadataMask = 7;
constexpr int oldVersionLevel = 4;
}  // namespace

void dtmC_initialize(int& moduleCount) {
    if (calls++ != 0) return;
    ++moduleCount;
    cls_MetadataRegistrar::initClassMetadata(dtmC_DatumRef::InitializeMetadata, metadataMask);
    dbc_OldClassRegistrar::Register(std::make_shared<dtmC_DatumRef_203>(), oldVersionLevel);
    dbc_OldClassRegistrar::Register(std::make_shared<dtmC_DatumRef_209>(), oldVersionLevel);
}

void dtmC_finalize(int& moduleCount) {
    if (calls == 0 || --calls != 0) return;
    dbc_OldClassRegistrar::Unregister(dtmC_DatumRef::TypeId(), 209);
    dbc_OldClassRegistrar::Unregister(dtmC_DatumRef::TypeId(), 203);
    cls_MetadataRegistrar::removeClassMetadata(dtmC_DatumRef::InitializeMetadata);
    --moduleCount;
}
