#include "module/kpr/procedures/kprC_ProcedureClassification.h"

#include <cstdint>
#include <initializer_list>

#include "module/kpr/procedures/kprC_ProcedureCodes.h"

namespace {
bool Is(unsigned int code, std::uint32_t fact) { return kprC_ProcedureIs(code, fact); }

// The solution-controls classes, as a mask of (id - first) bits.
struct Controls {
    std::uint32_t mask = 0;
    constexpr Controls(std::initializer_list<unsigned int> ids) {
        for (unsigned int id : ids) mask |= std::uint32_t{1} << (id - kprC_TYPICAL_CONTROLS_ID);
    }
    constexpr bool Has(unsigned int id) const {
        return id >= kprC_TYPICAL_CONTROLS_ID && id - kprC_TYPICAL_CONTROLS_ID < 7 &&
               (mask >> (id - kprC_TYPICAL_CONTROLS_ID) & 1u);
    }
};
constexpr Controls rotation{kprC_TYPICAL_CONTROLS_ID, kprC_CTD_CONTROLS_ID, kprC_PORE_CONTROLS_ID,
                            kprC_ELECTRICAL_CONTROLS_ID};
constexpr Controls temperature{kprC_CTD_CONTROLS_ID, kprC_HEAT_TRANSFER_CONTROLS_ID, kprC_CTE_CONTROLS_ID};
constexpr Controls pore{kprC_PORE_CONTROLS_ID};
constexpr Controls concentration{kprC_MASS_DIFFUSION_CONTROLS_ID};
constexpr Controls electrical{kprC_CTE_CONTROLS_ID, kprC_ELECTRICAL_CONTROLS_ID};
}  // namespace

bool kprC_IsPerturbation(unsigned int code) { return Is(code, kprC_PERTURBATION); }
bool kprC_IsExplicit(unsigned int code) { return Is(code, kprC_EXPLICIT_SOLVER); }
bool kprC_IsFrequencyBuckle(unsigned int code) { return Is(code, kprC_FREQUENCY_BUCKLE); }
bool kprC_ModesIsAllowed(unsigned int code) { return Is(code, kprC_FREQUENCY_BUCKLE); }
bool kprC_IsImplicitModal(unsigned int code) { return Is(code, kprC_IMPLICIT_MODAL); }
bool kprC_IsCoupledStep(unsigned int code) { return Is(code, kprC_COUPLED); }
bool kprC_LoadCaseIsAllowed(unsigned int code) { return Is(code, kprC_LOAD_CASE_ALLOWED); }
bool kprC_NumberIntervalIsAllowed(unsigned int code) { return Is(code, kprC_NUMBER_INTERVAL); }
bool kprC_TimeIntervalIsAllowed(unsigned int code) { return Is(code, kprC_TIME_INTERVAL); }

bool kprC_TimePointIsAllowed(unsigned int code, bool flag) {
    return Is(code, kprC_EXPLICIT_DYNAMICS) ? flag : Is(code, kprC_TIME_POINTS);
}
bool kprC_TimeMarksIsAllowed(unsigned int code, bool flag) {
    return Is(code, kprC_EXPLICIT_SOLVER) ? flag : Is(code, kprC_TIME_MARKS);
}
bool kprC_OutputFrequencyIsAllowed(unsigned int code, bool flag) {
    return Is(code, kprC_EXPLICIT_DYNAMICS) ? !flag : Is(code, kprC_OUTPUT_FREQUENCY);
}

bool kprC_HasRotationControls(unsigned int id) { return rotation.Has(id); }
bool kprC_HasDisplacementControls(unsigned int id) { return rotation.Has(id); }
bool kprC_HasHydrostaticControls(unsigned int id) { return rotation.Has(id); }
bool kprC_HasTemperatureControls(unsigned int id) { return temperature.Has(id); }
bool kprC_HasPoreControls(unsigned int id) { return pore.Has(id); }
bool kprC_HasConcentrationControls(unsigned int id) { return concentration.Has(id); }
bool kprC_HasElectricalControls(unsigned int id) { return electrical.Has(id); }

cow_String kprC_InitialStepName() { return "Initial step"; }
