#pragma once
// The static Riks step: static equilibrium traced by arc length, for unstable and
// post-buckling response, optionally ended at a load factor or a monitored displacement.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"
#include "platform/rgn/rgnC_Region.h"

// Rows in stored order; ranks give the reading (declaration) order.
#define KPRC_STATICRIKSSTEP_ATTRIBUTES(A)                                                 \
    A(nlgeom, nlgeom_, "nlgeom", kprC_Step_NlgeomEnm::OFF)                                \
    A(adiabatic, adiabatic_, "adiabatic", false)                                          \
    A(timeIncrementationMethod, timeIncrementationMethod_, "timeIncrementationMethod",    \
      kprC_Step_TimeIncrementationMethodEnm::AUTOMATIC)                                   \
    A(maxNumInc, maxNumInc_, "maxNumInc", 100)                                            \
    A(initialArcInc, initialArcInc_, "initialArcInc", 0.0)                                \
    A(totalArcLength, totalArcLength_, "totalArcLength", 1.0)                             \
    A(minArcInc, minArcInc_, "minArcInc", 0.0)                                            \
    A(maxArcInc, maxArcInc_, "maxArcInc", 1.0e36)                                         \
    A(maxLPF, maxLPF_, "maxLPF", kprC_UNSET)                                              \
    A(extrapolation, extrapolation_, "extrapolation", kprC_Step_ExtrapolationEnm::LINEAR) \
    A(noStop, noStop_, "noStop", false)                                                   \
    A(fullyPlastic, fullyPlastic_, "fullyPlastic", "")                                    \
    A(nodeOn, monitorNodeOn_, "monitorNodeOn", false)                                     \
    A(region, region_, "region", {})                                                      \
    A(dof, monitorDof_, "monitorDof", 0)                                                  \
    A(maximumDisplacement, monitorDisplacement_, "monitorDisplacement", 0.0)              \
    A(timePeriod, timePeriod_, "timePeriod", 0.0)                                         \
    KPRC_CONTACT_ROWS(A, 17)                                                              \
    A(useLongTermSolution, useLongTermSolution_, "useLongTermSolution", false)

class kprC_StaticRiksStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_StaticRiksStep, kprC_AnalysisStep, kprC_StaticRiksStep_TypeId, 831,
                   KPRC_STATICRIKSSTEP_ATTRIBUTES)

    kprC_StaticRiksStep() = default;
    kprC_StaticRiksStep(kprC_StaticRiksStep const&) = default;

    bool IsAdiabatic() const override { return adiabatic_; }
    double TimePeriod() const override { return timePeriod_; }
    NlgeomEnm Nlgeom() const override { return nlgeom_; }
    void AssertValid() const override;
    virtual double TotalArcLength() const { return totalArcLength_; }

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(constructorCmd, "StaticRiksStep")
    KPRC_NAME(monitorNodeOnCmd, "nodeOn")
    KPRC_NAME(monitorDofCmd, "dof")
    KPRC_NAME(monitorDisplacementCmd, "maximumDisplacement")

    NlgeomEnm nlgeom_ = NlgeomEnm::OFF;
    bool adiabatic_ = false;
    TimeIncrementationMethodEnm timeIncrementationMethod_ = TimeIncrementationMethodEnm::AUTOMATIC;
    int maxNumInc_ = 100;
    double initialArcInc_ = 0.0;
    double totalArcLength_ = 1.0;
    double minArcInc_ = 0.0;
    double maxArcInc_ = 1.0e36;
    double maxLPF_ = kprC_UNSET;
    ExtrapolationEnm extrapolation_ = ExtrapolationEnm::LINEAR;
    bool noStop_ = false;
    cow_String fullyPlastic_;
    bool monitorNodeOn_ = false;
    rgnC_Region region_;  // the monitored node
    int monitorDof_ = 0;
    double monitorDisplacement_ = 0.0;
    double timePeriod_ = 0.0;
    KPRC_CONTACT_MEMBERS
    bool useLongTermSolution_ = false;
};
