#include "module/klo/kloC_Module.h"
#include "module/klo/loads/kloC_BodyLoads.h"
#include "module/klo/loads/kloC_BoltLoad.h"
#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_ConnectorLoads.h"
#include "module/klo/loads/kloC_FieldLoads.h"
#include "module/klo/loads/kloC_InertiaRelief.h"
#include "module/klo/loads/kloC_LineLoad.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_Moment.h"
#include "module/klo/loads/kloC_PipePressure.h"
#include "module/klo/loads/kloC_PressurePenetration.h"
#include "module/klo/loads/kloC_RotationalLoads.h"
#include "module/klo/loads/kloC_Traction.h"
#include "module/klo/upgrade/kloC_LoadVersions.h"
#include "platform/cls/cls_RegisterClasses.h"

// Registers the metadata function of every class of the module with the metadata
// registrar: bases before the classes derived from them, each state before its load.
void kloC_RegisterMetadata() {
    cls_RegisterClasses<kloC_LoadContainer, kloC_StateQuad, mdl_PropAttr<kloC_BoltLoadMethodEnm>, kloC_LoadState,
                        kloC_Load, kloC_VectorState, kloC_Vector, kloC_ScalarState, kloC_Scalar,
                        kloC_DistributedState, kloC_Distributed, kloC_TractionState, kloC_Traction,
                        kloC_PressureState, kloC_Pressure>(7);
    cls_RegisterClasses<kloC_ConcentratedForceState, kloC_ConcentratedForce, kloC_MomentState, kloC_Moment,
                        kloC_ConnectorForceState, kloC_ConnectorForce, kloC_ConnectorMomentState, kloC_ConnectorMoment,
                        kloC_BodyForceState, kloC_BodyForce, kloC_GravityState, kloC_Gravity, kloC_PEGLoadState,
                        kloC_PEGLoad, kloC_LineLoadState, kloC_LineLoad>(7);
    cls_RegisterClasses<kloC_PipePressureState, kloC_PipePressure, kloC_SurfaceTractionState, kloC_SurfaceTraction,
                        kloC_ShellEdgeLoadState, kloC_ShellEdgeLoad, kloC_BoltLoadState, kloC_BoltLoad,
                        kloC_RotationalBodyForceState, kloC_RotationalBodyForce, kloC_CoriolisForceState,
                        kloC_CoriolisForce, kloC_InertiaReliefState, kloC_InertiaRelief,
                        kloC_PressurePenetrationState, kloC_PressurePenetration>(7);
    cls_RegisterClasses<kloC_ConcentratedHeatFluxState, kloC_ConcentratedHeatFlux>(7);
#define KLOC_REGISTER_FIELD_LOAD(Name, ...) cls_RegisterClasses<kloC_##Name##State, kloC_##Name>(7);
    KLOC_FIELD_LOADS(KLOC_REGISTER_FIELD_LOAD)
#undef KLOC_REGISTER_FIELD_LOAD
}

// Registers one reader per older stored class version with the old-class registrar.
void kloC_RegisterOldVersions() { kloC_RegisterLoadVersions(5); }
