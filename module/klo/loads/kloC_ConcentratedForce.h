#pragma once
// A force at points: three components, optionally following the rotation of the
// points and given in a local coordinate system.
#include "module/datum/dtmC_DatumRef.h"
#include "module/klo/loads/kloC_Vector.h"

class kloC_ConcentratedForceState : public kloC_VectorState {
    CLS_PERSISTENT(kloC_ConcentratedForceState, kloC_VectorState, kloC_ConcentratedForceState_TypeId, 203, CLS_NO_ATTRIBUTES)
    KLOC_NAME(pythonTypeName, "ConcentratedForceState")
    CLS_SCRIPT_NAMES("c1", "cf1", "c2", "cf2", "c3", "cf3")

    kloC_ConcentratedForceState() = default;
    kloC_ConcentratedForceState(double cf1, double cf2, double cf3) { SetComponents(cf1, cf2, cf3); }
    kloC_ConcentratedForceState(kloC_ConcentratedForceState const&) = default;
};

#define KLOC_CONCENTRATEDFORCE_ATTRIBUTES(A) \
    A(bool, follower, false)       \
    A(dtmC_DatumRef, csys, {}, .Script("localCsys"))

class kloC_ConcentratedForce : public kloC_Vector {
    CLS_PERSISTENT(kloC_ConcentratedForce, kloC_Vector, kloC_ConcentratedForce_TypeId, 203, KLOC_CONCENTRATEDFORCE_ATTRIBUTES)
    KLOC_LOAD_TYPE_RULE

    KLOC_NAME(constructorCmd, "ConcentratedForce")
    KLOC_NAME(globalCsysName, "(Global)")
    KLOC_NAME(cf1Cmd, "cf1")
    KLOC_NAME(cf2Cmd, "cf2")
    KLOC_NAME(cf3Cmd, "cf3")
    KLOC_NAME(cf1StateCmd, "cf1State")
    KLOC_NAME(cf2StateCmd, "cf2State")
    KLOC_NAME(cf3StateCmd, "cf3State")

    kloC_ConcentratedForce() = default;
    kloC_ConcentratedForce(rgnC_Region region, cow_String const& createStepName, kloC_ConcentratedForceState const& state)
        : kloC_Vector(std::move(region), createStepName, state) {}
    kloC_ConcentratedForce(kloC_ConcentratedForce const&) = default;

    bool AllowedInALoadCase() const override { return true; }
};
