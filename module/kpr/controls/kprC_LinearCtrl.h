#pragma once
// Linear equation solver controls of an analysis step: convergence tolerance, iteration
// limit and domain count of the iterative solver. A step holds none by default and stores
// a null under "linearCtrl".
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/kprC_TypeIds.h"

#define KPRC_LINEARCTRL_ATTRIBUTES(A)      \
    A(bool, allowPropagation, true)        \
    A(bool, resetDefaultValues, false)     \
    A(double, relativeTolerance, 0.0)      \
    A(int, maxIterations, 0)               \
    A(int, numDomains, 0)

class kprC_LinearCtrl : public cls_Persistent {
    CLS_PERSISTENT(kprC_LinearCtrl, cls_Persistent, kprC_LinearCtrl_TypeId, 330, KPRC_LINEARCTRL_ATTRIBUTES)
    using DefaultEnm = kprC_LinearCtrl_DefaultEnm;

    kprC_LinearCtrl() = default;
    kprC_LinearCtrl(kprC_LinearCtrl const&) = default;
    // Throws at the first rule the settings break; the initial values pass.
    virtual void AssertValid() const;
    static constexpr char const* constructorCmd() { return "SolverControl"; }
};
