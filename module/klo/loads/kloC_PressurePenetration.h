#pragma once
// The pressure of a fluid penetrating a contact interface, named by the contact
// interaction: per step, the pressures p1 and p2 at the two ends of the penetration.
// No procedure admits its creation yet.
#include "module/klo/loads/kloC_Load.h"

#define KLOC_PRESSUREPENETRATIONSTATE_ATTRIBUTES(A) \
    A(mdl_PropAttr<double>, p1, {})                 \
    A(mdl_PropAttr<double>, p2, {})

class kloC_PressurePenetrationState : public kloC_LoadState {
    CLS_PERSISTENT(kloC_PressurePenetrationState, kloC_LoadState, kloC_PressurePenetrationState_TypeId, 203,
                   KLOC_PRESSUREPENETRATIONSTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::p1_, &cls_Self::p2_)
    KLOC_NAME(pythonTypeName, "PressurePenetrationState")

    kloC_PressurePenetrationState() = default;
    kloC_PressurePenetrationState(kloC_PressurePenetrationState const&) = default;
};

#define KLOC_PRESSUREPENETRATION_ATTRIBUTES(A) A(cow_String, interaction, "")

class kloC_PressurePenetration : public kloC_Load {
    KLOC_LOAD_TYPE(PressurePenetration, Load, 203, KLOC_PRESSUREPENETRATION_ATTRIBUTES, "PressurePenetration")

    bool AllowedInALoadCase() const override { return true; }

protected:
    bool CheckForZero(cow_String const&) const override { return false; }
};
