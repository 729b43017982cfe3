#pragma once
// The loads given by one magnitude (bolt loads, rotational loads, concentrated fluxes
// and others): the magnitude varies by step, its complex form does not.
#include "module/klo/loads/kloC_Load.h"

#define KLOC_SCALARSTATE_ATTRIBUTES(A) A(magnitude, magnitude_, "magnitude", {})

class kloC_ScalarState : public kloC_LoadState {
    CLS_ABSTRACT_PERSISTENT(kloC_ScalarState, kloC_LoadState, kloC_ScalarState_TypeId, 203, KLOC_SCALARSTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::magnitude_)

    kloC_ScalarState() = default;
    kloC_ScalarState(kloC_ScalarState const&) = default;
    kloC_ScalarState* Copy() const override = 0;

    mdl_PropAttr<double> const& Magnitude() const { return magnitude_; }
    mdl_PropAttr<double>& MutableMagnitude() { return magnitude_; }
    void SetMagnitude(double value) { magnitude_ = value; }

private:
    mdl_PropAttr<double> magnitude_;
};

#define KLOC_SCALAR_ATTRIBUTES(A)                            \
    A(useComplex, useComplex_, "useComplex", false)          \
    A(complexMagReal, complexMagReal_, "complexMagReal", 0.0) \
    A(complexMagImag, complexMagImag_, "complexMagImag", 0.0)

class kloC_Scalar : public kloC_Load {
    CLS_ABSTRACT_PERSISTENT(kloC_Scalar, kloC_Load, kloC_Scalar_TypeId, 203, KLOC_SCALAR_ATTRIBUTES)

    kloC_Scalar() = default;
    kloC_Scalar(kloC_Scalar const&) = default;
    kloC_Scalar* Copy() const override = 0;

    void ChangeProcedureType(unsigned int procedureType) override;

    bool UseComplex() const { return useComplex_; }
    void SetUseComplex(bool value) { useComplex_ = value; }
    std::pair<double, double> ComplexMagnitude() const { return {complexMagReal_, complexMagImag_}; }
    void SetComplexMagnitude(double real, double imag) {
        complexMagReal_ = real;
        complexMagImag_ = imag;
    }

protected:
    using kloC_Load::kloC_Load;
    bool CheckForZero(cow_String const& stepName) const override;

private:
    bool useComplex_ = false;
    double complexMagReal_ = 0.0;
    double complexMagImag_ = 0.0;
};
