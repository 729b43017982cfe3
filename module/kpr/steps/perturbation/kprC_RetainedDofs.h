#pragma once
// One entry of a substructure's retained or eliminated degree-of-freedom list: a region
// and the degree-of-freedom numbers meant on it.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/cow/cow_String.h"
#include "platform/rgn/rgnC_Region.h"

#define KPRC_RETAINEDDOFS_ATTRIBUTES(A) \
    A(rgnC_Region, region, {})          \
    A(cow_1DArrayList<int>, dofs, {}, .AsArray())

class kprC_RetainedDofs : public cls_Persistent {
    CLS_PERSISTENT(kprC_RetainedDofs, cls_Persistent, kprC_RetainedDofs_TypeId, 403, KPRC_RETAINEDDOFS_ATTRIBUTES)

    kprC_RetainedDofs() = default;
    kprC_RetainedDofs(rgnC_Region region, cow_1DArrayList<int> dofs) : region_(std::move(region)), dofs_(std::move(dofs)) {}
    kprC_RetainedDofs(kprC_RetainedDofs const&) = default;
    kprC_RetainedDofs& operator=(kprC_RetainedDofs const&) = default;

    bool operator==(kprC_RetainedDofs const& other) const { return region_ == other.region_ && dofs_ == other.dofs_; }
};
