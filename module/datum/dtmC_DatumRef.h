#pragma once
// A reference to a datum of the model (a datum axis, a datum coordinate system) by its
// numbers, so that loads and adaptive mesh constraints can point at one without owning
// it. A datum id of 0 is the null reference.
#include <string>
#include <vector>

#include "platform/cls/cls_AttributeTable.h"
#include "platform/cow/cow_String.h"
#include "platform/omu/omu_PrimTuple.h"

#define DTMC_DATUMREF_ATTRIBUTES(A)                         \
    A(cow_List<cow_String>, ownerNames, {}, .Key("_ownerNames")) \
    A(int, datumId, 0, .Key("_datumId"))                   \
    A(int, instanceId, 0, .Key("_instanceId"))             \
    A(int, axisId, 0, .Key("_axisId"))

class dtmC_DatumRef : public cls_Persistent {
    CLS_PERSISTENT(dtmC_DatumRef, cls_Persistent, 0x02480001, 320, DTMC_DATUMREF_ATTRIBUTES)

    dtmC_DatumRef() = default;
    // The owner name is kept only when it is not empty.
    dtmC_DatumRef(int datumId, int instanceId, cow_String const& ownerName, int axisId);
    dtmC_DatumRef(dtmC_DatumRef const&) = default;
    dtmC_DatumRef& operator=(dtmC_DatumRef const&) = default;

    bool IsNullRef() const { return datumId_ == 0; }
    // Same datum and axis, and either the same owner names or the same instance.
    bool operator==(dtmC_DatumRef const& other) const;
    bool operator!=(dtmC_DatumRef const& other) const { return !(*this == other); }
};

// The scripting value of a reference: (datum id, instance id).
omu_PrimTuple omu_ReturnPrim(dtmC_DatumRef const& ref);

// Scripts see a reference as (datum id, instance id), the null reference as None.
template <>
struct cls_ScriptCodec<dtmC_DatumRef> {
    static cls_ScriptType Type() {
        cls_ScriptType t = cls_ScriptType::Of(cls_ScriptKind::List, cls_ScriptKind::Int);
        t.optional = true;
        return t;
    }
    static cls_ScriptValue Get(dtmC_DatumRef const& ref);
    static void Assign(dtmC_DatumRef& m, cls_ScriptValue const& v, char const* name);
};
