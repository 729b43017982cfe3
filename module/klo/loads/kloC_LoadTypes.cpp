#include "module/klo/loads/kloC_LoadTypes.h"

#include <algorithm>
#include <initializer_list>

#include "module/klo/kloC_TypeIds.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/kprC_TypeIds.h"

namespace {

using Codes = std::initializer_list<unsigned>;

bool In(unsigned code, Codes set) { return std::find(set.begin(), set.end(), code) != set.end(); }

// A label that belongs to a list only in some of the list's procedures.
struct Entry {
    char const* label;
    Codes only = {};  // empty: every procedure of the list
};

cow_List<cow_String> Labels(unsigned procedure, std::initializer_list<Entry> entries) {
    cow_List<cow_String> out;
    for (auto const& e : entries)
        if (e.only.size() == 0 || In(procedure, e.only)) out.emplace_back(e.label);
    return out;
}

constexpr unsigned BUCKLE = kprC_BuckleStep_TypeId, MODAL = kprC_ModalDynamicsStep_TypeId,
                   SLP = kprC_StaticLinearPerturbationStep_TypeId, SS_DIRECT = kprC_SteadyStateDirectStep_TypeId,
                   SS_MODAL = kprC_SteadyStateModalStep_TypeId, DYN_SUBSPACE = kprC_SubspaceDynamicsStep_TypeId,
                   SS_SUBSPACE = kprC_SteadyStateSubspaceStep_TypeId, CTD = kprC_CoupledTempDisplacementStep_TypeId,
                   GEOSTATIC = kprC_GeostaticStep_TypeId, DYN_IMPLICIT = kprC_ImplicitDynamicsStep_TypeId,
                   SOILS = kprC_SoilsStep_TypeId, STATIC = kprC_StaticStep_TypeId, RIKS = kprC_StaticRiksStep_TypeId,
                   VISCO = kprC_ViscoStep_TypeId, DYN_EXPLICIT = kprC_ExplicitDynamicsStep_TypeId,
                   TEMP_DISP = kprC_TempDisplacementDynamicsStep_TypeId, CTE = kprC_CoupledThermalElectricStep_TypeId,
                   HEAT = kprC_HeatTransferStep_TypeId, MASS_DIFFUSION = kprC_MassDiffusionStep_TypeId,
                   FREQUENCY = kprC_FrequencyStep_TypeId, RANDOM = kprC_RandomResponseStep_TypeId,
                   SPECTRUM = kprC_ResponseSpectrumStep_TypeId, COMPLEX_FREQUENCY = kprC_ComplexFrequencyStep_TypeId;

}  // namespace

cow_List<cow_String> kloC_getMechanicalLoadTypesforStep(int procedureType) {
    unsigned p = static_cast<unsigned>(procedureType);
    if (In(p, {BUCKLE, MODAL, SLP, SS_DIRECT, SS_MODAL, DYN_SUBSPACE, SS_SUBSPACE}))
        return Labels(p, {{"Concentrated force"}, {"Moment"}, {"Pressure"}, {"Shell edge load"},
                          {"Surface traction"}, {"Body force"}, {"Line load"}, {"Gravity"}, {"Pipe pressure"},
                          {"Generalized plane strain"}, {"Rotational body force", {SLP}}, {"Coriolis force"},
                          {"Connector force"}, {"Connector moment"}, {"Inertia relief", {SLP, BUCKLE}}});
    if (In(p, {CTD, GEOSTATIC, DYN_IMPLICIT, SOILS, STATIC, RIKS, VISCO}))
        return Labels(p, {{"Concentrated force"}, {"Moment"}, {"Pressure"}, {"Shell edge load"},
                          {"Surface traction"}, {"Pipe pressure"}, {"Body force"}, {"Line load"}, {"Gravity"},
                          {"Bolt load"}, {"Generalized plane strain", {DYN_IMPLICIT, STATIC, RIKS, VISCO}},
                          {"Rotational body force"}, {"Coriolis force"}, {"Connector force"}, {"Connector moment"},
                          {"Inertia relief", {DYN_IMPLICIT, STATIC, RIKS}}});
    if (In(p, {DYN_EXPLICIT, TEMP_DISP}))
        return Labels(p, {{"Concentrated force"}, {"Moment"}, {"Pressure"}, {"Shell edge load"},
                          {"Surface traction"}, {"Body force"}, {"Line load"}, {"Gravity"}, {"Connector force"},
                          {"Connector moment"}});
    return {};
}

cow_List<cow_String> kloC_getThermalLoadTypesforStep(int procedureType) {
    if (!In(static_cast<unsigned>(procedureType), {CTD, CTE, HEAT, TEMP_DISP})) return {};
    return {"Surface heat flux", "Body heat flux", "Concentrated heat flux"};
}

cow_List<cow_String> kloC_getFluidLoadTypesforStep(int procedureType) {
    if (!In(static_cast<unsigned>(procedureType), {GEOSTATIC, SOILS})) return {};
    return {"Concentrated pore fluid", "Surface pore fluid"};
}

cow_List<cow_String> kloC_getElectricalLoadTypesforStep(int procedureType) {
    unsigned p = static_cast<unsigned>(procedureType);
    if (p == CTE) return {"Concentrated current", "Surface current", "Body current"};
    if (In(p, {DYN_IMPLICIT, STATIC, SLP, SS_DIRECT})) return {"Concentrated charge", "Surface charge", "Body charge"};
    return {};
}

cow_List<cow_String> kloC_getMassDiffusionLoadTypesforStep(int procedureType) {
    if (static_cast<unsigned>(procedureType) != MASS_DIFFUSION) return {};
    return {"Concentrated concentration flux", "Surface concentration flux", "Body concentration flux"};
}

cow_List<cow_String> kloC_getAcousticLoadTypesforStep(int procedureType) {
    if (!In(static_cast<unsigned>(procedureType),
            {BUCKLE, MODAL, SLP, SS_DIRECT, SS_MODAL, DYN_SUBSPACE, SS_SUBSPACE, DYN_EXPLICIT, DYN_IMPLICIT, TEMP_DISP}))
        return {};
    return {"Inward volume acceleration"};
}

bool kloC_isValidLoadTypeforStep(int loadTypeId, int procedureType) {
    cow_String const label = kloC_LoadTypeLabelMap::Instance().Label(static_cast<unsigned>(loadTypeId));
    if (label.empty()) return false;
    for (auto family : {kloC_getMechanicalLoadTypesforStep, kloC_getThermalLoadTypesforStep,
                        kloC_getFluidLoadTypesforStep, kloC_getElectricalLoadTypesforStep,
                        kloC_getMassDiffusionLoadTypesforStep, kloC_getAcousticLoadTypesforStep}) {
        auto const labels = family(procedureType);
        if (std::find(labels.begin(), labels.end(), label) != labels.end()) return true;
    }
    return false;
}

bool kloC_RelaxedAdmission(unsigned loadTypeId, unsigned procedureType) {
    static constexpr Codes modalResponse = {FREQUENCY, RANDOM, SPECTRUM, COMPLEX_FREQUENCY};
    static constexpr Codes ruleA = {BUCKLE, FREQUENCY, MODAL,       RANDOM,       SPECTRUM,         SLP,
                                    SS_DIRECT, SS_MODAL, DYN_SUBSPACE, COMPLEX_FREQUENCY, SS_SUBSPACE};
    static constexpr Codes ruleB = {BUCKLE, FREQUENCY, MODAL, RANDOM, SPECTRUM, SLP,
                                    SS_DIRECT, SS_MODAL, DYN_SUBSPACE, COMPLEX_FREQUENCY};
    static constexpr Codes rotational = {BUCKLE,   FREQUENCY,    MODAL,             RANDOM,     SPECTRUM,
                                         SS_DIRECT, SS_MODAL, DYN_SUBSPACE, COMPLEX_FREQUENCY, SS_SUBSPACE};
    static constexpr Codes inertiaRelief = {FREQUENCY, MODAL,    RANDOM,            SPECTRUM,
                                            SS_DIRECT, SS_MODAL, COMPLEX_FREQUENCY, SS_SUBSPACE};
    static constexpr Codes coriolis = {SS_SUBSPACE};
    struct Rule {
        Codes types;
        Codes procedures;
    };
    static constexpr Rule rules[] = {
        {{kloC_ConcentratedForce_TypeId, kloC_Moment_TypeId, kloC_Pressure_TypeId, kloC_PipePressure_TypeId,
          kloC_SurfaceTraction_TypeId, kloC_ShellEdgeLoad_TypeId, kloC_Traction_TypeId, kloC_LineLoad_TypeId,
          kloC_BodyForce_TypeId, kloC_Gravity_TypeId, kloC_PEGLoad_TypeId, kloC_ConnectorForce_TypeId,
          kloC_ConnectorMoment_TypeId, kloC_InwardVolAccel_TypeId, kloC_PressurePenetration_TypeId},
         modalResponse},
        {{kloC_BoltLoad_TypeId, kloC_BodyCurrent_TypeId, kloC_BodyHeatFlux_TypeId, kloC_ConcentratedHeatFlux_TypeId,
          kloC_ConcentratedConcentrationFlux_TypeId, kloC_ConcentratedPoreFluid_TypeId, kloC_HydroFluidFlow_TypeId,
          kloC_SurfaceConcentrationFlux_TypeId, kloC_SurfaceHeatFlux_TypeId},
         ruleA},
        {{kloC_ConcentratedCurrent_TypeId, kloC_SurfaceCurrent_TypeId, kloC_SurfacePoreFluid_TypeId}, ruleB},
        {{kloC_RotationalBodyForce_TypeId}, rotational},
        {{kloC_InertiaRelief_TypeId}, inertiaRelief},
        {{kloC_CoriolisForce_TypeId}, coriolis},
    };
    for (auto const& rule : rules)
        if (In(loadTypeId, rule.types)) return In(procedureType, rule.procedures);
    return false;
}
