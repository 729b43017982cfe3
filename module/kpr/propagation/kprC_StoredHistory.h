#pragma once
// The consistency rule for a history read from storage: a propagating object holds one
// record per step of its container's step list, in the list's order, each for that very
// step, and each record shows the status that propagating the stored definitions gives
// (the propagator is idempotent on its own output, so a history this library wrote always
// passes). The rule works from the object's step names and statuses (States() with
// stepName() and status()) and from the propagation itself, not from how records are kept.
#include <string>

#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "module/kpr/propagation/kprC_Propagator.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "platform/omu/omu_PrimEnum.h"

// A status as its stored string, or "status <n>" for one without a string.
inline std::string kprC_StatusText(mdl_PropagationStatusEnm status) {
    char const* text = omu_PrimEnum<mdl_PropagationStatusEnm, 1>::StringOf(status);
    return text ? text : "status " + std::to_string(mdl_Value(status));
}

// Why the stored history of `object` is not one over `steps` that propagation gives, in a
// sentence about the object ("its record 2 is for step ..."); empty when it is.
template <class Kind, class Object>
std::string kprC_StoredHistoryProblem(Object const& object, kprC_StepList const& steps) {
    auto const& records = object.States();
    auto quoted = [](cow_String const& name) { return "\"" + std::string(name) + "\""; };
    if (records.size() != steps.size())
        return "it has " + std::to_string(records.size()) + " step records where the model has " +
               std::to_string(steps.size()) + " steps";
    bool defined = false;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        auto const& r = records[i];
        if (r.stepName() != steps[i].stepName())
            return "its record " + std::to_string(i + 1) + " is for step " + quoted(r.stepName()) + " where the model has " +
                   quoted(steps[i].stepName()) + " (one record per step, in step order)";
        auto const& mine = r.procedure();
        auto const& theirs = steps[i].procedure();
        if (theirs && (!mine || mine->ProcedureType() != theirs->ProcedureType()))
            return "its record for step " + quoted(r.stepName()) + " is for " +
                   (mine ? "a " + kprC_ProcedureLabel(mine->ProcedureType()) + " step" : std::string("no step")) + " where the model's is a " +
                   kprC_ProcedureLabel(theirs->ProcedureType()) + " step";
        defined = defined || r.HasState();
    }
    if (!defined) return "no step holds a definition of it";
    typename kprC_Propagator<Kind>::Records again;
    try {
        again = kprC_Propagator<Kind>::Run(records, object);
    } catch (std::exception const& e) {
        return std::string("its definitions cannot be propagated: ") + e.what();
    }
    for (std::size_t i = 0; i < records.size(); ++i)
        if (again[i].status() != records[i].status())
            return "step " + quoted(records[i].stepName()) + " shows " + kprC_StatusText(records[i].status()) +
                   " where propagating its definitions gives " + kprC_StatusText(again[i].status());
    return {};
}
