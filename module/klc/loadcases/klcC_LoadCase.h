#pragma once
// A load case of a linear perturbation step, kept by name in the step's "lcc" map. No
// contents are held yet.
#include "platform/cls/cls_AttributeTable.h"
#include "module/klc/klcC_TypeIds.h"

class klcC_LoadCase : public cls_Persistent {
    CLS_PERSISTENT(klcC_LoadCase, cls_Persistent, klcC_LoadCase_TypeId, 1, CLS_NO_ATTRIBUTES)
    klcC_LoadCase() = default;
    klcC_LoadCase(klcC_LoadCase const&) = default;
    static constexpr char const* constructorCmd() { return "LoadCase"; }
};
