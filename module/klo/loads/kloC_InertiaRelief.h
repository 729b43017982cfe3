#pragma once
// The loads that balance the rigid-body motion of a free body by its inertia: per step,
// which free directions are used (or all of them, fixed) and an optional reference point.
#include "module/datum/dtmC_DatumRef.h"
#include "module/klo/loads/kloC_Load.h"
#include "platform/gsl/gsl_ModelSegment.h"

// The reference point is taken over with its flag, isReferencePointDefined.
#define KLOC_INERTIARELIEFSTATE_ATTRIBUTES(A)       \
    A(mdl_PropAttr<bool>, fixed, {})                \
    A(mdl_PropAttr<bool>, u1, {})                   \
    A(mdl_PropAttr<bool>, u2, {})                   \
    A(mdl_PropAttr<bool>, u3, {})                   \
    A(mdl_PropAttr<bool>, ur1, {})                  \
    A(mdl_PropAttr<bool>, ur2, {})                  \
    A(mdl_PropAttr<bool>, ur3, {})                  \
    A(gsl_PickedPoint, referencePoint, {})          \
    A(mdl_PropAttr<bool>, isReferencePointDefined, {})

class kloC_InertiaReliefState : public kloC_LoadState {
    CLS_PERSISTENT(kloC_InertiaReliefState, kloC_LoadState, kloC_InertiaReliefState_TypeId, 203,
                   KLOC_INERTIARELIEFSTATE_ATTRIBUTES)
    KLOC_NAME(pythonTypeName, "InertiaReliefState")

    kloC_InertiaReliefState() = default;
    kloC_InertiaReliefState(kloC_InertiaReliefState const&) = default;

    void Modify(kloC_LoadState const& other) override;
    void Propagate() override;
    bool IsModified() const override;

private:
    using Flag = mdl_PropAttr<bool> kloC_InertiaReliefState::*;
    static constexpr Flag flags[] = {&cls_Self::fixed_, &cls_Self::u1_,  &cls_Self::u2_,  &cls_Self::u3_,
                                     &cls_Self::ur1_,   &cls_Self::ur2_, &cls_Self::ur3_, &cls_Self::isReferencePointDefined_};
};

#define KLOC_INERTIARELIEF_ATTRIBUTES(A) A(dtmC_DatumRef, localCsys, {})

class kloC_InertiaRelief : public kloC_Load {
    KLOC_LOAD_TYPE(InertiaRelief, Load, 203, KLOC_INERTIARELIEF_ATTRIBUTES, "InertiaRelief")

    bool AllowedInALoadCase() const override { return true; }

protected:
    // No magnitudes to be zero.
    bool CheckForZero(cow_String const&) const override { return false; }
};
