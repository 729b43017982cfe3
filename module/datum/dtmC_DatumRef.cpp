#include "module/datum/dtmC_DatumRef.h"

dtmC_DatumRef::dtmC_DatumRef(int datumId, int instanceId, cow_String const& ownerName, int axisId)
    : datumId_(datumId), instanceId_(instanceId), axisId_(axisId) {
    if (!ownerName.empty()) ownerNames_.push_back(ownerName);
}

bool dtmC_DatumRef::operator==(dtmC_DatumRef const& other) const {
    return datumId_ == other.datumId_ && axisId_ == other.axisId_ &&
           (ownerNames_ == other.ownerNames_ || instanceId_ == other.instanceId_);
}

omu_PrimTuple omu_ReturnPrim(dtmC_DatumRef const& ref) { return {ref.datumId(), ref.instanceId()}; }

cls_ScriptValue cls_ScriptCodec<dtmC_DatumRef>::Get(dtmC_DatumRef const& ref) {
    if (ref.IsNullRef()) return {};
    return cls_ScriptList{ref.datumId(), ref.instanceId()};
}

void cls_ScriptCodec<dtmC_DatumRef>::Assign(dtmC_DatumRef& m, cls_ScriptValue const& v, char const* name) {
    if (v.IsNone()) {
        m = dtmC_DatumRef();
        return;
    }
    std::vector<int> ids;
    cls_ScriptCodec<std::vector<int>>::Assign(ids, v, name);
    if (ids.size() != 2) throw omu_ValueErrorException(std::string(name) + " must be (datum id, instance id) or None");
    m = dtmC_DatumRef(ids[0], ids[1], "", 0);
}

CLS_DEFINE(dtmC_DatumRef)
