#pragma once
// A named list of output times, kept in the model's time point map. Each row is a time
// (one entry) or a range: start, end and increment (three entries).
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/cls/cls_Codec2DArray.h"

// "points" is stored as a list with one double array per row.
#define KPRC_TIMEPOINT_ATTRIBUTES(A) A(cow_2DArray<double>, points, {})

class kprC_TimePoint : public cls_Persistent {
    CLS_PERSISTENT(kprC_TimePoint, cls_Persistent, kprC_TimePoint_TypeId, 203, KPRC_TIMEPOINT_ATTRIBUTES)
    using Points = cow_2DArray<double>;

    kprC_TimePoint() = default;
    explicit kprC_TimePoint(Points points) : points_(std::move(points)) {}
    kprC_TimePoint(kprC_TimePoint const&) = default;
    kprC_TimePoint& operator=(kprC_TimePoint const&) = default;

    // Not empty, one or three entries per row, single times strictly ascending, ranges
    // not ending before they start (their order and increments are free).
    void AssertValid() const;

    bool operator==(kprC_TimePoint const& other) const { return points_ == other.points_; }

    static constexpr char const* constructorCmd() { return "TimePoint"; }
    static constexpr char const* repositoryCmd() { return "timePoints"; }
    static constexpr char const* keyCmd() { return "name"; }
};
