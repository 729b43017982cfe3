#pragma once
// A load case of a linear perturbation step, kept by name in the step's "lcc" map: the
// loads, boundary conditions and predefined fields it combines, each by name with a
// scale factor, and whether the boundary conditions active in the base state join them.
// It names what it combines and owns none of it. A copy is a new object with an identity
// of its own.
#include "module/klc/klcC_TypeIds.h"
#include "platform/cls/cls_AttributeTable.h"
#include "platform/cow/cow_String.h"

// Names with their scale factors.
using klcC_ScaleFactors = cow_Map<cow_String, float>;

#define KLCC_LOADCASE_ATTRIBUTES(A)                                      \
    A(klcC_ScaleFactors, boundaryConditions, {})                         \
    A(klcC_ScaleFactors, fields, {}, .Script("predefinedFields"))        \
    A(klcC_ScaleFactors, loads, {})                                      \
    A(bool, includeActiveBaseStateBC, true)

class klcC_LoadCase : public cls_Persistent {
    CLS_PERSISTENT(klcC_LoadCase, cls_Persistent, klcC_LoadCase_TypeId, 1, KLCC_LOADCASE_ATTRIBUTES)
    static constexpr char const* constructorCmd() { return "LoadCase"; }
    static constexpr char const* repositoryCmd() { return "loadCases"; }
    static constexpr char const* setValuesCmd() { return "setValues"; }
    static constexpr char const* keyCmd() { return "name"; }

    klcC_LoadCase() = default;
    klcC_LoadCase(klcC_LoadCase const&) = default;
    klcC_LoadCase& operator=(klcC_LoadCase const&) = default;

    // Every scale factor must be a finite non-zero number (code 0): the boundary
    // conditions first, then the loads, then the fields, each in name order. A factor
    // that is not finite (an unset double narrowed to float) is as blank as 0.0.
    void AssertValid() const;
};

// Scripts give and read the factors as a sequence of (name, factor) pairs, in name order.
template <>
struct cls_ScriptCodec<klcC_ScaleFactors> {
    static cls_ScriptType Type() { return cls_ScriptType::Of(cls_ScriptKind::List, cls_ScriptKind::List); }
    static cls_ScriptValue Get(klcC_ScaleFactors const& factors);
    static void Assign(klcC_ScaleFactors& m, cls_ScriptValue const& v, char const* name);
};
