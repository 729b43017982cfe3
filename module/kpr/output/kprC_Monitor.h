#pragma once
// Monitor output settings of an analysis step ("monitor"): the abstract root.
#include "include/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/rgn/rgnC_Region.h"

#define KPRC_MONITOR_ATTRIBUTES(A) \
    A(dof, dof_, "dof", 0)         \
    A(node, node_, "node", {})

class kprC_Monitor : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_Monitor, cls_Persistent, kprC_Monitor_TypeId, 1, KPRC_MONITOR_ATTRIBUTES)
    kprC_Monitor() = default;
    kprC_Monitor(kprC_Monitor const&) = default;
    kprC_Monitor* Copy() const override = 0;
    virtual void AssertValid() const = 0;
    virtual bool Explicit() const = 0;
    static constexpr char const* constructorCmd() { return "Monitor"; }

    int dof_ = 0;
    rgnC_Region node_;
};
