// The linear solver controls' rules and stored form.
#include "module/kpr/controls/kprC_LinearCtrl.h"

#include "module/kpr/kprC_assert.h"

void kprC_LinearCtrl::AssertValid() const {
    kprC_Assert(numDomains_ == 0 || numDomains_ >= 2, kprC_NUM_DOMAINS_BELOW_TWO);
    kprC_Assert(relativeTolerance_ >= 0.0, kprC_RELATIVE_TOLERANCE_NEGATIVE);
    kprC_Assert(maxIterations_ >= 0, kprC_MAX_ITERATIONS_NEGATIVE);
}

CLS_DEFINE(kprC_LinearCtrl)
