#pragma once
// General solution controls of an analysis step. Only the abstract root of the family
// exists yet: a step holds none by default and stores a null under "controls".
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"

class kprC_Controls : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_Controls, cls_Persistent, kprC_Controls_TypeId, 1, CLS_NO_ATTRIBUTES)
    kprC_Controls() = default;
    kprC_Controls(kprC_Controls const&) = default;
    kprC_Controls* Copy() const override = 0;
    static constexpr char const* constructorCmd() { return "Control"; }
};
