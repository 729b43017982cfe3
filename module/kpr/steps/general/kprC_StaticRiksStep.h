#pragma once
// The static Riks step: static equilibrium traced by arc length, for unstable and
// post-buckling response, optionally ended at a load factor or a monitored displacement.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"
#include "platform/rgn/rgnC_Region.h"

// `region` is the monitored node.
#define KPRC_STATICRIKSSTEP_ATTRIBUTES(A)                                             \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)                          \
    A(bool, adiabatic, false)                                                         \
    A(kprC_Step_TimeIncrementationMethodEnm, timeIncrementationMethod,               \
      kprC_Step_TimeIncrementationMethodEnm::AUTOMATIC)                               \
    A(int, maxNumInc, 100)                                                            \
    A(double, initialArcInc, 0.0)                                                     \
    A(double, totalArcLength, 1.0)                                                    \
    A(double, minArcInc, 0.0)                                                         \
    A(double, maxArcInc, 1.0e36)                                                      \
    A(double, maxLPF, kprC_UNSET)                                                     \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR)  \
    A(bool, noStop, false)                                                            \
    A(cow_String, fullyPlastic, "")                                                   \
    A(bool, monitorNodeOn, false, .Script("nodeOn"))                                  \
    A(rgnC_Region, region, {})                                                        \
    A(int, monitorDof, 0, .Script("dof"))                                             \
    A(double, monitorDisplacement, 0.0, .Script("maximumDisplacement"))               \
    A(double, timePeriod, 0.0)                                                        \
    KPRC_CONTACT_ROWS(A)                                                              \
    A(bool, useLongTermSolution, false)

class kprC_StaticRiksStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_StaticRiksStep, 831, KPRC_STATICRIKSSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("nlgeom", "adiabatic", "timeIncrementationMethod", "maxNumInc", "initialArcInc",
                    "totalArcLength", "minArcInc", "maxArcInc", "maxLPF", "extrapolation", "noStop",
                    "fullyPlastic", "monitorNodeOn", "region", "monitorDof", "monitorDisplacement",
                    "timePeriod", "applyContactIterations", "contactSolutions", "contactIterations",
                    "useLongTermSolution")

    kprC_StaticRiksStep() = default;

    void AssertValid() const override;
    virtual double TotalArcLength() const { return totalArcLength_; }

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }
};
