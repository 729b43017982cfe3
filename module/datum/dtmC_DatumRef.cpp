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
