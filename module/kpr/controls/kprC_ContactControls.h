#pragma once
// Contact controls of an analysis step, held as a list by the step (empty by default):
// the abstract root, the standard kind that holds nothing, and the explicit kind with
// its tracking, warp check and penalty settings.
#include <climits>

#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/cls/cls_AttributeTable.h"
#include "platform/cow/cow_String.h"

class kprC_ContactControls : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_ContactControls, cls_Persistent, kprC_ContactControls_TypeId, 302,
                            CLS_NO_ATTRIBUTES)
    kprC_ContactControls() = default;
    kprC_ContactControls(kprC_ContactControls const&) = default;
    ~kprC_ContactControls() override = default;
    kprC_ContactControls* Copy() const override = 0;
    virtual void AssertValid() const = 0;
    // True for the controls of the explicit procedures.
    virtual bool Explicit() const = 0;
    static constexpr char const* constructorCmd() { return "ContactControl"; }
    static constexpr omn_FixedString objectCmd() { return "contactControls"; }
};

class kprC_StandardContactControls : public kprC_ContactControls {
    CLS_PERSISTENT(kprC_StandardContactControls, kprC_ContactControls, kprC_StandardContactControls_TypeId, 302,
                   CLS_NO_ATTRIBUTES)
    kprC_StandardContactControls() = default;
    kprC_StandardContactControls(kprC_StandardContactControls const&) = default;
    void AssertValid() const override {}
    bool Explicit() const override { return false; }
};

// `inc` unset (INT_MAX) means no limit on the number of increments.
#define KPRC_EXPLICITCONTACTCONTROLS_ATTRIBUTES(A)   \
    A(cow_String, cpset, {})                         \
    A(bool, fastLocalTracking, true)                 \
    A(int, inc, INT_MAX)                             \
    A(int, warpCheckPeriod, 20)                      \
    A(double, warpCutOff, 20.0)                      \
    A(double, penalty, 1.0, .Script("penaltyStiffness"))

class kprC_ExplicitContactControls : public kprC_ContactControls {
    CLS_PERSISTENT(kprC_ExplicitContactControls, kprC_ContactControls, kprC_ExplicitContactControls_TypeId, 302,
                   KPRC_EXPLICITCONTACTCONTROLS_ATTRIBUTES)
    // How scripts ask for the default settings or for a given increment limit.
    using DefaultEnm = kprC_ExplicitContactControls_DefaultEnm;

    kprC_ExplicitContactControls() = default;
    kprC_ExplicitContactControls(kprC_ExplicitContactControls const&) = default;
    kprC_ExplicitContactControls& operator=(kprC_ExplicitContactControls const&) = default;
    void AssertValid() const override;
    bool Explicit() const override { return true; }
};
