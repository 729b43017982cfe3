#pragma once
// The operations on the per-step records of a propagating object that every kind shares:
// lookup by step name, the creation step, the history, and following the step list that
// its container hands down (adopt, insert, remove, rename, clear). None of them
// propagates; the object propagates afterwards where its rules say so.
#include <map>
#include <vector>

#include "module/kpr/propagation/kprC_PropagatingState.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "platform/nex/nex_Exception.h"

template <class T>
struct kprC_PropagatingRecords {
    using Record = kprC_PropagatingState<T>;
    using Records = std::vector<Record>;

    // The first record of the step (exact name comparison), or null.
    static Record* Find(Records& records, cow_String const& stepName) {
        for (auto& r : records)
            if (r.stepName() == stepName) return &r;
        return nullptr;
    }
    static Record const* Find(Records const& records, cow_String const& stepName) {
        return Find(const_cast<Records&>(records), stepName);
    }
    // As Find; a missing step raises the key error carrying the step name.
    static Record& Get(Records& records, cow_String const& stepName) {
        if (auto* r = Find(records, stepName)) return *r;
        throw omu_KeyErrorException(stepName);
    }
    static Record const& Get(Records const& records, cow_String const& stepName) {
        return Get(const_cast<Records&>(records), stepName);
    }

    // The step of the first record holding a state.
    static cow_String const& CreateStepName(Records const& records) {
        for (auto const& r : records)
            if (r.HasState()) return r.stepName();
        NEX_FAIL("All states are empty");
    }
    // Whether the step's record holds a state that is not the one of the record before it.
    static bool HasDefinitionIn(Records const& records, cow_String const& stepName) {
        for (std::size_t i = 0; i < records.size(); ++i)
            if (records[i].stepName() == stepName)
                return records[i].HasState() && (i == 0 || !records[i].state().SharesWith(records[i - 1].state()));
        return false;
    }
    static bool HasProcedure(Records const& records) {
        for (auto const& r : records)
            if (r.procedure()) return true;
        return false;
    }
    static cow_List<mdl_PropagationStatusEnm> History(Records const& records) {
        cow_List<mdl_PropagationStatusEnm> history;
        for (auto const& r : records) history.push_back(r.status());
        return history;
    }

    // One empty record per step; a step whose name had a record takes over its state.
    static void Adopt(Records& records, kprC_StepList const& steps) {
        Records adopted;
        adopted.reserve(steps.size());
        std::map<cow_String, cow_COW<T>> states;
        for (auto const& r : records) states[r.stepName()] = r.state();
        for (auto const& step : steps) {
            auto found = states.find(step.stepName());
            adopted.emplace_back(step.step(), mdl_PropagationStatusEnm::NOT_YET_CREATED,
                                 found == states.end() ? cow_COW<T>() : found->second);
        }
        records = std::move(adopted);
    }
    // True when the records carry the steps' names in the steps' order.
    static bool SameNames(Records const& records, kprC_StepList const& steps) {
        if (records.size() != steps.size()) return false;
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (records[i].stepName() != steps[i].stepName()) return false;
        return true;
    }
    // An empty record for the step, at `index` (0 the front, the record count the end).
    static void InsertStep(Records& records, std::size_t index, kprC_StepNameProcedurePair const& step) {
        NEX_ASSERT(index <= records.size());
        records.insert(records.begin() + std::ptrdiff_t(index),
                       Record(step.step(), mdl_PropagationStatusEnm::NOT_YET_CREATED, {}));
    }
    // Drops the first record of the step; false when there is none.
    static bool Remove(Records& records, cow_String const& stepName) {
        for (auto it = records.begin(); it != records.end(); ++it)
            if (it->stepName() == stepName) {
                records.erase(it);
                return true;
            }
        return false;
    }
    static void Rename(Records& records, cow_String const& oldName, cow_String const& newName) {
        Get(records, oldName).stepName(newName);
    }
    // Empties the step's record: no state, no step object, NOT_YET_CREATED.
    static void Clear(Records& records, cow_String const& stepName) {
        Record& r = Get(records, stepName);
        r.ClearState();
        r.procedure({});
        r.status(mdl_PropagationStatusEnm::NOT_YET_CREATED);
    }
};
