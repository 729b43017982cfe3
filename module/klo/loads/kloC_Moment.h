#pragma once
// A moment at points: three components, optionally following the rotation of the
// points and given in a local coordinate system.
#include "module/datum/dtmC_DatumRef.h"
#include "module/klo/loads/kloC_Vector.h"

class kloC_MomentState : public kloC_VectorState {
    CLS_PERSISTENT(kloC_MomentState, kloC_VectorState, kloC_MomentState_TypeId, 203, CLS_NO_ATTRIBUTES)
    KLOC_NAME(pythonTypeName, "MomentState")
    CLS_SCRIPT_NAMES("c1", "cm1", "c2", "cm2", "c3", "cm3")

    kloC_MomentState() = default;
    kloC_MomentState(double cm1, double cm2, double cm3) { SetComponents(cm1, cm2, cm3); }
    kloC_MomentState(kloC_MomentState const&) = default;
};

#define KLOC_MOMENT_ATTRIBUTES(A) \
    A(bool, follower, false)       \
    A(dtmC_DatumRef, csys, {}, .Script("localCsys"))

class kloC_Moment : public kloC_Vector {
    CLS_PERSISTENT(kloC_Moment, kloC_Vector, kloC_Moment_TypeId, 203, KLOC_MOMENT_ATTRIBUTES)
    KLOC_LOAD_TYPE_RULE

    KLOC_NAME(constructorCmd, "Moment")
    KLOC_NAME(globalCsysName, "(Global)")
    KLOC_NAME(cm1Cmd, "cm1")
    KLOC_NAME(cm2Cmd, "cm2")
    KLOC_NAME(cm3Cmd, "cm3")
    KLOC_NAME(cm1StateCmd, "cm1State")
    KLOC_NAME(cm2StateCmd, "cm2State")
    KLOC_NAME(cm3StateCmd, "cm3State")

    kloC_Moment() = default;
    kloC_Moment(rgnC_Region region, cow_String const& createStepName, kloC_MomentState const& state)
        : kloC_Vector(std::move(region), createStepName, state) {}
    kloC_Moment(kloC_Moment const&) = default;

    bool AllowedInALoadCase() const override { return true; }
};
