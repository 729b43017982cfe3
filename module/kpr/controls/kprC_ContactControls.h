#pragma once
// Contact controls of an analysis step, held as a list by the step. No settings are held
// yet; steps start with an empty list.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"

class kprC_ContactControls : public cls_Persistent {
    CLS_PERSISTENT(kprC_ContactControls, cls_Persistent, kprC_ContactControls_TypeId, 1,
                   CLS_NO_ATTRIBUTES)
    kprC_ContactControls() = default;
    kprC_ContactControls(kprC_ContactControls const&) = default;
    static constexpr char const* constructorCmd() { return "ContactControl"; }
};
