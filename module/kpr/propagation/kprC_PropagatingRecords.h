#pragma once
// The operations on the per-step records of a propagating object that every kind shares:
// lookup by step name, the creation step, the history, and following the step list that
// its container hands down (adopt, insert, remove, rename, clear). None of them
// propagates; the object propagates afterwards where its rules say so.
#include <algorithm>
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
    // The walk of a move on a copy of the records: each record strictly between `from`
    // and `to` loses its state. `check(ok, code)` refuses a destination or an intermediate
    // record whose status forbids the move (`illegal`), in record order.
    template <class Code>
    static void ClearBetween(Records& records, cow_String const& from, cow_String const& to,
                             bool (*illegal)(mdl_PropagationStatusEnm), void (*check)(bool, Code), Code destination,
                             Code intermediate) {
        bool between = false;
        for (auto& r : records) {
            bool const isFrom = r.stepName() == from, isTo = r.stepName() == to;
            if (isTo) check(!illegal(r.status()), destination);
            if (isFrom || isTo) {
                between = !between;
            } else if (between) {
                check(!illegal(r.status()), intermediate);
                r.ClearState();
            }
        }
    }
    // The last part of a move: the target takes the source's status and a copy of its
    // state, the source keeps none.
    static void MoveDefinition(Record& source, Record& target) {
        target.status(source.status());
        target.state(source.HasState() ? cow_COW<T>(source.state()->Copy()) : cow_COW<T>());
        source.ClearState();
    }
    // The record a reset of the step clears: the step's own or, where the step shows a
    // deactivation made in an earlier step that did not admit the object (the steps
    // between show NOT_VALID_IN_STEP), the record where that deactivation was made.
    static Record& ResetTarget(Records& records, cow_String const& stepName) {
        auto at = std::ranges::find_if(records, [&](Record const& r) { return r.stepName() == stepName; });
        NEX_ASSERT(at != records.end());
        if (!(at->HasState() && at->state()->deactivate()) && at->status() == mdl_PropagationStatusEnm::DEACTIVATED)
            for (auto back = at; back != records.begin() &&
                                 (back - 1)->status() == mdl_PropagationStatusEnm::NOT_VALID_IN_STEP;) {
                --back;
                if (back->HasState() && back->state()->deactivate()) return *back;
            }
        return *at;
    }
    // Empties the step's record: no state, no step object, NOT_YET_CREATED.
    static void Clear(Records& records, cow_String const& stepName) {
        Record& r = Get(records, stepName);
        r.ClearState();
        r.procedure({});
        r.status(mdl_PropagationStatusEnm::NOT_YET_CREATED);
    }
};
