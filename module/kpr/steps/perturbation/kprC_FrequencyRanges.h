#pragma once
// The frequency ranges of the steady-state and random response steps: four record
// classes of one layout (upper, lower, number of points, bias), differing in the
// initial bias, the name of the count, the class version and two messages. An upper
// frequency of 0.0 makes the range the single frequency `lower`. Scripts give a range
// as the tuple (lower, upper, count, bias), lower first and the rest optional; an
// omitted element keeps the previous range's value (the initial value in the first).
#include "module/kpr/kprC_assert.h"
#include "module/kpr/steps/kprC_Records.h"

#define KPRC_FREQUENCY_RANGE_ROWS(A, count, biasInitial) \
    A(double, upper, 0.0) A(double, lower, 0.0) A(int, count, 20) A(double, bias, biasInitial)

#define KPRC_STEADYSTATEDIRECTFREQUENCY_ATTRIBUTES(A) KPRC_FREQUENCY_RANGE_ROWS(A, nPoints, 1.0)
#define KPRC_STEADYSTATESUBSPACEFREQUENCY_ATTRIBUTES(A) KPRC_FREQUENCY_RANGE_ROWS(A, nPoints, 1.0)
#define KPRC_STEADYSTATEMODALFREQUENCY_ATTRIBUTES(A) KPRC_FREQUENCY_RANGE_ROWS(A, nPoints, 3.0)
#define KPRC_RANDOMRESPONSEFREQUENCY_ATTRIBUTES(A) KPRC_FREQUENCY_RANGE_ROWS(A, nCalcs, 3.0)

// The range rules, in order: at least two points unless a single frequency with no
// points; upper not below lower; a nonzero bias for a range.
void kprC_AssertFrequencyRange(double upper, double lower, int points, double bias, kprC_ErrorEnm pointsMessage,
                               kprC_ErrorEnm rangeMessage);

#define KPRC_FREQUENCY_RANGE(Class, Version, ROWS, count, pointsMessage, rangeMessage)                       \
    class Class : public cls_Persistent {                                                                   \
        CLS_PERSISTENT(Class, cls_Persistent, Class##_TypeId, Version, ROWS)                                \
        CLS_TUPLE(1, "lower", "upper", #count, "bias")                                                      \
        KPRC_RECORD(Class, ROWS)                                                                            \
        Class() = default;                                                                                  \
        void AssertValid() const {                                                                          \
            kprC_AssertFrequencyRange(upper_, lower_, count##_, bias_, pointsMessage, rangeMessage);        \
        }                                                                                                   \
    };

KPRC_FREQUENCY_RANGE(kprC_SteadyStateDirectFrequency, 203, KPRC_STEADYSTATEDIRECTFREQUENCY_ATTRIBUTES, nPoints,
                     kprC_INVALID_FREQUENCY_RANGE_POINTS, kprC_INVALID_FREQUENCY_RANGE)
KPRC_FREQUENCY_RANGE(kprC_SteadyStateSubspaceFrequency, 445, KPRC_STEADYSTATESUBSPACEFREQUENCY_ATTRIBUTES, nPoints,
                     kprC_INVALID_FREQUENCY_RANGE_POINTS, kprC_INVALID_FREQUENCY_RANGE)
KPRC_FREQUENCY_RANGE(kprC_SteadyStateModalFrequency, 203, KPRC_STEADYSTATEMODALFREQUENCY_ATTRIBUTES, nPoints,
                     kprC_INVALID_EIGENFREQUENCY_POINTS, kprC_INVALID_FREQUENCY_RANGE)
KPRC_FREQUENCY_RANGE(kprC_RandomResponseFrequency, 203, KPRC_RANDOMRESPONSEFREQUENCY_ATTRIBUTES, nCalcs,
                     kprC_INVALID_EIGENFREQUENCY_POINTS, kprC_INVALID_RANDOM_RESPONSE_RANGE)

// Validates each record of a list, in order.
template <class Record>
void kprC_AssertEach(cow_List<Record> const& records) {
    for (auto const& r : records) r.AssertValid();
}

#define KPRC_RESPONSESPECTRUMCOMPONENT_ATTRIBUTES(A)       \
    A(cow_String, spectrum, "", .Script("respSpectrum"))   \
    A(double, x, 0.0)                                      \
    A(double, y, 0.0)                                      \
    A(double, z, 0.0)                                      \
    A(double, scale, 1.0)

// One direction of a response spectrum step: the spectrum's name, the direction
// components and a scale factor. Scripts give it as a tuple of all five.
class kprC_ResponseSpectrumComponent : public cls_Persistent {
    CLS_PERSISTENT(kprC_ResponseSpectrumComponent, cls_Persistent, kprC_ResponseSpectrumComponent_TypeId, 203,
                   KPRC_RESPONSESPECTRUMCOMPONENT_ATTRIBUTES)
    CLS_TUPLE(5, "respSpectrum", "x", "y", "z", "scale")
    KPRC_RECORD(kprC_ResponseSpectrumComponent, KPRC_RESPONSESPECTRUMCOMPONENT_ATTRIBUTES)
    kprC_ResponseSpectrumComponent() = default;
    void AssertValid() const { kprC_Assert(!spectrum_.empty(), kprC_INVALID_SPECTRUM_NAME); }
};
