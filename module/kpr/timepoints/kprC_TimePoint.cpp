#include "module/kpr/timepoints/kprC_TimePoint.h"

#include "module/kpr/kprC_assert.h"

void kprC_TimePoint::AssertValid() const {
    kprC_Assert(!points_.IsEmpty(), kprC_TIME_POINTS_EMPTY);
    std::size_t const columns = points_.Columns();
    kprC_Assert(columns == 1 || columns == 3, kprC_TIME_POINT_ENTRY_COUNT);
    for (std::size_t r = 1; columns == 1 && r < points_.Rows(); ++r)
        kprC_Assert(points_(r, 0) > points_(r - 1, 0), kprC_TIME_POINTS_NOT_ASCENDING);
    for (std::size_t r = 0; columns == 3 && r < points_.Rows(); ++r)
        kprC_Assert(points_(r, 1) >= points_(r, 0), kprC_TIME_POINT_START_AFTER_END);
}

CLS_DEFINE(kprC_TimePoint)
