#pragma once
// The model's named time point lists ("timePoints", keyed by "name"), held as a model
// extension under the time point key and stored with the model. Lists are shared
// copy-on-write between copies of the map (and so between copies of the model).
#include <map>

#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/timepoints/kprC_TimePoint.h"
#include "platform/cow/cow_COW.h"
#include "platform/cow/cow_String.h"
#include "platform/mdl/mdl_MapString2ObjCow.h"
#include "platform/mdl/mdl_Repository.h"

using kprC_TimePointMap = mdl_MapString2ObjCow<kprC_TimePoint>;

#define KPRC_TIMEPOINTCONT_ATTRIBUTES(A) A(kprC_TimePointMap, timePoints, {})

class kprC_TimePointCont : public mdl_Repository {
    CLS_PERSISTENT(kprC_TimePointCont, mdl_Repository, kprC_TimePointCont_TypeId, 203, KPRC_TIMEPOINTCONT_ATTRIBUTES)
    using Map = kprC_TimePointMap;

    kprC_TimePointCont() = default;
    kprC_TimePointCont(kprC_TimePointCont const&) = default;
    kprC_TimePointCont& operator=(kprC_TimePointCont const&) = default;

    std::size_t Size() const { return timePoints_.size(); }
    bool Has(cow_String const& name) const { return timePoints_.contains(name); }
    cow_List<cow_String> Keys() const { return mdl_Keys(timePoints_); }
    // The list under `name`; omu_KeyErrorException when there is none.
    kprC_TimePoint const& Get(cow_String const& name) const { return mdl_Get(timePoints_, name); }
    // Adds or replaces the list under `name` after checking it; a refused list (the
    // nex_TextException of AssertValid) leaves the map as it was.
    void Set(cow_String const& name, cow_COW<kprC_TimePoint> points);
    void Set(cow_String const& name, kprC_TimePoint const& points);
    // False when there is no list under `name`.
    bool Remove(cow_String const& name) { return timePoints_.erase(name) > 0; }
};
