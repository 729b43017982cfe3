#pragma once
// The enumerations of the loads module with their permitted strings.
// An enumeration that belongs to a class is declared here at namespace scope as
// <Class>_<Enumeration> (kloC_Pressure_PressureTypeEnum), so that it exists before its
// class; the class then adopts it with `using PressureTypeEnum = kloC_Pressure_PressureTypeEnum;`.
// Enumerators are the permitted strings, valued 0, 1, 2, ... in order.
#include "platform/omu/omu_PrimEnum.h"

OMU_PRIM_ENUM(kloC_Load_DistribTypeEnum, UNIFORM, USER_DEFINED, FIELD)
OMU_PRIM_ENUM(kloC_Traction_AxisEnm, AXIS_1, AXIS_2, AXIS_3)
OMU_PRIM_ENUM(kloC_CoriolisForce_AxisSelectionEnum, PICKEDPOINTS, ENTEREDCOORD)
OMU_PRIM_ENUM(kloC_RotationalBodyForce_AxisSelectionEnum, PICKEDPOINTS, ENTEREDCOORD)
OMU_PRIM_ENUM(kloC_PipePressure_PipeEndConditionEnum, CLOSED, OPEN)
OMU_PRIM_ENUM(kloC_PipePressure_PipePressureSideEnum, INTERNAL, EXTERNAL)
OMU_PRIM_ENUM(kloC_Pressure_PressureTypeEnum, UNIFORM, USER_DEFINED, HYDROSTATIC, FIELD, STAGNATION, VISCOUS)
OMU_PRIM_ENUM(kloC_ShellEdgeLoad_ShellEdgeLoadTractionEnm, NORMAL, TRANSVERSE, SHEAR, MOMENT, GENERAL)
OMU_PRIM_ENUM(kloC_SurfaceTraction_SurfaceTractionEnm, GENERAL, SHEAR)
OMU_PRIM_ENUM(kloC_LineLoad_SystemTypeEnum, LOCAL, GLOBAL)
OMU_PRIM_ENUM(kloC_BoltLoadMethodEnm, APPLY_FORCE, ADJUST_LENGTH, FIX_LENGTH)
