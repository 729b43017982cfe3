#pragma once
// The loads on a body given by three components: a body force (per unit volume), gravity
// (an acceleration) and the load of generalized plane strain elements.
#include "module/klo/loads/kloC_Vector.h"

KLOC_PLAIN_STATE(BodyForce, Vector, "BodyForceState")

#define KLOC_BODYFORCE_ATTRIBUTES(A) \
    A(kloC_Load_DistribTypeEnum, distType, kloC_Load_DistribTypeEnum::UNIFORM, .Script("distributionType"))

class kloC_BodyForce : public kloC_Vector {
    KLOC_LOAD_TYPE(BodyForce, Vector, 203, KLOC_BODYFORCE_ATTRIBUTES, "BodyForce")

    bool AllowedInALoadCase() const override { return true; }
    bool UsesField(cow_String& name) const override { return FieldNameIf(distType_ == DistribTypeEnum::FIELD, name); }
    // No FIELD distribution (69), then the base checks.
    void AssertValid() const override;

protected:
    // A user-defined distribution takes its magnitudes from a user subroutine.
    bool CheckForZero(cow_String const& stepName) const override;
};

KLOC_PLAIN_STATE(Gravity, Vector, "GravityState")

class kloC_Gravity : public kloC_Vector {
    KLOC_LOAD_TYPE(Gravity, Vector, 203, CLS_NO_ATTRIBUTES, "Gravity")

    bool AllowedInALoadCase() const override { return true; }
    // The base checks; then, on an axisymmetric region, only component 2 in every step
    // that defines the load (47).
    void AssertValid() const override;
};

KLOC_PLAIN_STATE(PEGLoad, Vector, "PEGLoadState")

class kloC_PEGLoad : public kloC_Vector {
    KLOC_LOAD_TYPE(PEGLoad, Vector, 203, CLS_NO_ATTRIBUTES, "PEGLoad")

    bool AllowedInALoadCase() const override { return true; }
};
