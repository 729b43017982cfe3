#pragma once
// A load per unit length along beams, given by three components in the global system or
// the beam's local one. Which components the state uses follows from the system and the
// region's model space.
#include "module/klo/loads/kloC_Vector.h"

// useC1 and useC3: whether the first and the third component apply (set by the load).
#define KLOC_LINELOADSTATE_ATTRIBUTES(A) \
    A(bool, useC1, true)                 \
    A(bool, useC3, true)

class kloC_LineLoadState : public kloC_VectorState {
    CLS_PERSISTENT(kloC_LineLoadState, kloC_VectorState, kloC_LineLoadState_TypeId, 203, KLOC_LINELOADSTATE_ATTRIBUTES)
    KLOC_NAME(pythonTypeName, "LineLoadState")
    using kloC_VectorState::kloC_VectorState;
    kloC_LineLoadState() = default;
    kloC_LineLoadState(kloC_LineLoadState const&) = default;
};

#define KLOC_LINELOAD_ATTRIBUTES(A)                                                                        \
    A(kloC_LineLoad_SystemTypeEnum, system, kloC_LineLoad_SystemTypeEnum::GLOBAL, .OnChange())             \
    A(kloC_Load_DistribTypeEnum, distType, kloC_Load_DistribTypeEnum::UNIFORM, .Script("distributionType"))

class kloC_LineLoad : public kloC_Vector {
    KLOC_LOAD_TYPE(LineLoad, Vector, 203, KLOC_LINELOAD_ATTRIBUTES, "LineLoad")
    using SystemTypeEnum = kloC_LineLoad_SystemTypeEnum;

    bool AllowedInALoadCase() const override { return true; }
    bool UsesField(cow_String& name) const override { return FieldNameIf(distType_ == DistribTypeEnum::FIELD, name); }
    // No FIELD distribution (69), then the base checks.
    void AssertValid() const override;
    // useC1 is false only for a local system in two dimensions; useC3 true only for the
    // global system in three. Runs on every insertion and every change of the system.
    void SetStateStatusChecks() override;
    void cls_OnChange() { SetStateStatusChecks(); }

protected:
    bool CheckForZero(cow_String const& stepName) const override;
};
