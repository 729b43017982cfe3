#pragma once
// A pressure on a surface: a magnitude per step, distributed uniformly, by a user
// subroutine, hydrostatically between two elevations, by an analytical field, or as a
// stagnation or viscous pressure.
#include "module/klo/loads/kloC_Load.h"

// hZero and hReference are the zero-pressure and the reference-pressure elevations of a
// hydrostatic pressure.
#define KLOC_PRESSURESTATE_ATTRIBUTES(A)     \
    A(mdl_PropAttr<double>, magnitude, {})   \
    A(mdl_PropAttr<double>, hZero, {})       \
    A(mdl_PropAttr<double>, hReference, {})  \
    A(bool, useHydrostatic, false)

class kloC_PressureState : public kloC_LoadState {
    CLS_PERSISTENT(kloC_PressureState, kloC_LoadState, kloC_PressureState_TypeId, 203, KLOC_PRESSURESTATE_ATTRIBUTES)
    KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::magnitude_, &cls_Self::hZero_, &cls_Self::hReference_)
    KLOC_NAME(pythonTypeName, "PressureState")

    kloC_PressureState() = default;
    explicit kloC_PressureState(double magnitude) { magnitude_ = magnitude; }
    kloC_PressureState(kloC_PressureState const&) = default;

    mdl_PropAttr<double>& MutableMagnitude() { return magnitude_; }
    void SetElevations(double zero, double reference) {
        hZero_ = zero;
        hReference_ = reference;
    }
};

#define KLOC_PRESSURE_ATTRIBUTES(A)                                                                  \
    A(kloC_Pressure_PressureTypeEnum, distType, kloC_Pressure_PressureTypeEnum::UNIFORM, .Script("distributionType").OnChange()) \
    A(bool, useComplex, false)                                                                       \
    A(double, complexMagReal, 0.0)                                                                   \
    A(double, complexMagImag, 0.0)                                                                   \
    A(rgnC_Region, referencePoint, {}, .Script("refPoint"))

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
    KLOC_COMPLEX_MAGNITUDE(kloC_PressureState)
    // Field name (70) before the base checks; then no Explicit step anywhere (19) and
    // distinct elevations in every step that modifies them (20) for a hydrostatic pressure.
    void AssertValid() const override;
    // Marks every state hydrostatic or not, as the distribution says; runs on every
    // insertion of a state and on every change of the distribution.
    void SetStateStatusChecks() override;
    void cls_OnChange() { SetStateStatusChecks(); }

protected:
    bool CheckForZero(cow_String const& stepName) const override;
};
