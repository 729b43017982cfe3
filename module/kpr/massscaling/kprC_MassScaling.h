#pragma once
// One mass scaling definition of an explicit dynamic step: how the mass of a region is
// scaled to control the stable time increment (once at the beginning of the step or
// throughout it, by a factor or towards a target increment, or automatically for a
// rolling process). A factor, a target increment or a count of 0 means "not given". A
// step holds its definitions in order; they have no names and do not propagate.
#include "module/kpr/steps/kprC_Records.h"
#include "platform/rgn/rgnC_Region.h"

#define KPRC_MASSSCALING_ATTRIBUTES(A)                                                                          \
    A(kprC_MassScaling_MassScalingObjectiveEnm, objective, kprC_MassScaling_MassScalingObjectiveEnm::SEMI_AUTOMATIC) \
    A(rgnC_Region, region, {})                                                                                  \
    A(kprC_MassScaling_MassScalingOccursEnm, occurs, kprC_MassScaling_MassScalingOccursEnm::AT_BEGINNING)       \
    A(double, factor, 0.0)                                                                                      \
    A(double, dt, 0.0)                                                                                          \
    A(kprC_MassScaling_MassScalingTypeEnm, type, kprC_MassScaling_MassScalingTypeEnm::BELOW_MIN)                \
    A(int, frequency, 0)                                                                                        \
    A(int, numberInterval, 0)                                                                                   \
    A(double, feedRate, 0.0)                                                                                    \
    A(double, extrudedLength, 0.0)                                                                              \
    A(int, crossSection, 0)                                                                                     \
    A(kprC_MassScaling_MassScalingDirectionEnm, direction, kprC_MassScaling_MassScalingDirectionEnm::GLOBAL_NONE)

class kprC_MassScaling : public cls_Persistent {
    CLS_PERSISTENT(kprC_MassScaling, cls_Persistent, kprC_MassScaling_TypeId, 831, KPRC_MASSSCALING_ATTRIBUTES)
    // The region, second among the fields, is stored last.
    CLS_WRITE_ORDER("objective", "occurs", "factor", "dt", "type", "frequency", "numberInterval", "feedRate",
                    "extrudedLength", "crossSection", "direction", "region")
    KPRC_RECORD(kprC_MassScaling, KPRC_MASSSCALING_ATTRIBUTES)

    using MassScalingObjectiveEnm = kprC_MassScaling_MassScalingObjectiveEnm;
    using MassScalingOccursEnm = kprC_MassScaling_MassScalingOccursEnm;
    using MassScalingTypeEnm = kprC_MassScaling_MassScalingTypeEnm;
    using MassScalingDirectionEnm = kprC_MassScaling_MassScalingDirectionEnm;
    using MassScalingPreviousStepEnm = kprC_MassScaling_MassScalingPreviousStepEnm;
    using MassScalingModelEnm = kprC_MassScaling_MassScalingModelEnm;

    kprC_MassScaling() = default;

    // Raises the first rule the definition breaks. Of each pair that may be "not given"
    // (factor or target increment; frequency or number of intervals) one must be greater
    // than zero and neither may be negative. Type and direction are not checked.
    void AssertValid() const;
    // Whether the scaling changes during the step.
    bool IsVariable() const;
};
