// The stored form of the root and the inactive controls.
#include "module/kpr/controls/kprC_Controls.h"

#include "module/kpr/kprC_assert.h"

void kprC_InactiveControls::AssertValid() const { kprC_Assert(false, kprC_CONTROLS_NOT_AVAILABLE); }

CLS_DEFINE(kprC_Controls)
CLS_DEFINE(kprC_InactiveControls)
