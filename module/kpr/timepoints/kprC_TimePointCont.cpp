#include "module/kpr/timepoints/kprC_TimePointCont.h"

#include "platform/nex/nex_Exception.h"

void kprC_TimePointCont::Set(cow_String const& name, cow_COW<kprC_TimePoint> points) {
    NEX_ASSERT(!points.IsNull());
    points->AssertValid();
    timePoints_[name] = std::move(points);
}

void kprC_TimePointCont::Set(cow_String const& name, kprC_TimePoint const& points) {
    Set(name, cow_COW<kprC_TimePoint>(points.Copy()));
}

CLS_DEFINE(kprC_TimePointCont)
