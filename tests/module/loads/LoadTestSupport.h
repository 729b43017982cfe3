#pragma once
// Step histories, loads and load snapshots for the load tests.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_Moment.h"
#include "module/klo/loads/kloC_Pressure.h"
#include "platform/cls/cls_Script.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_History.h"
#include "support/tst_Step.h"

inline std::string tst_LoadHistory(kloC_Load const& load) { return tst_Letters(load.History()); }

// Everything that makes a load's records: statuses, the very state objects and steps.
inline std::string tst_Snapshot(kloC_Load const& load) {
    std::ostringstream s;
    s << tst_LoadHistory(load) << (load.IsSuppressed() ? " suppressed" : "");
    for (auto const& r : load.States()) s << ' ' << r.state().Shared().get() << '/' << r.procedure().Shared().get();
    return s.str();
}

// Every script attribute of an object and its value, as text.
inline std::string tst_Image(cls_Persistent const& o) {
    std::string text;
    for (auto const& a : cls_ScriptRegistry::AttributesOf(o.DynTypeId())) text += a.script + "=" + a.get(o).Repr() + " ";
    return text;
}
// The values of every record's state.
inline std::string tst_StateImages(kloC_Load const& load) {
    std::string text;
    for (auto const& r : load.States()) text += r.HasState() ? tst_Image(*r.state()) + "| " : "none | ";
    return text;
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
    force.AdoptSteps(tst_Steps(letters));
    return force;
}

// Step-N for a digit N, the Initial step for 0, a step no history has for ?.
inline cow_String tst_StepName(char n) {
    return n == '0' ? cow_String("Initial") : n == '?' ? cow_String("Nope") : cow_String("Step-" + std::string(1, n));
}

// A definition in `step` that changes only the first component (a pressure's magnitude)
// to `value`, or that deactivates the load.
inline bool tst_Define(kloC_Load& load, cow_String const& step, double value, bool off = false) {
    kloC_PressureState pressure;
    kloC_ConcentratedForceState force;
    bool const isPressure = dynamic_cast<kloC_Pressure*>(&load) != nullptr;
    kloC_LoadState& s = isPressure ? static_cast<kloC_LoadState&>(pressure) : force;
    if (off) s.deactivate(true);
    else if (isPressure) pressure.magnitude(value);
    else force.MutableComponent(1) = value;
    return load.Insert(step, s);
}

// Edits a load word by word: iN defines the value N in Step-N, dN deactivates there by a
// definition, DN deactivates, RN resets, XN clears the step's record, MNK moves Step-N's
// definition to Step-K, A<letters> adopts a new history. Returns the history in force.
inline std::string tst_Edit(kloC_Load& load, std::string letters, std::string const& words) {
    std::istringstream in(words);
    for (std::string w; in >> w;) {
        cow_String const step = tst_StepName(w[1]);
        switch (w[0]) {
        case 'i': tst_Define(load, step, w[1] - '0'); break;
        case 'd': tst_Define(load, step, 0.0, true); break;
        case 'D': load.Deactivate(step); break;
        case 'R': load.Reset(step); break;
        case 'X': load.ClearStepState(step); break;
        case 'M': load.Move(step, tst_StepName(w[2])); break;
        case 'A': load.AdoptSteps(tst_Steps(letters = w.substr(1))); break;
        default: throw std::logic_error("no edit " + w);
        }
    }
    return letters;
}
