#pragma once
// A pressure on a surface: a magnitude per step, distributed uniformly, by a user
// subroutine, hydrostatically between two elevations, by an analytical field, or as a
// stagnation or viscous pressure.
#include "module/klo/loads/kloC_Load.h"

#define KLOC_PRESSURESTATE_ATTRIBUTES(A)                       \
    A(magnitude, magnitude_, "magnitude", {})                  \
    A(hZero, hZero_, "hZero", {})                              \
    A(hReference, hReference_, "hReference", {})               \
    A(useHydrostatic, useHydrostatic_, "useHydrostatic", false)

class kloC_PressureState : public kloC_LoadState {
    CLS_PERSISTENT(kloC_PressureState, kloC_LoadState, kloC_PressureState_TypeId, 203, KLOC_PRESSURESTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::magnitude_, &cls_Self::hZero_, &cls_Self::hReference_)
    KLOC_NAME(pythonTypeName, "PressureState")

    kloC_PressureState() = default;
    explicit kloC_PressureState(double magnitude) { magnitude_ = magnitude; }
    kloC_PressureState(kloC_PressureState const&) = default;

    mdl_PropAttr<double> const& Magnitude() const { return magnitude_; }
    mdl_PropAttr<double>& MutableMagnitude() { return magnitude_; }
    void SetMagnitude(double value) { magnitude_ = value; }
    // The zero-pressure and the reference-pressure elevations of a hydrostatic pressure.
    mdl_PropAttr<double> const& HZero() const { return hZero_; }
    mdl_PropAttr<double> const& HReference() const { return hReference_; }
    void SetElevations(double zero, double reference) {
        hZero_ = zero;
        hReference_ = reference;
    }
    bool UseHydrostatic() const { return useHydrostatic_; }
    void SetUseHydrostatic(bool value) { useHydrostatic_ = value; }

private:
    mdl_PropAttr<double> magnitude_;
    mdl_PropAttr<double> hZero_;
    mdl_PropAttr<double> hReference_;
    bool useHydrostatic_ = false;
};

#define KLOC_PRESSURE_ATTRIBUTES(A)                                                  \
    A(distributionType, distType_, "distType", kloC_Pressure_PressureTypeEnum::UNIFORM) \
    A(useComplex, useComplex_, "useComplex", false)                                  \
    A(complexMagReal, complexMagReal_, "complexMagReal", 0.0)                         \
    A(complexMagImag, complexMagImag_, "complexMagImag", 0.0)                         \
    A(refPoint, referencePoint_, "referencePoint", {})

class kloC_Pressure : public kloC_Load {
    CLS_PERSISTENT(kloC_Pressure, kloC_Load, kloC_Pressure_TypeId, 844, KLOC_PRESSURE_ATTRIBUTES)
    KLOC_LOAD_TYPE_RULE
    KLOC_NAME(constructorCmd, "Pressure")

    using PressureTypeEnum = kloC_Pressure_PressureTypeEnum;

    kloC_Pressure() = default;
    kloC_Pressure(rgnC_Region region, cow_String const& createStepName, kloC_PressureState const& state,
                  PressureTypeEnum distType = PressureTypeEnum::UNIFORM)
        : kloC_Load(std::move(region), createStepName, state), distType_(distType) {
        SetStateStatusChecks();
    }
    kloC_Pressure(kloC_Pressure const&) = default;

    bool AllowedInALoadCase() const override { return true; }
    bool UsesField(cow_String& name) const override;
    void ChangeProcedureType(unsigned int procedureType) override;
    // Field name (70) before the base checks; then no Explicit step anywhere (19) and
    // distinct elevations in every step that modifies them (20) for a hydrostatic pressure.
    void AssertValid() const override;
    // Marks every state hydrostatic or not, as the distribution says.
    void SetStateStatusChecks() override;

    PressureTypeEnum DistType() const { return distType_; }
    // Takes effect on the states with the next insertion, as every distribution change.
    void SetDistType(PressureTypeEnum value) { distType_ = value; }
    bool UseComplex() const { return useComplex_; }
    void SetUseComplex(bool value) { useComplex_ = value; }
    std::pair<double, double> ComplexMagnitude() const { return {complexMagReal_, complexMagImag_}; }
    void SetComplexMagnitude(double real, double imag) {
        complexMagReal_ = real;
        complexMagImag_ = imag;
    }
    rgnC_Region const& ReferencePoint() const { return referencePoint_; }
    void SetReferencePoint(rgnC_Region point) { referencePoint_ = std::move(point); }

protected:
    bool CheckForZero(cow_String const& stepName) const override;

private:
    PressureTypeEnum distType_ = PressureTypeEnum::UNIFORM;
    bool useComplex_ = false;
    double complexMagReal_ = 0.0;
    double complexMagImag_ = 0.0;
    rgnC_Region referencePoint_;
};
