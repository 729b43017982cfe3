#include "module/kpr/sequencer/kprC_StepSequencer.h"

#include <algorithm>
#include <initializer_list>

#include "module/kpr/kprC_assert.h"
#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/nex/nex_Exception.h"
#include "platform/thr/thr_GlobalSingleton.h"

namespace {

constexpr unsigned ANNEAL = kprC_ANNEAL_STEP_ID, BUCKLE = kprC_BUCKLE_STEP_ID,
                   CTD = kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID, CTE = kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID,
                   DYN_EXPLICIT = kprC_EXPLICIT_DYNAMICS_STEP_ID, FREQUENCY = kprC_FREQUENCY_STEP_ID,
                   GEOSTATIC = kprC_GEOSTATIC_STEP_ID, HEAT = kprC_HEAT_TRANSFER_STEP_ID,
                   DYN_IMPLICIT = kprC_IMPLICIT_DYNAMICS_STEP_ID, MASS_DIFFUSION = kprC_MASS_DIFFUSION_STEP_ID,
                   MODAL = kprC_MODAL_DYNAMICS_STEP_ID, RANDOM = kprC_RANDOM_RESPONSE_STEP_ID,
                   SPECTRUM = kprC_RESPONSE_SPECTRUM_STEP_ID, SOILS = kprC_SOILS_STEP_ID,
                   STATIC = kprC_STATIC_STEP_ID, RIKS = kprC_STATIC_RIKS_STEP_ID,
                   SLP = kprC_STATIC_LINEAR_PERTURBATION_STEP_ID, SS_DIRECT = kprC_STEADY_STATE_DIRECT_STEP_ID,
                   SS_MODAL = kprC_STEADY_STATE_MODAL_STEP_ID, DYN_SUBSPACE = kprC_SUBSPACE_DYNAMICS_STEP_ID,
                   USA = kprC_USA_ADDED_MASS_GENERATION_STEP_ID, VISCO = kprC_VISCO_STEP_ID,
                   TEMP_DISP = kprC_TEMP_DISPLACEMENT_DYNAMICS_STEP_ID,
                   COMPLEX_FREQUENCY = kprC_COMPLEX_FREQUENCY_STEP_ID, SS_SUBSPACE = kprC_STEADY_STATE_SUBSPACE_STEP_ID;

bool In(unsigned code, std::initializer_list<unsigned> set) {
    return std::find(set.begin(), set.end(), code) != set.end();
}

bool IsExplicitSolver(unsigned code) { return In(code, {ANNEAL, DYN_EXPLICIT, TEMP_DISP}); }

// What may open a history.
bool MayOpen(unsigned code, bool usa) {
    if (code == USA) return usa;
    return In(code, {BUCKLE, CTD, CTE, DYN_EXPLICIT, FREQUENCY, GEOSTATIC, HEAT, DYN_IMPLICIT, MASS_DIFFUSION,
                     SOILS, STATIC, RIKS, SLP, SS_DIRECT, VISCO, TEMP_DISP});
}

// What may follow `last` directly.
bool MayFollowDirectly(unsigned last, unsigned code, bool usa) {
    if (IsExplicitSolver(last)) return IsExplicitSolver(code);
    if (last == USA && !usa) return false;
    switch (last) {
    case CTD:
        return In(code, {BUCKLE, CTD, FREQUENCY, DYN_IMPLICIT, STATIC, SLP, SS_DIRECT, VISCO});
    case CTE:
    case HEAT:
        return In(code, {CTE, HEAT});
    case GEOSTATIC:
    case SOILS:
        return In(code, {BUCKLE, FREQUENCY, GEOSTATIC, DYN_IMPLICIT, SOILS, STATIC, RIKS, SLP, SS_DIRECT, VISCO});
    case STATIC:
    case VISCO:
        return In(code, {BUCKLE, CTD, FREQUENCY, GEOSTATIC, DYN_IMPLICIT, SOILS, STATIC, RIKS, SLP, SS_DIRECT, VISCO});
    case DYN_IMPLICIT:
    case DYN_SUBSPACE:
    case USA:
        return In(code, {DYN_IMPLICIT, STATIC, RIKS, VISCO}) || (code == DYN_SUBSPACE && last == DYN_IMPLICIT) ||
               (code == USA && usa);
    case MASS_DIFFUSION:
        return code == MASS_DIFFUSION;
    case FREQUENCY:
        return In(code, {BUCKLE, FREQUENCY, MODAL, RANDOM, SPECTRUM, SLP, SS_DIRECT, SS_MODAL, DYN_SUBSPACE,
                         COMPLEX_FREQUENCY, SS_SUBSPACE});
    case BUCKLE:
    case MODAL:
    case RANDOM:
    case SPECTRUM:
    case SLP:
    case SS_DIRECT:
    case SS_MODAL:
    case COMPLEX_FREQUENCY:
    case SS_SUBSPACE:
        return In(code, {BUCKLE, FREQUENCY, SLP, SS_DIRECT});
    default:  // Static Riks, substructure generation: nothing follows directly
        return false;
    }
}

}  // namespace

bool kprC_StepSequencer::MayAppend(cow_List<unsigned int> const& sequence, std::size_t length, unsigned int code,
                                   bool usa, bool hasFrequency) {
    if (length == 0) return MayOpen(code, usa);
    unsigned last = sequence[length - 1];
    if (MayFollowDirectly(last, code, usa)) return true;
    // A run of perturbation steps is transparent to what follows it, except for the
    // explicit-solver procedures, and for USA added mass generation unless admitted.
    bool lookThrough = kprC_IsPerturbation(last) && !IsExplicitSolver(code) && (code != USA || usa);
    if (lookThrough && MayAppend(sequence, length - 1, code, true, hasFrequency)) return true;
    if (In(last, {CTE, HEAT, MASS_DIFFUSION, RIKS})) return false;
    return code == COMPLEX_FREQUENCY && hasFrequency;
}

kprC_StepSequencer::kprC_StepSequencer(bool usaAddedMassAllowed)
    : usaAddedMassAllowed_(usaAddedMassAllowed),
      procedures_(thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance().ProcedureTypes()) {}

kprC_StepSequencer::kprC_StepSequencer(History history, bool usaAddedMassAllowed)
    : kprC_StepSequencer(usaAddedMassAllowed) {
    history_ = std::move(history);
}

kprC_StepSequencer::kprC_StepSequencer(cow_List<unsigned int> const& codes, bool usaAddedMassAllowed)
    : kprC_StepSequencer(usaAddedMassAllowed) {
    for (unsigned code : codes) Append(code);
}

void kprC_StepSequencer::Clear() {
    sequence_.clear();
    hasFrequency_ = false;
    appendableStale_ = true;
}

void kprC_StepSequencer::Append(unsigned int code) {
    kprC_Assert(MayAppend(sequence_, sequence_.size(), code, usaAddedMassAllowed_, hasFrequency_),
                kprC_INVALID_STEP_SEQUENCE);
    sequence_.push_back(code);
    appendableStale_ = true;
    if (code == FREQUENCY) hasFrequency_ = true;
}

void kprC_StepSequencer::Run() {
    Clear();
    for (auto const& [name, code] : history_) Append(code);
}

void kprC_StepSequencer::Run(cow_String const& name, bool before) {
    Clear();
    if (name == "Initial") return;
    for (auto const& [stepName, code] : history_) {
        if (stepName == name && before) return;
        Append(code);
        if (stepName == name) return;
    }
}

void kprC_StepSequencer::InsertAfter(cow_String const& name, unsigned int code) {
    Clear();
    if (name == "Initial") Append(code);
    for (auto const& [stepName, stepCode] : history_) {
        Append(stepCode);
        if (stepName == name) Append(code);
    }
}

void kprC_StepSequencer::Replace(cow_String const& name, unsigned int code) {
    kprC_Assert(name != "Initial", kprC_INITIAL_STEP_NOT_REPLACEABLE);
    Clear();
    for (auto const& [stepName, stepCode] : history_) Append(stepName == name ? code : stepCode);
}

cow_List<unsigned int> const& kprC_StepSequencer::Appendable() {
    if (appendableStale_) {
        appendable_.clear();
        for (unsigned code : procedures_)
            if (MayAppend(sequence_, sequence_.size(), code, usaAddedMassAllowed_, hasFrequency_))
                appendable_.push_back(code);
        appendableStale_ = false;
    }
    return appendable_;
}

cow_List<unsigned int> kprC_StepSequencer::AppendableGeneral() {
    cow_List<unsigned int> out;
    for (unsigned code : Appendable())
        if (!kprC_IsPerturbation(code)) out.push_back(code);
    return out;
}

cow_List<unsigned int> kprC_StepSequencer::AppendablePerturbation() {
    cow_List<unsigned int> out;
    for (unsigned code : Appendable())
        if (kprC_IsPerturbation(code)) out.push_back(code);
    return out;
}

bool kprC_StepSequencer::IsRemovable(int index) const {
    kprC_Assert(index >= 0 && index < static_cast<int>(sequence_.size()), kprC_INVALID_STEP_INDEX);
    cow_List<unsigned int> trial = sequence_;
    trial.erase(trial.begin() + index);
    try {
        kprC_StepSequencer check(trial, true);
        return true;
    } catch (nex_TextException const&) {
        return false;
    }
}
