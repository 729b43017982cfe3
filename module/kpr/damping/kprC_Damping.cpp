// The damping components' rules and the stored form of the damping classes.
#include "module/kpr/damping/kprC_Damping.h"

#include "module/kpr/kprC_assert.h"

namespace {
// The mode range rules every mode-based component shares.
void AssertModeRange(int start, int end) {
    kprC_Assert(start >= 1, kprC_INVALID_DAMPING_START_MODE);
    kprC_Assert(end >= 1, kprC_INVALID_DAMPING_END_MODE);
    kprC_Assert(start <= end, kprC_INVALID_DAMPING_MODE_RANGE);
}
}  // namespace

void kprC_DirectDampingComponent::AssertValid() const {
    AssertModeRange(start_, end_);
    kprC_Assert(fraction_ >= 0.0, kprC_INVALID_CRITICAL_DAMPING_FRACTION);
}

void kprC_CompositeDampingComponent::AssertValid() const { AssertModeRange(start_, end_); }

// Alpha may take any value.
void kprC_RayleighDampingComponent::AssertValid() const {
    AssertModeRange(start_, end_);
    kprC_Assert(beta_ >= 0.0, kprC_INVALID_RAYLEIGH_BETA);
}

void kprC_StructuralDampingComponent::AssertValid() const {
    AssertModeRange(start_, end_);
    kprC_Assert(factor_ >= 0.0, kprC_INVALID_STRUCTURAL_DAMPING);
}

void kprC_DirectDampingByFrequencyComponent::AssertValid() const {
    kprC_Assert(frequency_ > 0.0, kprC_INVALID_DAMPING_FREQUENCY);
    kprC_Assert(fraction_ >= 0.0, kprC_INVALID_CRITICAL_DAMPING_FRACTION);
}

void kprC_RayleighDampingByFrequencyComponent::AssertValid() const {
    kprC_Assert(frequency_ > 0.0, kprC_INVALID_DAMPING_FREQUENCY);
    kprC_Assert(beta_ >= 0.0, kprC_INVALID_RAYLEIGH_BETA);
}

void kprC_StructuralDampingByFrequencyComponent::AssertValid() const {
    kprC_Assert(frequency_ > 0.0, kprC_INVALID_DAMPING_FREQUENCY);
    kprC_Assert(factor_ >= 0.0, kprC_INVALID_STRUCTURAL_DAMPING);
}

CLS_DEFINE(kprC_DirectDampingComponent)
CLS_DEFINE(kprC_CompositeDampingComponent)
CLS_DEFINE(kprC_RayleighDampingComponent)
CLS_DEFINE(kprC_StructuralDampingComponent)
CLS_DEFINE(kprC_DirectDampingByFrequencyComponent)
CLS_DEFINE(kprC_RayleighDampingByFrequencyComponent)
CLS_DEFINE(kprC_StructuralDampingByFrequencyComponent)
CLS_DEFINE(kprC_DirectDamping)
CLS_DEFINE(kprC_CompositeDamping)
CLS_DEFINE(kprC_RayleighDamping)
CLS_DEFINE(kprC_StructuralDamping)
CLS_DEFINE(kprC_DirectDampingByFrequency)
CLS_DEFINE(kprC_RayleighDampingByFrequency)
CLS_DEFINE(kprC_StructuralDampingByFrequency)
