#include "module/kpr/procedures/kprC_ProcedureClassification.h"

#include <cstdint>
#include <initializer_list>

#include "module/kpr/procedures/kprC_ProcedureCodes.h"

namespace {
// A set of codes from one contiguous id range, as a mask of (id - first) bits.
template <unsigned int First, unsigned int Count>
struct IdSet {
    std::uint32_t mask = 0;
    constexpr IdSet() = default;
    constexpr IdSet(std::initializer_list<unsigned int> ids) {
        for (unsigned int id : ids) mask |= std::uint32_t{1} << (id - First);
    }
    static constexpr IdSet All() { return FromMask((std::uint64_t{1} << Count) - 1); }
    static constexpr IdSet FromMask(std::uint32_t bits) {
        IdSet set{};
        set.mask = bits;
        return set;
    }
    constexpr bool Has(unsigned int id) const {
        return id >= First && id - First < Count && (mask >> (id - First) & 1u);
    }
    constexpr IdSet operator|(IdSet other) const { return FromMask(mask | other.mask); }
    constexpr IdSet Without(IdSet other) const { return FromMask(mask & ~other.mask); }
};
using Procedures = IdSet<kprC_FIRST_PROCEDURE, kprC_PROCEDURE_COUNT>;
using Controls = IdSet<kprC_TYPICAL_CONTROLS_ID, 7>;

constexpr Procedures explicitDynamics{kprC_EXPLICIT_DYNAMICS_STEP_ID, kprC_TEMP_DISPLACEMENT_DYNAMICS_STEP_ID};
constexpr Procedures anneal{kprC_ANNEAL_STEP_ID};
constexpr Procedures perturbation{kprC_BUCKLE_STEP_ID,           kprC_FREQUENCY_STEP_ID,
                                  kprC_MODAL_DYNAMICS_STEP_ID,   kprC_RANDOM_RESPONSE_STEP_ID,
                                  kprC_RESPONSE_SPECTRUM_STEP_ID, kprC_STATIC_LINEAR_PERTURBATION_STEP_ID,
                                  kprC_STEADY_STATE_DIRECT_STEP_ID, kprC_STEADY_STATE_MODAL_STEP_ID,
                                  kprC_COMPLEX_FREQUENCY_STEP_ID, kprC_STEADY_STATE_SUBSPACE_STEP_ID};
constexpr Procedures frequencyBuckle{kprC_BUCKLE_STEP_ID, kprC_COMPLEX_FREQUENCY_STEP_ID, kprC_FREQUENCY_STEP_ID};
constexpr Procedures implicitModal{kprC_IMPLICIT_DYNAMICS_STEP_ID, kprC_MODAL_DYNAMICS_STEP_ID};
constexpr Procedures coupled{kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID, kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID,
                             kprC_TEMP_DISPLACEMENT_DYNAMICS_STEP_ID};
constexpr Procedures loadCase{kprC_STATIC_LINEAR_PERTURBATION_STEP_ID, kprC_STEADY_STATE_DIRECT_STEP_ID};
// Time marks are allowed in these without condition; time points also in modal and
// subspace dynamics.
constexpr Procedures timeMarks{kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID,
                               kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID,
                               kprC_IMPLICIT_DYNAMICS_STEP_ID,
                               kprC_HEAT_TRANSFER_STEP_ID,
                               kprC_MASS_DIFFUSION_STEP_ID,
                               kprC_SOILS_STEP_ID,
                               kprC_STATIC_STEP_ID,
                               kprC_VISCO_STEP_ID};
constexpr Procedures timePoints = timeMarks | Procedures{kprC_MODAL_DYNAMICS_STEP_ID, kprC_SUBSPACE_DYNAMICS_STEP_ID};
constexpr Procedures timeInterval = timePoints | explicitDynamics;
constexpr Procedures numberInterval = timeInterval | anneal;
// Output frequency: every procedure but these, and the explicit ones by the flag.
constexpr Procedures outputFrequency =
    Procedures::All()
        .Without({kprC_ANNEAL_STEP_ID, kprC_BUCKLE_STEP_ID, kprC_FREQUENCY_STEP_ID, kprC_COMPLEX_FREQUENCY_STEP_ID,
                  kprC_USA_ADDED_MASS_GENERATION_STEP_ID, kprC_SUBSTRUCTURE_GENERATE_STEP_ID})
        .Without(explicitDynamics);

constexpr Controls rotation{kprC_TYPICAL_CONTROLS_ID, kprC_CTD_CONTROLS_ID, kprC_PORE_CONTROLS_ID,
                            kprC_ELECTRICAL_CONTROLS_ID};
constexpr Controls temperature{kprC_CTD_CONTROLS_ID, kprC_HEAT_TRANSFER_CONTROLS_ID, kprC_CTE_CONTROLS_ID};
constexpr Controls pore{kprC_PORE_CONTROLS_ID};
constexpr Controls concentration{kprC_MASS_DIFFUSION_CONTROLS_ID};
constexpr Controls electrical{kprC_CTE_CONTROLS_ID, kprC_ELECTRICAL_CONTROLS_ID};
}  // namespace

bool kprC_IsPerturbation(unsigned int code) { return perturbation.Has(code); }
bool kprC_IsExplicit(unsigned int code) { return (explicitDynamics | anneal).Has(code); }
bool kprC_IsFrequencyBuckle(unsigned int code) { return frequencyBuckle.Has(code); }
bool kprC_ModesIsAllowed(unsigned int code) { return frequencyBuckle.Has(code); }
bool kprC_IsImplicitModal(unsigned int code) { return implicitModal.Has(code); }
bool kprC_IsCoupledStep(unsigned int code) { return coupled.Has(code); }
bool kprC_LoadCaseIsAllowed(unsigned int code) { return loadCase.Has(code); }
bool kprC_NumberIntervalIsAllowed(unsigned int code) { return numberInterval.Has(code); }
bool kprC_TimeIntervalIsAllowed(unsigned int code) { return timeInterval.Has(code); }

bool kprC_TimePointIsAllowed(unsigned int code, bool flag) {
    return explicitDynamics.Has(code) ? flag : timePoints.Has(code);
}
bool kprC_TimeMarksIsAllowed(unsigned int code, bool flag) {
    return (explicitDynamics | anneal).Has(code) ? flag : timeMarks.Has(code);
}
bool kprC_OutputFrequencyIsAllowed(unsigned int code, bool flag) {
    return explicitDynamics.Has(code) ? !flag : outputFrequency.Has(code);
}

bool kprC_HasRotationControls(unsigned int id) { return rotation.Has(id); }
bool kprC_HasDisplacementControls(unsigned int id) { return rotation.Has(id); }
bool kprC_HasHydrostaticControls(unsigned int id) { return rotation.Has(id); }
bool kprC_HasTemperatureControls(unsigned int id) { return temperature.Has(id); }
bool kprC_HasPoreControls(unsigned int id) { return pore.Has(id); }
bool kprC_HasConcentrationControls(unsigned int id) { return concentration.Has(id); }
bool kprC_HasElectricalControls(unsigned int id) { return electrical.Has(id); }

cow_String kprC_InitialStepName() { return "Initial step"; }
