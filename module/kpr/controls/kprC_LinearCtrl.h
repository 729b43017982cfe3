#pragma once
// Linear equation solver controls of an analysis step. No settings are held yet; a step
// holds none by default and stores a null under "linearCtrl".
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"

class kprC_LinearCtrl : public cls_Persistent {
    CLS_PERSISTENT(kprC_LinearCtrl, cls_Persistent, kprC_LinearCtrl_TypeId, 1, CLS_NO_ATTRIBUTES)
    kprC_LinearCtrl() = default;
    kprC_LinearCtrl(kprC_LinearCtrl const&) = default;
    static constexpr char const* constructorCmd() { return "SolverControl"; }
};
