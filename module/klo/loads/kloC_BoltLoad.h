#pragma once
// The pretension of a bolt across a cut of its region along a datum axis: a force to
// apply, a length to adjust, or the length to keep fixed, per step. A bolt load is
// created in the first analysis step and is never deactivated.
#include "module/datum/dtmC_DatumRef.h"
#include "module/klo/loads/kloC_Scalar.h"

// The per-step bolt method is a propagating attribute of its own stored class.
template <>
struct mdl_PropAttrClass<kloC_BoltLoadMethodEnm> {
    static constexpr std::uint32_t TypeId = kloC_PropAttrBoltMethod_TypeId;
    static constexpr char const* Name = "kloC_PropAttrBoltMethod";
};

#define KLOC_BOLTLOADSTATE_ATTRIBUTES(A) A(mdl_PropAttr<kloC_BoltLoadMethodEnm>, boltMethod, {})

class kloC_BoltLoadState : public kloC_ScalarState {
    CLS_PERSISTENT(kloC_BoltLoadState, kloC_ScalarState, kloC_BoltLoadState_TypeId, 203, KLOC_BOLTLOADSTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_ScalarState, &cls_Self::boltMethod_)
    KLOC_NAME(pythonTypeName, "BoltLoadState")
    KLOC_NAME(boltMethodStateCmd, "boltMethodState")
    using kloC_ScalarState::kloC_ScalarState;
    kloC_BoltLoadState() = default;
    kloC_BoltLoadState(kloC_BoltLoadState const&) = default;
};

#define KLOC_BOLTLOAD_ATTRIBUTES(A) A(dtmC_DatumRef, dtmReference, {}, .Script("datumAxis"))

class kloC_BoltLoad : public kloC_Scalar {
    KLOC_LOAD_TYPE(BoltLoad, Scalar, 203, KLOC_BOLTLOAD_ATTRIBUTES, "BoltLoad")

    bool AllowedInALoadCase() const override { return true; }
    // Always refused (35): a bolt load has no on and off.
    void Deactivate(cow_String const& stepName) override;
    // Refuses to move the creation (36), else moves as every load.
    void Move(cow_String const& fromStepName, cow_String const& toStepName) override;
    // The checks of any magnitude (not the base's zero test); created in the first
    // analysis step (37), not with a fixed length (38), and unless it adjusts the length
    // with a non-zero magnitude (41).
    void AssertValid() const override;
};
