#include "module/klo/loads/kloC_LoadTypeLabelMap.h"

#include <utility>

#include "module/klo/kloC_TypeIds.h"

namespace {
constexpr std::pair<unsigned, char const*> loadTypes[] = {
    {kloC_ConcentratedForce_TypeId, "Concentrated force"},
    {kloC_Moment_TypeId, "Moment"},
    {kloC_Pressure_TypeId, "Pressure"},
    {kloC_SurfaceTraction_TypeId, "Surface traction"},
    {kloC_ShellEdgeLoad_TypeId, "Shell edge load"},
    {kloC_LineLoad_TypeId, "Line load"},
    {kloC_PipePressure_TypeId, "Pipe pressure"},
    {kloC_BodyForce_TypeId, "Body force"},
    {kloC_Gravity_TypeId, "Gravity"},
    {kloC_PEGLoad_TypeId, "Generalized plane strain"},
    {kloC_BoltLoad_TypeId, "Bolt load"},
    {kloC_RotationalBodyForce_TypeId, "Rotational body force"},
    {kloC_CoriolisForce_TypeId, "Coriolis force"},
    {kloC_ConnectorForce_TypeId, "Connector force"},
    {kloC_ConnectorMoment_TypeId, "Connector moment"},
    {kloC_InertiaRelief_TypeId, "Inertia relief"},
    {kloC_PressurePenetration_TypeId, "Pressure penetration (NYI)"},
    {kloC_ConcentratedHeatFlux_TypeId, "Concentrated heat flux"},
    {kloC_SurfaceHeatFlux_TypeId, "Surface heat flux"},
    {kloC_BodyHeatFlux_TypeId, "Body heat flux"},
    {kloC_ConcentratedPoreFluid_TypeId, "Concentrated pore fluid"},
    {kloC_SurfacePoreFluid_TypeId, "Surface pore fluid"},
    {kloC_HydroFluidFlow_TypeId, "Hydrostatic fluid flux"},
    {kloC_ConcentratedCharge_TypeId, "Concentrated charge"},
    {kloC_SurfaceCharge_TypeId, "Surface charge"},
    {kloC_BodyCharge_TypeId, "Body charge"},
    {kloC_ConcentratedCurrent_TypeId, "Concentrated current"},
    {kloC_SurfaceCurrent_TypeId, "Surface current"},
    {kloC_BodyCurrent_TypeId, "Body current"},
    {kloC_ConcentratedConcentrationFlux_TypeId, "Concentrated concentration flux"},
    {kloC_SurfaceConcentrationFlux_TypeId, "Surface concentration flux"},
    {kloC_BodyConcentrationFlux_TypeId, "Body concentration flux"},
    {kloC_InwardVolAccel_TypeId, "Inward volume acceleration"},
};
}  // namespace

kloC_LoadTypeLabelMap::kloC_LoadTypeLabelMap() : typ_LabelMap(loadTypes) {}
