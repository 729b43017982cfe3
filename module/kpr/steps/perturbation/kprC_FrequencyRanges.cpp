// The frequency range rules and the stored form of the range and spectrum records.
#include "module/kpr/steps/perturbation/kprC_FrequencyRanges.h"

void kprC_AssertFrequencyRange(double upper, double lower, int points, double bias, kprC_ErrorEnm pointsMessage,
                               kprC_ErrorEnm rangeMessage) {
    bool const single = upper == 0.0;
    kprC_Assert(points >= 2 || (single && points == 0), pointsMessage);
    kprC_Assert(upper >= lower || single, rangeMessage);
    kprC_Assert(bias != 0.0 || single, kprC_BIAS_REQUIRED);
}

CLS_DEFINE(kprC_SteadyStateDirectFrequency)
CLS_DEFINE(kprC_SteadyStateSubspaceFrequency)
CLS_DEFINE(kprC_SteadyStateModalFrequency)
CLS_DEFINE(kprC_RandomResponseFrequency)
CLS_DEFINE(kprC_ResponseSpectrumComponent)
