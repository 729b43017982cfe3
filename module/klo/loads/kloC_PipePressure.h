#pragma once
// A pressure inside or outside pipe elements: the pressure's settings with the side it
// acts on, the pipe's end condition and its effective diameter.
#include "module/klo/loads/kloC_Pressure.h"

KLOC_PLAIN_STATE(PipePressure, Pressure, "PipePressureState")

#define KLOC_PIPEPRESSURE_ATTRIBUTES(A)                                                                       \
    A(kloC_PipePressure_PipePressureSideEnum, side, kloC_PipePressure_PipePressureSideEnum::INTERNAL)         \
    A(kloC_PipePressure_PipeEndConditionEnum, endCondition, kloC_PipePressure_PipeEndConditionEnum::CLOSED)   \
    A(double, diameter, 0.0)

class kloC_PipePressure : public kloC_Pressure {
    CLS_PERSISTENT(kloC_PipePressure, kloC_Pressure, kloC_PipePressure_TypeId, 203, KLOC_PIPEPRESSURE_ATTRIBUTES)
    KLOC_LOAD_TYPE_RULE
    KLOC_NAME(constructorCmd, "PipePressure")

    using PipePressureSideEnum = kloC_PipePressure_PipePressureSideEnum;
    using PipeEndConditionEnum = kloC_PipePressure_PipeEndConditionEnum;

    kloC_PipePressure() = default;
    kloC_PipePressure(rgnC_Region region, cow_String const& createStepName, kloC_PipePressureState const& state,
                      PressureTypeEnum distType = PressureTypeEnum::UNIFORM)
        : kloC_Pressure(std::move(region), createStepName, state, distType) {}
    kloC_PipePressure(kloC_PipePressure const&) = default;

    // The pressure's checks, then a positive diameter (42).
    void AssertValid() const override;
};
