#pragma once
// Type identifiers of the loads module (module 648): one constant kloC_<Class>_TypeId
// per class of its class table.
#include "platform/typ/typ_Entry.h"
#include "platform/typ/typ_PlatformTable.h"

inline constexpr unsigned kloC_ModuleNumber = 648;  // 0x0288
inline constexpr unsigned kloC_ClassTableSize = 91;

// X(kind, class, index, parent type id). The concrete loads have fixed identifiers; the
// abstract bases, the per-step record, the load container and its shortcuts take indices
// chosen here. Each load type's state class takes the index after its load's, with one
// exception: kloC_CoriolisForce holds the table's last index (0x5A), so its state takes
// the free index before it (0x59). The per-step bolt method (a propagating attribute of
// the loads' own enumeration) takes the free index 0x11.
#define KLOC_CLASSES(X) \
    X(typ_KindClass, Load, 0x01, typ_NoParent) \
    X(typ_KindClass, LoadState, 0x02, typ_NoParent) \
    X(typ_KindClass, Vector, 0x03, kloC_Load_TypeId) \
    X(typ_KindClass, VectorState, 0x04, kloC_LoadState_TypeId) \
    X(typ_KindClass, Scalar, 0x05, kloC_Load_TypeId) \
    X(typ_KindClass, ScalarState, 0x06, kloC_LoadState_TypeId) \
    X(typ_KindClass, Distributed, 0x07, kloC_Load_TypeId) \
    X(typ_KindClass, Pressure, 0x08, kloC_Load_TypeId) \
    X(typ_KindClass, PressureState, 0x09, kloC_LoadState_TypeId) \
    X(typ_KindClass, DistributedState, 0x0A, kloC_LoadState_TypeId) \
    X(typ_KindClass, Traction, 0x0B, kloC_Load_TypeId) \
    X(typ_KindClass, TractionState, 0x0C, kloC_LoadState_TypeId) \
    X(typ_KindClass, LoadContainer, 0x0D, mdl_Repository_TypeId) \
    X(typ_KindClass, ConnectorForce, 0x0E, kloC_Vector_TypeId) \
    X(typ_KindClass, ConnectorForceState, 0x0F, kloC_VectorState_TypeId) \
    X(typ_KindClass, StateQuad, 0x10, typ_NoParent) \
    X(typ_KindClass, PropAttrBoltMethod, 0x11, typ_NoParent) \
    X(typ_KindClass, PressurePenetration, 0x12, kloC_Load_TypeId) \
    X(typ_KindClass, PressurePenetrationState, 0x13, kloC_LoadState_TypeId) \
    X(typ_KindClass, RotationalBodyForce, 0x14, kloC_Scalar_TypeId) \
    X(typ_KindClass, RotationalBodyForceState, 0x15, kloC_ScalarState_TypeId) \
    X(typ_KindClass, Moment, 0x18, kloC_Vector_TypeId) \
    X(typ_KindClass, MomentState, 0x19, kloC_VectorState_TypeId) \
    X(typ_KindClass, LineLoad, 0x1A, kloC_Vector_TypeId) \
    X(typ_KindClass, LineLoadState, 0x1B, kloC_VectorState_TypeId) \
    X(typ_KindClass, PipePressure, 0x1C, kloC_Pressure_TypeId) \
    X(typ_KindClass, PipePressureState, 0x1D, kloC_PressureState_TypeId) \
    X(typ_KindClass, BodyForce, 0x1E, kloC_Vector_TypeId) \
    X(typ_KindClass, BodyForceState, 0x1F, kloC_VectorState_TypeId) \
    X(typ_KindClass, Gravity, 0x20, kloC_Vector_TypeId) \
    X(typ_KindClass, GravityState, 0x21, kloC_VectorState_TypeId) \
    X(typ_KindClass, PEGLoad, 0x22, kloC_Vector_TypeId) \
    X(typ_KindClass, PEGLoadState, 0x23, kloC_VectorState_TypeId) \
    X(typ_KindClass, BoltLoad, 0x24, kloC_Scalar_TypeId) \
    X(typ_KindClass, BoltLoadState, 0x25, kloC_ScalarState_TypeId) \
    X(typ_KindClass, ConcentratedHeatFlux, 0x26, kloC_Scalar_TypeId) \
    X(typ_KindClass, ConcentratedHeatFluxState, 0x27, kloC_ScalarState_TypeId) \
    X(typ_KindClass, BodyHeatFlux, 0x28, kloC_Distributed_TypeId) \
    X(typ_KindClass, BodyHeatFluxState, 0x29, kloC_DistributedState_TypeId) \
    X(typ_KindClass, ConcentratedPoreFluid, 0x2A, kloC_Scalar_TypeId) \
    X(typ_KindClass, ConcentratedPoreFluidState, 0x2B, kloC_ScalarState_TypeId) \
    X(typ_KindClass, SurfacePoreFluid, 0x2C, kloC_Distributed_TypeId) \
    X(typ_KindClass, SurfacePoreFluidState, 0x2D, kloC_DistributedState_TypeId) \
    X(typ_KindClass, HydroFluidFlow, 0x2E, kloC_Scalar_TypeId) \
    X(typ_KindClass, HydroFluidFlowState, 0x2F, kloC_ScalarState_TypeId) \
    X(typ_KindClass, ConcentratedCharge, 0x30, kloC_Scalar_TypeId) \
    X(typ_KindClass, ConcentratedChargeState, 0x31, kloC_ScalarState_TypeId) \
    X(typ_KindClass, ConcentratedCurrent, 0x32, kloC_Scalar_TypeId) \
    X(typ_KindClass, ConcentratedCurrentState, 0x33, kloC_ScalarState_TypeId) \
    X(typ_KindClass, SurfaceCharge, 0x34, kloC_Scalar_TypeId) \
    X(typ_KindClass, SurfaceChargeState, 0x35, kloC_ScalarState_TypeId) \
    X(typ_KindClass, SurfaceCurrent, 0x36, kloC_Scalar_TypeId) \
    X(typ_KindClass, SurfaceCurrentState, 0x37, kloC_ScalarState_TypeId) \
    X(typ_KindClass, BodyCharge, 0x38, kloC_Scalar_TypeId) \
    X(typ_KindClass, BodyChargeState, 0x39, kloC_ScalarState_TypeId) \
    X(typ_KindClass, BodyCurrent, 0x3A, kloC_Scalar_TypeId) \
    X(typ_KindClass, BodyCurrentState, 0x3B, kloC_ScalarState_TypeId) \
    X(typ_KindClass, ConcentratedConcentrationFlux, 0x3C, kloC_Scalar_TypeId) \
    X(typ_KindClass, ConcentratedConcentrationFluxState, 0x3D, kloC_ScalarState_TypeId) \
    X(typ_KindClass, SurfaceConcentrationFlux, 0x3E, kloC_Distributed_TypeId) \
    X(typ_KindClass, SurfaceConcentrationFluxState, 0x3F, kloC_DistributedState_TypeId) \
    X(typ_KindClass, BodyConcentrationFlux, 0x40, kloC_Distributed_TypeId) \
    X(typ_KindClass, BodyConcentrationFluxState, 0x41, kloC_DistributedState_TypeId) \
    X(typ_KindClass, InwardVolAccel, 0x42, kloC_Scalar_TypeId) \
    X(typ_KindClass, InwardVolAccelState, 0x43, kloC_ScalarState_TypeId) \
    X(typ_KindClass, SurfaceHeatFlux, 0x45, kloC_Distributed_TypeId) \
    X(typ_KindClass, SurfaceHeatFluxState, 0x46, kloC_DistributedState_TypeId) \
    X(typ_KindClass, ConcentratedForce, 0x47, kloC_Vector_TypeId) \
    X(typ_KindClass, ConcentratedForceState, 0x48, kloC_VectorState_TypeId) \
    X(typ_KindClass, ConnectorMoment, 0x49, kloC_Vector_TypeId) \
    X(typ_KindClass, ConnectorMomentState, 0x4A, kloC_VectorState_TypeId) \
    X(typ_KindClass, InertiaRelief, 0x4B, kloC_Load_TypeId) \
    X(typ_KindClass, InertiaReliefState, 0x4C, kloC_LoadState_TypeId) \
    X(typ_KindClass, LoadContainerIMPLSC, 0x4D, typ_NoParent) \
    X(typ_KindClass, LoadContainerShortcut, 0x4E, typ_NoParent) \
    X(typ_KindClass, LoadContainerInModelShortcut, 0x4F, kloC_LoadContainerIMPLSC_TypeId) \
    X(typ_KindClass, LoadInLoadContainerShortcut, 0x50, typ_NoParent) \
    X(typ_KindClass, SurfaceTraction, 0x55, kloC_Traction_TypeId) \
    X(typ_KindClass, SurfaceTractionState, 0x56, kloC_TractionState_TypeId) \
    X(typ_KindClass, ShellEdgeLoad, 0x57, kloC_Traction_TypeId) \
    X(typ_KindClass, ShellEdgeLoadState, 0x58, kloC_TractionState_TypeId) \
    X(typ_KindClass, CoriolisForceState, 0x59, kloC_ScalarState_TypeId) \
    X(typ_KindClass, CoriolisForce, 0x5A, kloC_Scalar_TypeId)

#define KLOC_TYPE_ID(kind, name, index, parent) \
    inline constexpr unsigned kloC_##name##_TypeId = typ_MakeId(kloC_ModuleNumber, index);
KLOC_CLASSES(KLOC_TYPE_ID)
#undef KLOC_TYPE_ID
