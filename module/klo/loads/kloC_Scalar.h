#pragma once
// The loads given by one magnitude (bolt loads, rotational loads, concentrated fluxes
// and others): the magnitude varies by step, its complex form does not.
#include "module/klo/loads/kloC_Load.h"

KLOC_MAGNITUDE_STATE(kloC_ScalarState, 203)

#define KLOC_SCALAR_ATTRIBUTES(A)  \
    A(bool, useComplex, false)     \
    A(double, complexMagReal, 0.0) \
    A(double, complexMagImag, 0.0)

class kloC_Scalar : public kloC_Load {
    CLS_ABSTRACT_PERSISTENT(kloC_Scalar, kloC_Load, kloC_Scalar_TypeId, 203, KLOC_SCALAR_ATTRIBUTES)

    kloC_Scalar() = default;
    kloC_Scalar(kloC_Scalar const&) = default;
    kloC_Scalar* Copy() const override = 0;

    KLOC_COMPLEX_MAGNITUDE(kloC_ScalarState)

protected:
    using kloC_Load::kloC_Load;
    bool CheckForZero(cow_String const& stepName) const override;
};
