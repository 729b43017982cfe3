#include "module/klo/loads/kloC_LoadTypes.h"

#include <array>
#include <bitset>
#include <initializer_list>

#include "module/klo/kloC_TypeIds.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/procedures/kprC_Procedures.h"

namespace {

using kprC_procedureRows::BUCKLE, kprC_procedureRows::MODAL, kprC_procedureRows::SLP, kprC_procedureRows::SS_DIRECT,
    kprC_procedureRows::SS_MODAL, kprC_procedureRows::DYN_SUBSPACE, kprC_procedureRows::SS_SUBSPACE,
    kprC_procedureRows::CTD, kprC_procedureRows::GEOSTATIC, kprC_procedureRows::DYN_IMPLICIT, kprC_procedureRows::SOILS,
    kprC_procedureRows::STATIC, kprC_procedureRows::RIKS, kprC_procedureRows::VISCO, kprC_procedureRows::DYN_EXPLICIT,
    kprC_procedureRows::TEMP_DISP, kprC_procedureRows::CTE, kprC_procedureRows::HEAT,
    kprC_procedureRows::MASS_DIFFUSION, kprC_procedureRows::FREQUENCY, kprC_procedureRows::RANDOM,
    kprC_procedureRows::SPECTRUM, kprC_procedureRows::COMPLEX_FREQUENCY;
using Set = kprC_ProcedureSet;

// A load type of a list, admitted in every procedure of the list or only in some.
struct Entry {
    unsigned type;
    Set only = {};
    bool everywhere = true;
    constexpr Entry(unsigned t) : type(t) {}
    constexpr Entry(unsigned t, Set o) : type(t), only(o), everywhere(false) {}
    constexpr bool In(unsigned procedure) const { return everywhere || only.Has(procedure); }
};

// The load types of one family valid in a set of procedures, in their display order.
struct List {
    Set procedures;
    std::initializer_list<Entry> entries;
};

enum Family { MECHANICAL, THERMAL, FLUID, ELECTRICAL, MASS_DIFFUSION_LOADS, ACOUSTIC, FAMILIES };

constexpr unsigned CF = kloC_ConcentratedForce_TypeId, MOMENT = kloC_Moment_TypeId, PRESSURE = kloC_Pressure_TypeId,
                   EDGE = kloC_ShellEdgeLoad_TypeId, TRACTION = kloC_SurfaceTraction_TypeId,
                   BODY = kloC_BodyForce_TypeId, LINE = kloC_LineLoad_TypeId, GRAVITY = kloC_Gravity_TypeId,
                   PIPE = kloC_PipePressure_TypeId, PEG = kloC_PEGLoad_TypeId,
                   ROTATIONAL = kloC_RotationalBodyForce_TypeId, CORIOLIS = kloC_CoriolisForce_TypeId,
                   CONN_FORCE = kloC_ConnectorForce_TypeId, CONN_MOMENT = kloC_ConnectorMoment_TypeId,
                   INERTIA = kloC_InertiaRelief_TypeId, BOLT = kloC_BoltLoad_TypeId;

// Per family, the lists in the order they are searched: a procedure takes the first that holds it.
constexpr List lists[FAMILIES][3] = {
    {{{BUCKLE, MODAL, SLP, SS_DIRECT, SS_MODAL, DYN_SUBSPACE, SS_SUBSPACE},
      {CF, MOMENT, PRESSURE, EDGE, TRACTION, BODY, LINE, GRAVITY, PIPE, PEG, {ROTATIONAL, {SLP}}, CORIOLIS, CONN_FORCE,
       CONN_MOMENT, {INERTIA, {SLP, BUCKLE}}}},
     {{CTD, GEOSTATIC, DYN_IMPLICIT, SOILS, STATIC, RIKS, VISCO},
      {CF, MOMENT, PRESSURE, EDGE, TRACTION, PIPE, BODY, LINE, GRAVITY, BOLT, {PEG, {DYN_IMPLICIT, STATIC, RIKS, VISCO}},
       ROTATIONAL, CORIOLIS, CONN_FORCE, CONN_MOMENT, {INERTIA, {DYN_IMPLICIT, STATIC, RIKS}}}},
     {{DYN_EXPLICIT, TEMP_DISP}, {CF, MOMENT, PRESSURE, EDGE, TRACTION, BODY, LINE, GRAVITY, CONN_FORCE, CONN_MOMENT}}},
    {{{CTD, CTE, HEAT, TEMP_DISP},
      {kloC_SurfaceHeatFlux_TypeId, kloC_BodyHeatFlux_TypeId, kloC_ConcentratedHeatFlux_TypeId}}},
    {{{GEOSTATIC, SOILS}, {kloC_ConcentratedPoreFluid_TypeId, kloC_SurfacePoreFluid_TypeId}}},
    {{{CTE}, {kloC_ConcentratedCurrent_TypeId, kloC_SurfaceCurrent_TypeId, kloC_BodyCurrent_TypeId}},
     {{DYN_IMPLICIT, STATIC, SLP, SS_DIRECT},
      {kloC_ConcentratedCharge_TypeId, kloC_SurfaceCharge_TypeId, kloC_BodyCharge_TypeId}}},
    {{{MASS_DIFFUSION},
      {kloC_ConcentratedConcentrationFlux_TypeId, kloC_SurfaceConcentrationFlux_TypeId,
       kloC_BodyConcentrationFlux_TypeId}}},
    {{{BUCKLE, MODAL, SLP, SS_DIRECT, SS_MODAL, DYN_SUBSPACE, SS_SUBSPACE, DYN_EXPLICIT, DYN_IMPLICIT, TEMP_DISP},
      {kloC_InwardVolAccel_TypeId}}},
};

List const* ListOf(Family family, unsigned procedure) {
    for (auto const& list : lists[family])
        if (list.procedures.Has(procedure)) return &list;
    return nullptr;
}

cow_List<cow_String> Labels(Family family, int procedureType) {
    unsigned const p = static_cast<unsigned>(procedureType);
    cow_List<cow_String> out;
    if (auto const* list = ListOf(family, p))
        for (auto const& e : list->entries)
            if (e.In(p)) out.push_back(kloC_LoadTypeLabelMap::Instance().Label(e.type));
    return out;
}

// The admitted load types of each procedure, by class index within the loads module,
// built once from the lists.
using Admitted = std::bitset<128>;
std::array<Admitted, Set::count> const& AdmittedByProcedure() {
    static std::array<Admitted, Set::count> const admitted = [] {
        std::array<Admitted, Set::count> a{};
        for (unsigned i = 0; i < Set::count; ++i) {
            unsigned const p = Set::first + i;
            for (int f = 0; f < FAMILIES; ++f)
                if (auto const* list = ListOf(Family(f), p))
                    for (auto const& e : list->entries)
                        if (e.In(p)) a[i].set(e.type & 0xFFFFu);
        }
        return a;
    }();
    return admitted;
}

}  // namespace

cow_List<cow_String> kloC_getMechanicalLoadTypesforStep(int procedureType) { return Labels(MECHANICAL, procedureType); }
cow_List<cow_String> kloC_getThermalLoadTypesforStep(int procedureType) { return Labels(THERMAL, procedureType); }
cow_List<cow_String> kloC_getFluidLoadTypesforStep(int procedureType) { return Labels(FLUID, procedureType); }
cow_List<cow_String> kloC_getElectricalLoadTypesforStep(int procedureType) { return Labels(ELECTRICAL, procedureType); }
cow_List<cow_String> kloC_getMassDiffusionLoadTypesforStep(int procedureType) {
    return Labels(MASS_DIFFUSION_LOADS, procedureType);
}
cow_List<cow_String> kloC_getAcousticLoadTypesforStep(int procedureType) { return Labels(ACOUSTIC, procedureType); }

bool kloC_isValidLoadTypeforStep(int loadTypeId, int procedureType) {
    unsigned const type = static_cast<unsigned>(loadTypeId), p = static_cast<unsigned>(procedureType);
    if (type >> 16 != kloC_ModuleNumber || (type & 0xFFFFu) >= Admitted().size()) return false;
    if (p < Set::first || p - Set::first >= Set::count) return false;
    return AdmittedByProcedure()[p - Set::first].test(type & 0xFFFFu);
}

bool kloC_RelaxedAdmission(unsigned loadTypeId, unsigned procedureType) {
    static constexpr Set modalResponse = {FREQUENCY, RANDOM, SPECTRUM, COMPLEX_FREQUENCY};
    static constexpr Set ruleB = {BUCKLE, FREQUENCY, MODAL, RANDOM, SPECTRUM, SLP,
                                  SS_DIRECT, SS_MODAL, DYN_SUBSPACE, COMPLEX_FREQUENCY};
    static constexpr Set ruleA = ruleB | Set{SS_SUBSPACE};
    static constexpr Set rotational = {BUCKLE,   FREQUENCY,    MODAL,             RANDOM,     SPECTRUM,
                                       SS_DIRECT, SS_MODAL, DYN_SUBSPACE, COMPLEX_FREQUENCY, SS_SUBSPACE};
    static constexpr Set inertiaRelief = {FREQUENCY, MODAL,    RANDOM,            SPECTRUM,
                                          SS_DIRECT, SS_MODAL, COMPLEX_FREQUENCY, SS_SUBSPACE};
    static constexpr Set coriolis = {SS_SUBSPACE};
    struct Rule {
        std::initializer_list<unsigned> types;
        Set procedures;
    };
    static constexpr Rule rules[] = {
        {{CF, MOMENT, PRESSURE, PIPE, TRACTION, EDGE, kloC_Traction_TypeId, LINE, BODY, GRAVITY, PEG, CONN_FORCE,
          CONN_MOMENT, kloC_InwardVolAccel_TypeId, kloC_PressurePenetration_TypeId},
         modalResponse},
        {{BOLT, kloC_BodyCurrent_TypeId, kloC_BodyHeatFlux_TypeId, kloC_ConcentratedHeatFlux_TypeId,
          kloC_ConcentratedConcentrationFlux_TypeId, kloC_ConcentratedPoreFluid_TypeId, kloC_HydroFluidFlow_TypeId,
          kloC_SurfaceConcentrationFlux_TypeId, kloC_SurfaceHeatFlux_TypeId},
         ruleA},
        {{kloC_ConcentratedCurrent_TypeId, kloC_SurfaceCurrent_TypeId, kloC_SurfacePoreFluid_TypeId}, ruleB},
        {{ROTATIONAL}, rotational},
        {{INERTIA}, inertiaRelief},
        {{CORIOLIS}, coriolis},
    };
    for (auto const& rule : rules)
        for (unsigned type : rule.types)
            if (type == loadTypeId) return rule.procedures.Has(procedureType);
    return false;
}
