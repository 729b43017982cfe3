// The rules of a mass scaling definition and its stored form.
#include "module/kpr/massscaling/kprC_MassScaling.h"

#include "module/kpr/kprC_assert.h"
#include "platform/nex/nex_Exception.h"

namespace {
// One of two optional values given (greater than zero) and neither negative.
template <class T>
bool OneGivenNoneNegative(T a, T b) {
    return (a > T(0) || b > T(0)) && a >= T(0) && b >= T(0);
}
}  // namespace

void kprC_MassScaling::AssertValid() const {
    switch (objective_) {
    case MassScalingObjectiveEnm::SEMI_AUTOMATIC:
        if (occurs_ == MassScalingOccursEnm::AT_BEGINNING) {
            kprC_Assert(OneGivenNoneNegative(factor_, dt_), kprC_MS_FACTOR_OR_TARGET_INC_REQUIRED);
            return;
        }
        kprC_Assert(dt_ > 0.0, kprC_MS_TARGET_INC_NOT_POSITIVE);
        kprC_Assert(OneGivenNoneNegative(frequency_, numberInterval_), kprC_FREQUENCY_OR_INTERVALS_REQUIRED);
        return;
    case MassScalingObjectiveEnm::AUTOMATIC:
        kprC_Assert(feedRate_ > 0.0, kprC_MS_FEED_RATE_NOT_POSITIVE);
        kprC_Assert(extrudedLength_ > 0.0, kprC_MS_EXTRUDED_LENGTH_NOT_POSITIVE);
        kprC_Assert(crossSection_ >= 1, kprC_MS_CROSS_SECTION_NODES_NOT_POSITIVE);
        kprC_Assert(OneGivenNoneNegative(frequency_, numberInterval_), kprC_FREQUENCY_OR_INTERVALS_REQUIRED);
        return;
    case MassScalingObjectiveEnm::REINITIALIZE:
    case MassScalingObjectiveEnm::DISABLE_THROUGHOUT_STEP: return;
    }
}

bool kprC_MassScaling::IsVariable() const {
    switch (objective_) {
    case MassScalingObjectiveEnm::REINITIALIZE: return false;
    case MassScalingObjectiveEnm::SEMI_AUTOMATIC: return occurs_ == MassScalingOccursEnm::THROUGHOUT_STEP;
    case MassScalingObjectiveEnm::AUTOMATIC:
    case MassScalingObjectiveEnm::DISABLE_THROUGHOUT_STEP: return true;
    }
    throw nex_AssertException("\"Invalid mass scaling type\"==0");
}

CLS_DEFINE(kprC_MassScaling)
