#pragma once
// The loads given by three components (forces, moments, and later body and line loads):
// the components vary by step, their complex form for steady-state procedures does not.
#include "module/klo/loads/kloC_Load.h"

#define KLOC_VECTORSTATE_ATTRIBUTES(A)   \
    A(comp1, c1_, "c1", {})              \
    A(comp2, c2_, "c2", {})              \
    A(comp3, c3_, "c3", {})

class kloC_VectorState : public kloC_LoadState {
    CLS_ABSTRACT_PERSISTENT(kloC_VectorState, kloC_LoadState, kloC_VectorState_TypeId, 203, KLOC_VECTORSTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::c1_, &cls_Self::c2_, &cls_Self::c3_)

    KLOC_NAME(comp1StateCmd, "comp1State")
    KLOC_NAME(comp2StateCmd, "comp2State")
    KLOC_NAME(comp3StateCmd, "comp3State")

    kloC_VectorState() = default;
    kloC_VectorState(kloC_VectorState const&) = default;
    kloC_VectorState* Copy() const override = 0;

    // Component i, 1 to 3.
    mdl_PropAttr<double> const& Component(int i) const { return const_cast<kloC_VectorState*>(this)->MutableComponent(i); }
    mdl_PropAttr<double>& MutableComponent(int i);
    // Sets the three components in this step.
    void SetComponents(double c1, double c2, double c3);

private:
    mdl_PropAttr<double> c1_;
    mdl_PropAttr<double> c2_;
    mdl_PropAttr<double> c3_;
};

#define KLOC_VECTOR_ATTRIBUTES(A)                         \
    A(useComplex, useComplex_, "useComplex", false)       \
    A(complexC1Real, complexC1Real_, "complexC1Real", 0.0) \
    A(complexC1Imag, complexC1Imag_, "complexC1Imag", 0.0) \
    A(complexC2Real, complexC2Real_, "complexC2Real", 0.0) \
    A(complexC2Imag, complexC2Imag_, "complexC2Imag", 0.0) \
    A(complexC3Real, complexC3Real_, "complexC3Real", 0.0) \
    A(complexC3Imag, complexC3Imag_, "complexC3Imag", 0.0)

class kloC_Vector : public kloC_Load {
    CLS_ABSTRACT_PERSISTENT(kloC_Vector, kloC_Load, kloC_Vector_TypeId, 203, KLOC_VECTOR_ATTRIBUTES)

    kloC_Vector() = default;
    kloC_Vector(kloC_Vector const&) = default;
    kloC_Vector* Copy() const override = 0;

    void ChangeProcedureType(unsigned int procedureType) override;

    bool UseComplex() const { return useComplex_; }
    // Component i, 1 to 3, as (real, imaginary).
    std::pair<double, double> ComplexComponent(int i) const;
    void SetComplexComponent(int i, double real, double imag);
    void SetUseComplex(bool value) { useComplex_ = value; }

protected:
    using kloC_Load::kloC_Load;
    bool CheckForZero(cow_String const& stepName) const override;

private:
    double& Part(int i, bool imag);

    bool useComplex_ = false;
    double complexC1Real_ = 0.0;
    double complexC1Imag_ = 0.0;
    double complexC2Real_ = 0.0;
    double complexC2Imag_ = 0.0;
    double complexC3Real_ = 0.0;
    double complexC3Imag_ = 0.0;
};
