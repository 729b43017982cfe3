// The rules of the explicit contact controls and the stored form of the family.
#include "module/kpr/controls/kprC_ContactControls.h"

#include "module/kpr/kprC_assert.h"

void kprC_ExplicitContactControls::AssertValid() const {
    kprC_Assert(inc_ >= 1, kprC_CONTACT_MAX_INCREMENTS_NOT_POSITIVE);
    kprC_Assert(warpCheckPeriod_ >= 1, kprC_WARP_CHECK_PERIOD_NOT_POSITIVE);
    kprC_Assert(warpCutOff_ > 0.0, kprC_WARP_CUTOFF_NOT_POSITIVE);
    kprC_Assert(penalty_ >= 0.0, kprC_PENALTY_SCALE_NEGATIVE);
}

CLS_DEFINE(kprC_ContactControls)
CLS_DEFINE(kprC_StandardContactControls)
CLS_DEFINE(kprC_ExplicitContactControls)
