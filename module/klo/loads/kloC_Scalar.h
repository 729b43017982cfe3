#pragma once
// The loads given by one magnitude (bolt loads, rotational loads, concentrated fluxes
// and others): the magnitude varies by step, its complex form does not.
#include "module/klo/loads/kloC_Load.h"

#define KLOC_SCALARSTATE_ATTRIBUTES(A) A(mdl_PropAttr<double>, magnitude, {})

class kloC_ScalarState : public kloC_LoadState {
    CLS_ABSTRACT_PERSISTENT(kloC_ScalarState, kloC_LoadState, kloC_ScalarState_TypeId, 203, KLOC_SCALARSTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::magnitude_)

    kloC_ScalarState() = default;
    kloC_ScalarState(kloC_ScalarState const&) = default;
    kloC_ScalarState* Copy() const override = 0;

    mdl_PropAttr<double>& MutableMagnitude() { return magnitude_; }
};

#define KLOC_SCALAR_ATTRIBUTES(A)  \
    A(bool, useComplex, false)     \
    A(double, complexMagReal, 0.0) \
    A(double, complexMagImag, 0.0)

class kloC_Scalar : public kloC_Load {
    CLS_ABSTRACT_PERSISTENT(kloC_Scalar, kloC_Load, kloC_Scalar_TypeId, 203, KLOC_SCALAR_ATTRIBUTES)

    kloC_Scalar() = default;
    kloC_Scalar(kloC_Scalar const&) = default;
    kloC_Scalar* Copy() const override = 0;

    void ChangeProcedureType(unsigned int procedureType) override;

    std::pair<double, double> ComplexMagnitude() const { return {complexMagReal_, complexMagImag_}; }
    void SetComplexMagnitude(double real, double imag) {
        complexMagReal_ = real;
        complexMagImag_ = imag;
    }

protected:
    using kloC_Load::kloC_Load;
    bool CheckForZero(cow_String const& stepName) const override;
};
