#pragma once
// Step lists and propagation histories as strings of letters, and the state objects
// neighbouring records share: the words of the load, propagation and host flow tests.
#include <set>
#include <string>

#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/steps/kprC_InitialStep.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "platform/mdl/mdl_PropagationStatus.h"
#include "support/tst_Step.h"

// The procedure of a step letter: S static, F frequency, L static linear perturbation,
// H heat transfer, E explicit dynamics, A anneal, D steady-state direct, M modal
// dynamics, B buckle, U subspace dynamics, G geostatic, T coupled thermal-electric, X mass
// diffusion.
inline unsigned int tst_ProcedureOf(char letter) {
    switch (letter) {
    case 'F': return kprC_FREQUENCY_STEP_ID;
    case 'L': return kprC_STATIC_LINEAR_PERTURBATION_STEP_ID;
    case 'H': return kprC_HEAT_TRANSFER_STEP_ID;
    case 'E': return kprC_EXPLICIT_DYNAMICS_STEP_ID;
    case 'A': return kprC_ANNEAL_STEP_ID;
    case 'D': return kprC_STEADY_STATE_DIRECT_STEP_ID;
    case 'M': return kprC_MODAL_DYNAMICS_STEP_ID;
    case 'B': return kprC_BUCKLE_STEP_ID;
    case 'U': return kprC_SUBSPACE_DYNAMICS_STEP_ID;
    case 'G': return kprC_GEOSTATIC_STEP_ID;
    case 'T': return kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID;
    case 'X': return kprC_MASS_DIFFUSION_STEP_ID;
    default: return kprC_STATIC_STEP_ID;
    }
}

// One step per letter, named Step-1, Step-2, ...; I is the Initial step, "Initial".
inline kprC_StepList tst_Steps(std::string const& letters) {
    kprC_StepList steps;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i] == 'I')
            steps.emplace_back("Initial", cow_COW<kprC_Step>(new kprC_InitialStep()));
        else
            steps.emplace_back("Step-" + std::to_string(i + 1), cow_COW<kprC_Step>(new tst_Step(tst_ProcedureOf(letters[i]))));
    }
    return steps;
}

// N not yet created, C created, P propagated, M modified, D deactivated, I inactive,
// V not valid in step, O outside perturbation step, B built into base state,
// p propagated from and m modified from the base state.
template <class History>
std::string tst_Letters(History const& history) {
    static char const letters[] = "NCPMDIVOBpm";
    std::string out;
    for (auto s : history) out += mdl_Value(s) < 11 ? letters[mdl_Value(s)] : '?';
    return out;
}

template <class Records>
std::size_t tst_DistinctStates(Records const& records) {
    std::set<void const*> objects;
    for (auto const& r : records)
        if (r.HasState()) objects.insert(r.state().Shared().get());
    return objects.size();
}

// Which neighbouring records share one state object: "=" shared, "|" not.
template <class Records>
std::string tst_SharingPattern(Records const& records) {
    std::string out;
    for (std::size_t i = 1; i < records.size(); ++i)
        out += records[i].HasState() && records[i].state().SharesWith(records[i - 1].state()) ? '=' : '|';
    return out;
}
