#pragma once
// The older stored versions of dtmC_DatumRef: 203 (owner names and datum id) and 209
// (with the instance id); each brings its rows to the next version.
#include "platform/dbc/dbc_OldClassVersion.h"

class dtmC_DatumRef_203 : public dbc_OldClassVersion {
public:
    dtmC_DatumRef_203();
    void InitializeMetadata(cls_ClassRegistrar& registrar) const override;
    void SchemaChanges(dbc_DatabaseConverter& converter) const override;  // "_instanceId" = 0 at 209
};

class dtmC_DatumRef_209 : public dbc_OldClassVersion {
public:
    dtmC_DatumRef_209();
    void InitializeMetadata(cls_ClassRegistrar& registrar) const override;
    void SchemaChanges(dbc_DatabaseConverter& converter) const override;  // "_axisId" = 0 at 320
};
