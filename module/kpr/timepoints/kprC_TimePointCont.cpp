#include "module/kpr/timepoints/kprC_TimePointCont.h"

#include "platform/nex/nex_Exception.h"

cow_List<cow_String> kprC_TimePointCont::Keys() const {
    cow_List<cow_String> keys;
    for (auto const& [name, points] : timePoints_) keys.push_back(name);
    return keys;
}

kprC_TimePoint const& kprC_TimePointCont::Get(cow_String const& name) const {
    auto it = timePoints_.find(name);
    if (it == timePoints_.end() || it->second.IsNull()) throw omu_KeyErrorException(name);
    return *it->second;
}

void kprC_TimePointCont::Set(cow_String const& name, cow_COW<kprC_TimePoint> points) {
    NEX_ASSERT(!points.IsNull());
    points->AssertValid();
    timePoints_[name] = std::move(points);
}

void kprC_TimePointCont::Set(cow_String const& name, kprC_TimePoint const& points) {
    Set(name, cow_COW<kprC_TimePoint>(points.Copy()));
}

CLS_DEFINE(kprC_TimePointCont)
