#include "platform/gsl/gsl_ModelSegment.h"

#include <string>
#include <vector>

cls_ScriptValue cls_ScriptCodec<gsl_PickedPoint>::Get(gsl_PickedPoint const& p) {
    return cls_ScriptList{p.x(), p.y(), p.z()};
}

void cls_ScriptCodec<gsl_PickedPoint>::Assign(gsl_PickedPoint& m, cls_ScriptValue const& v, char const* name) {
    std::vector<double> xyz;
    cls_ScriptCodec<std::vector<double>>::Assign(xyz, v, name);
    if (xyz.size() != 3) throw omu_ValueErrorException(std::string(name) + " must be a point (x, y, z)");
    m = gsl_PickedPoint(xyz[0], xyz[1], xyz[2]);
}

cls_ScriptValue cls_ScriptCodec<gsl_ModelSegment>::Get(gsl_ModelSegment const& s) {
    return cls_ScriptList{cls_ScriptCodec<gsl_PickedPoint>::Get(s.start()), cls_ScriptCodec<gsl_PickedPoint>::Get(s.end())};
}

void cls_ScriptCodec<gsl_ModelSegment>::Assign(gsl_ModelSegment& m, cls_ScriptValue const& v, char const* name) {
    auto const* points = v.If<cls_ScriptList>();
    if (!points || points->size() != 2)
        throw omu_ValueErrorException(std::string(name) + " must be two points ((x, y, z), (x, y, z))");
    gsl_PickedPoint start, end;
    cls_ScriptCodec<gsl_PickedPoint>::Assign(start, (*points)[0], name);
    cls_ScriptCodec<gsl_PickedPoint>::Assign(end, (*points)[1], name);
    m = gsl_ModelSegment(start, end);
}

CLS_DEFINE(gsl_PickedPoint)
CLS_DEFINE(gsl_ModelSegment)
