#pragma once
// Geometry values the host hands to model objects: a point picked in the model (kept by
// its coordinates) and a model segment, the straight line from one point to another (a
// direction, an axis). Scripts give a point as (x, y, z) and a segment as two points.
#include <array>

#include "platform/cls/cls_AttributeTable.h"

inline constexpr unsigned gsl_PickedPoint_TypeId = 0x000A0015;
inline constexpr unsigned gsl_ModelSegment_TypeId = 0x000A0016;

#define GSL_PICKEDPOINT_ATTRIBUTES(A) \
    A(double, x, 0.0)                 \
    A(double, y, 0.0)                 \
    A(double, z, 0.0)

class gsl_PickedPoint : public cls_Persistent {
    CLS_PERSISTENT(gsl_PickedPoint, cls_Persistent, gsl_PickedPoint_TypeId, 1, GSL_PICKEDPOINT_ATTRIBUTES)

    gsl_PickedPoint() = default;
    gsl_PickedPoint(double x, double y, double z) : x_(x), y_(y), z_(z) {}
    gsl_PickedPoint(gsl_PickedPoint const&) = default;
    gsl_PickedPoint& operator=(gsl_PickedPoint const&) = default;

    std::array<double, 3> Coordinates() const { return {x_, y_, z_}; }
    bool operator==(gsl_PickedPoint const& other) const { return Coordinates() == other.Coordinates(); }
};

#define GSL_MODELSEGMENT_ATTRIBUTES(A) \
    A(gsl_PickedPoint, start, {})      \
    A(gsl_PickedPoint, end, {})

class gsl_ModelSegment : public cls_Persistent {
    CLS_PERSISTENT(gsl_ModelSegment, cls_Persistent, gsl_ModelSegment_TypeId, 1, GSL_MODELSEGMENT_ATTRIBUTES)

    gsl_ModelSegment() = default;
    gsl_ModelSegment(gsl_PickedPoint start, gsl_PickedPoint end) : start_(std::move(start)), end_(std::move(end)) {}
    gsl_ModelSegment(gsl_ModelSegment const&) = default;
    gsl_ModelSegment& operator=(gsl_ModelSegment const&) = default;

    bool IsZeroLength() const { return start_ == end_; }
    bool operator==(gsl_ModelSegment const& other) const { return start_ == other.start_ && end_ == other.end_; }
};

template <>
struct cls_ScriptCodec<gsl_PickedPoint> {
    static cls_ScriptType Type() { return cls_ScriptType::Of(cls_ScriptKind::List, cls_ScriptKind::Double); }
    static cls_ScriptValue Get(gsl_PickedPoint const& p);
    static void Assign(gsl_PickedPoint& m, cls_ScriptValue const& v, char const* name);
};

template <>
struct cls_ScriptCodec<gsl_ModelSegment> {
    static cls_ScriptType Type() { return cls_ScriptType::Of(cls_ScriptKind::Table, cls_ScriptKind::Double); }
    static cls_ScriptValue Get(gsl_ModelSegment const& s);
    static void Assign(gsl_ModelSegment& m, cls_ScriptValue const& v, char const* name);
};
