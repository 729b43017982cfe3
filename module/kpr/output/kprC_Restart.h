#pragma once
// Restart output settings of an analysis step ("restart"): the abstract root.
#include "include/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"

#define KPRC_RESTART_ATTRIBUTES(A) A(overlay, overlay_, "overlay", false)

class kprC_Restart : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_Restart, cls_Persistent, kprC_Restart_TypeId, 1, KPRC_RESTART_ATTRIBUTES)
    kprC_Restart() = default;
    kprC_Restart(kprC_Restart const&) = default;
    kprC_Restart* Copy() const override = 0;
    virtual void AssertValid() const = 0;
    virtual bool Explicit() const = 0;
    static constexpr char const* constructorCmd() { return "Restart"; }

    bool overlay_ = false;
};
