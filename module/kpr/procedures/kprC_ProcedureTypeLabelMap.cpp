#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"

#include <iterator>

#include "module/kpr/procedures/kprC_ProcedureCodes.h"

namespace {
struct Registration {
    unsigned int code;
    char const* label;
};

// The backslash-at suffixes give the translator the context of an ambiguous word.
constexpr Registration registrations[] = {
    {kprC_ANNEAL_STEP_ID, "Anneal"},
    {kprC_BUCKLE_STEP_ID, "Buckle"},
    {kprC_COMPLEX_FREQUENCY_STEP_ID, "Complex frequency"},
    {kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID, "Coupled temp-displacement"},
    {kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID, "Coupled thermal-electric"},
    {kprC_IMPLICIT_DYNAMICS_STEP_ID, "Dynamic, Implicit"},
    {kprC_EXPLICIT_DYNAMICS_STEP_ID, "Dynamic, Explicit"},
    {kprC_SUBSPACE_DYNAMICS_STEP_ID, "Dynamic, Subspace"},
    {kprC_TEMP_DISPLACEMENT_DYNAMICS_STEP_ID, "Dynamic, Temp-disp, Explicit"},
    {kprC_FREQUENCY_STEP_ID, "Frequency\\@PROCEDURE_FREQUENCY"},
    {kprC_GEOSTATIC_STEP_ID, "Geostatic"},
    {kprC_HEAT_TRANSFER_STEP_ID, "Heat transfer"},
    {kprC_MASS_DIFFUSION_STEP_ID, "Mass diffusion\\@PROCEDURE_MASS_DIFFUSION"},
    {kprC_MODAL_DYNAMICS_STEP_ID, "Modal dynamics"},
    {kprC_RANDOM_RESPONSE_STEP_ID, "Random response"},
    {kprC_RESPONSE_SPECTRUM_STEP_ID, "Response spectrum"},
    {kprC_SOILS_STEP_ID, "Soils"},
    {kprC_STATIC_STEP_ID, "Static, General"},
    {kprC_STATIC_LINEAR_PERTURBATION_STEP_ID, "Static, Linear perturbation"},
    {kprC_STATIC_RIKS_STEP_ID, "Static, Riks"},
    {kprC_STEADY_STATE_DIRECT_STEP_ID, "Steady-state dynamics, Direct"},
    {kprC_STEADY_STATE_MODAL_STEP_ID, "Steady-state dynamics, Modal"},
    {kprC_STEADY_STATE_SUBSPACE_STEP_ID, "Steady-state dynamics, Subspace"},
    {kprC_SUBSTRUCTURE_GENERATE_STEP_ID, "Substructure generation"},
    {kprC_USA_ADDED_MASS_GENERATION_STEP_ID, "USA added mass generation"},
    {kprC_VISCO_STEP_ID, "Visco"},
};
static_assert(std::size(registrations) == kprC_PROCEDURE_COUNT);
}  // namespace

kprC_ProcedureTypeLabelMap::kprC_ProcedureTypeLabelMap() {
    for (Registration const& r : registrations) {
        translated_.emplace(r.code, atr_translate(r.label));
        labels_.emplace(r.code, r.label);
        codes_.push_back(r.code);
    }
}
