#include "module/datum/versions/dtmC_DatumRefVersions.h"

#include <memory>

#include "module/datum/dtmC_TypeIds.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"

void dtmC_RegisterDatumRefVersions(int level) {
    auto version = [](int v) { return dbc_OldClassVersion("dtmC_DatumRef", dtmC_DatumRef_TypeId, v); };
    auto owners = [](dbc_OldClassVersion v) {
        return v.Attribute("_ownerNames", cls_TypeObject, cls_ListTypeId, cls_ElemString).Attribute("_datumId", cls_TypeInt);
    };
    dbc_OldClassRegistrar::Register(std::make_shared<dbc_OldClassVersion>(owners(version(203)).Add("_instanceId", 0)),
                                    level);
    dbc_OldClassRegistrar::Register(
        std::make_shared<dbc_OldClassVersion>(
            owners(version(209)).Attribute("_instanceId", cls_TypeInt).Add("_axisId", 0)),
        level);
}
