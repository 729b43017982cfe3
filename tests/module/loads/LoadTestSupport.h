#pragma once
// Step histories, loads and load snapshots for the load tests.
#include <gtest/gtest.h>

#include <string>

#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_Moment.h"
#include "module/klo/loads/kloC_Pressure.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_History.h"
#include "support/tst_Step.h"

// One letter per analysis step (tst_ProcedureOf), named Step-1, Step-2, ...
inline kprC_StepList tst_LoadSteps(std::string const& letters) {
    kprC_StepList steps;
    for (std::size_t i = 0; i < letters.size(); ++i)
        steps.emplace_back("Step-" + std::to_string(i + 1), cow_COW<kprC_Step>(new tst_Step(tst_ProcedureOf(letters[i]))));
    return steps;
}

inline std::string tst_LoadHistory(kloC_Load const& load) { return tst_Letters(load.History()); }

// Everything that makes a load's records: statuses, the very state objects and steps.
struct tst_LoadSnapshot {
    std::string history;
    std::vector<void const*> states;
    std::vector<void const*> steps;
    bool suppressed;
    bool operator==(tst_LoadSnapshot const&) const = default;
};
inline tst_LoadSnapshot tst_Snapshot(kloC_Load const& load) {
    tst_LoadSnapshot s{tst_LoadHistory(load), {}, {}, load.IsSuppressed()};
    for (auto const& r : load.States()) {
        s.states.push_back(r.state().Shared().get());
        s.steps.push_back(r.procedure().Shared().get());
    }
    return s;
}

inline std::size_t tst_DistinctLoadStates(kloC_Load const& load) { return tst_DistinctStates(load.States()); }

inline double tst_C1(kloC_Load const& load, cow_String const& step) {
    return dynamic_cast<kloC_VectorState const&>(load.StateIn(step)).Component(1).value();
}

// The message of the library error `action` raises, or "" when it raises none.
template <class Action>
std::string tst_LoadError(Action&& action) { return tst_MessageOf<nex_Exception>(std::forward<Action>(action)); }

inline rgnC_Region tst_Set(char const* name, bool flag = false) { return rgnC_Region({name}, 1, rgnC_THREE_D, flag); }

// A force of (c1, 0, 0) created in `step` and placed in the history `letters`.
inline kloC_ConcentratedForce tst_Force(std::string const& letters, cow_String const& step = "Step-1", double c1 = 1.0) {
    kloC_ConcentratedForce force(tst_Set("Set-1"), step, kloC_ConcentratedForceState(c1, 0.0, 0.0));
    force.AdoptSteps(tst_LoadSteps(letters));
    return force;
}
// A state that changes only the first component, as a definition made in a later step.
inline kloC_ConcentratedForceState tst_ForceChange(double c1) {
    kloC_ConcentratedForceState s;
    s.MutableComponent(1) = c1;
    return s;
}
