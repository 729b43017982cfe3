#pragma once
// The loads given by three components (forces, moments, and later body and line loads):
// the components vary by step, their complex form for steady-state procedures does not.
#include "module/klo/loads/kloC_Load.h"

#define KLOC_VECTORSTATE_ATTRIBUTES(A)                  \
    A(mdl_PropAttr<double>, c1, {}, .Script("comp1"))   \
    A(mdl_PropAttr<double>, c2, {}, .Script("comp2"))   \
    A(mdl_PropAttr<double>, c3, {}, .Script("comp3"))

class kloC_VectorState : public kloC_LoadState {
    CLS_ABSTRACT_PERSISTENT(kloC_VectorState, kloC_LoadState, kloC_VectorState_TypeId, 203, KLOC_VECTORSTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::c1_, &cls_Self::c2_, &cls_Self::c3_)

    KLOC_NAME(comp1StateCmd, "comp1State")
    KLOC_NAME(comp2StateCmd, "comp2State")
    KLOC_NAME(comp3StateCmd, "comp3State")

    kloC_VectorState() = default;
    kloC_VectorState(double c1, double c2, double c3) { SetComponents(c1, c2, c3); }
    kloC_VectorState(kloC_VectorState const&) = default;
    kloC_VectorState* Copy() const override = 0;

    // Component i, 1 to 3.
    mdl_PropAttr<double> const& Component(int i) const { return const_cast<kloC_VectorState*>(this)->MutableComponent(i); }
    mdl_PropAttr<double>& MutableComponent(int i);
    // Sets the three components in this step.
    void SetComponents(double c1, double c2, double c3);
};

#define KLOC_VECTOR_ATTRIBUTES(A)  \
    A(bool, useComplex, false)     \
    A(double, complexC1Real, 0.0)  \
    A(double, complexC1Imag, 0.0)  \
    A(double, complexC2Real, 0.0)  \
    A(double, complexC2Imag, 0.0)  \
    A(double, complexC3Real, 0.0)  \
    A(double, complexC3Imag, 0.0)

class kloC_Vector : public kloC_Load {
    CLS_ABSTRACT_PERSISTENT(kloC_Vector, kloC_Load, kloC_Vector_TypeId, 203, KLOC_VECTOR_ATTRIBUTES)

    kloC_Vector() = default;
    kloC_Vector(kloC_Vector const&) = default;
    kloC_Vector* Copy() const override = 0;

    void ChangeProcedureType(unsigned int procedureType) override;

    // Component i, 1 to 3, as (real, imaginary).
    std::pair<double, double> ComplexComponent(int i) const;
    void SetComplexComponent(int i, double real, double imag);

protected:
    using kloC_Load::kloC_Load;
    bool CheckForZero(cow_String const& stepName) const override;

private:
    double& Part(int i, bool imag);
};
