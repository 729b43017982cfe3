#pragma once
// The propagator: recomputes, from the definitions a propagating object holds in some of
// its per-step records, the status shown in every step and the state in force there. One
// algorithm serves every kind of propagating object; a kind supplies a policy class:
//
//   struct Kind {
//       using State = ...;                                   // the per-step state class
//       static bool IsActive(mdl_PropagationStatusEnm);     // the kind's active predicate
//       static bool TakesBaseState(unsigned int procedure);  // base-state procedures besides
//                                                            // the perturbation ones
//       [[noreturn]] static void Raise(kprC_PropagatorError); // the kind's error for a flag
//   };
//
// State must offer deactivate(), deactivate(bool), IsModified(), Modify(State const&),
// Propagate(), NewUid() and Copy() (the copy-on-write handles unshare through it). The
// object handed to Run must offer ValidInStepButRelaxCheckOnInitial(int procedureType, bool relax).
//
// The records a run returns share state objects: a step that only carries the state in
// force forward holds the same object as the step before it, so an object spanning many
// steps holds one state object per definition (two when the definition sets attributes:
// its own, and the propagated one the later steps share).
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/mdl/mdl_PropagationStatus.h"
#include "platform/nex/nex_Exception.h"
#include "module/kpr/procedures/kprC_Procedures.h"
#include "module/kpr/propagation/kprC_PropagatingState.h"

// The failures of a propagation; each kind maps them to its own error codes.
enum class kprC_PropagatorError : int {
    NO_STATE = 0,                  // no record holds a state
    CANNOT_DEACTIVATE = 1,         // deactivation where the object is not in force
    BASE_STATE_DEACTIVATE = 2,     // deactivation of an object held in the base state
    UNKNOWN_STATUS = 3,            // a running status the propagator does not know
    INVALID_STATE_OR_CREATE = 4,   // a definition that fits neither the state nor the creation
};

// The procedure type that validity checks take for a step: 0 for the Initial step.
inline unsigned int kprC_ValidityType(kprC_Step const& step) {
    unsigned int const type = step.ProcedureType();
    return type == kprC_INITIAL_STEP_PROCEDURE ? 0 : type;
}

template <class Kind>
class kprC_Propagator {
public:
    using State = typename Kind::State;
    using Record = kprC_PropagatingState<State>;
    using Records = std::vector<Record>;
    using Status = mdl_PropagationStatusEnm;

    // The records with every status and state recomputed. The input is left as it is, so
    // that a refusal leaves the object's records unchanged.
    template <class Object>
    static Records Run(Records const& records, Object const& object) {
        if (CreatedInPerturbation(records)) return Perturbation(records);
        kprC_Propagator run;
        Records out;
        out.reserve(records.size());
        for (auto const& r : records) {
            auto [shown, held] = run.Step(r, object);
            out.emplace_back(r.step(), shown, std::move(held));
        }
        return out;
    }

    // The same in place: only the records whose status or state change are written, and a
    // refusal puts each of them back as it was.
    template <class Object>
    static void Update(Records& records, Object const& object) {
        if (CreatedInPerturbation(records)) {
            records = Perturbation(records);
            return;
        }
        struct Earlier {
            std::size_t index;
            Status status;
            cow_COW<State> state;
        };
        std::vector<Earlier> earlier;
        kprC_Propagator run;
        try {
            for (std::size_t i = 0; i < records.size(); ++i) {
                Record& r = records[i];
                auto [shown, held] = run.Step(r, object);
                if (shown == r.status() && held.SharesWith(r.state())) continue;
                earlier.push_back({i, r.status(), r.state()});
                r.status(shown);
                r.state(std::move(held));
            }
        } catch (...) {
            for (auto& e : earlier) {
                records[e.index].status(e.status);
                records[e.index].state(std::move(e.state));
            }
            throw;
        }
    }

    // Gives the empty record at `index` the status the propagation would give it when no
    // other record depends on it: it comes before the creation (not yet created), or the
    // object lives in its perturbation step only (outside it). False, and nothing
    // changes, when the record takes part in the propagation.
    static bool FilledWithoutPropagating(Records& records, std::size_t index) {
        NEX_ASSERT(index < records.size() && !records[index].HasState());
        auto const created = Creation(records);
        if (created == records.end()) return false;
        bool const perturbation = InPerturbation(*created);
        if (!perturbation && std::size_t(created - records.begin()) < index) return false;
        records[index].status(perturbation ? Status::OUTSIDE_PERTURBATION_STEP : Status::NOT_YET_CREATED);
        return true;
    }

    // Whether a record's step object, put in place of `before`, can change what the
    // propagation makes of the object: only the facts the propagation reads count
    // (admission of the object, base state, perturbation).
    template <class Object>
    static bool SameEffect(kprC_Step const* before, kprC_Step const* after, Object const& object) {
        auto facts = [&](kprC_Step const* step) {
            if (!step) return 0;
            return 1 | (step->Perturbation() << 1) | (Kind::TakesBaseState(step->ProcedureType()) << 2) |
                   (object.ValidInStepButRelaxCheckOnInitial(int(kprC_ValidityType(*step)), true) << 3);
        };
        return facts(before) == facts(after);
    }

private:
    // True when the first record holding a state is a perturbation step's; raises when none holds one.
    static bool CreatedInPerturbation(Records const& records) {
        auto const created = Creation(records);
        if (created == records.end()) Kind::Raise(kprC_PropagatorError::NO_STATE);
        return InPerturbation(*created);
    }
    // The first record holding a state.
    static auto Creation(Records const& records) {
        return std::find_if(records.begin(), records.end(), [](Record const& r) { return r.HasState(); });
    }
    static bool InPerturbation(Record const& r) { return r.procedure() && r.procedure()->Perturbation(); }

    // Created in a perturbation step: the object exists in that step only.
    static Records Perturbation(Records const& records) {
        Records out = records;
        bool created = false;
        for (auto& r : out) {
            if (!created && r.HasState()) {
                r.status(Status::CREATED);
                created = true;
            } else {
                r.status(Status::OUTSIDE_PERTURBATION_STEP);
                r.ClearState();
            }
        }
        return out;
    }

    static bool IsBaseStateStep(Record const& r) {
        auto const& step = r.procedure();
        return step && (step->Perturbation() || Kind::TakesBaseState(step->ProcedureType()));
    }
    // The status shown in the record's step and the state in force there.
    template <class Object>
    std::pair<Status, cow_COW<State>> Step(Record const& r, Object const& object) {
        if (created_) IsBaseStateStep(r) ? EnterBase() : LeaveBase();
        if (r.HasState()) Define(r.state());

        Status shown = running_;
        cow_COW<State> held = state_;
        if (r.procedure() && running_ != Status::NOT_YET_CREATED &&
            !object.ValidInStepButRelaxCheckOnInitial(int(kprC_ValidityType(*r.procedure())), true)) {
            shown = Status::NOT_VALID_IN_STEP;
            if (running_ == Status::DEACTIVATED) {
                // The deactivation shows in the next step that would show INACTIVE. Only the
                // running copy loses its flag: this record keeps its deactivating state, so
                // that propagating again finds the deactivation here again.
                deferred_ = true;
                if (state_) state_.GetMutable().deactivate(false);
            }
        }
        if (shown == Status::DEACTIVATED) {
            deactivationShown_ = true;
        } else if (!deactivationShown_ && deferred_ && shown == Status::INACTIVE) {
            shown = running_ = Status::DEACTIVATED;
            deactivationShown_ = true;
            if (state_) state_.GetMutable().deactivate(true);
            held = state_;
        }
        return {shown, std::move(held)};
    }

    void Define(cow_COW<State> const& definition) {
        State const& s = definition.Get();
        if (!Kind::IsActive(running_)) {
            if (created_) {
                state_ = {};  // a definition after a deactivation is dropped
            } else {
                state_ = definition;  // shared: every later change unshares first
                running_ = Status::CREATED;
                created_ = true;
            }
            return;
        }
        if (!created_) Kind::Raise(kprC_PropagatorError::INVALID_STATE_OR_CREATE);
        if (!state_) {
            if (s.deactivate() || !inBase_) Kind::Raise(kprC_PropagatorError::INVALID_STATE_OR_CREATE);
            running_ = Status::BUILT_INTO_BASE_STATE;
        } else if (s.deactivate()) {
            DeactivateInStep();
        } else if (s.IsModified()) {
            State& running = state_.GetMutable();
            running.Modify(s);
            running.NewUid();
            running_ = inBase_ ? Status::MODIFIED_FROM_BASE_STATE : Status::MODIFIED;
        } else {
            running_ = inBase_ ? Status::PROPAGATED_FROM_BASE_STATE : Status::PROPAGATED;
        }
    }

    void DeactivateInStep() {
        constexpr auto v = [](Status status) { return mdl_Value(status); };
        switch (v(running_)) {
        case v(Status::NOT_YET_CREATED): case v(Status::NOT_VALID_IN_STEP):
        case v(Status::OUTSIDE_PERTURBATION_STEP): case v(mdl_STATUS_11_AS_NOT_YET_CREATED):
        case v(mdl_STATUS_14_AS_NOT_YET_CREATED):
            Kind::Raise(kprC_PropagatorError::CANNOT_DEACTIVATE);
        case v(Status::CREATED): case v(Status::PROPAGATED): case v(Status::MODIFIED):
        case v(mdl_STATUS_13_AS_MODIFIED):
            state_.GetMutable().deactivate(true);
            running_ = Status::DEACTIVATED;
            return;
        case v(Status::DEACTIVATED): case v(Status::INACTIVE): case v(mdl_STATUS_15_AS_DEACTIVATED):
            return;
        case v(Status::BUILT_INTO_BASE_STATE): case v(Status::PROPAGATED_FROM_BASE_STATE):
        case v(Status::MODIFIED_FROM_BASE_STATE): case v(mdl_STATUS_12_AS_BUILT_INTO_BASE_STATE):
            Kind::Raise(kprC_PropagatorError::BASE_STATE_DEACTIVATE);
        default:
            Kind::Raise(kprC_PropagatorError::UNKNOWN_STATUS);
        }
    }

    // A base-state step after the creation. The state in force before the run is kept
    // (shared, not copied) for the step after the run.
    void EnterBase() {
        if (!inBase_) {
            savedState_ = state_;
            savedStatus_ = running_;
        }
        state_ = {};
        if (savedStatus_ != Status::DEACTIVATED && running_ != mdl_STATUS_15_AS_DEACTIVATED)
            running_ = Kind::IsActive(savedStatus_) ? Status::BUILT_INTO_BASE_STATE : savedStatus_;
        else
            running_ = Status::INACTIVE;
        inBase_ = true;
    }

    // A general step after the creation.
    void LeaveBase() {
        if (inBase_) {
            state_ = std::move(savedState_);
            savedState_ = {};
            running_ = savedStatus_;
            inBase_ = false;
        }
        if (!Kind::IsActive(running_)) {
            if (running_ == Status::DEACTIVATED || running_ == mdl_STATUS_15_AS_DEACTIVATED) {
                running_ = Status::INACTIVE;
                state_ = {};
            }
            return;
        }
        // A state that sets nothing in its own step is carried forward as it is (shared);
        // only a state with changes of its own becomes a new, propagated object.
        if (state_ && state_->IsModified()) {
            State& running = state_.GetMutable();
            running.Propagate();
            running.NewUid();
        }
        running_ = Status::PROPAGATED;
    }

    Status running_ = Status::NOT_YET_CREATED;
    cow_COW<State> state_;
    bool created_ = false;
    bool inBase_ = false;
    Status savedStatus_ = Status::NOT_YET_CREATED;
    cow_COW<State> savedState_;
    bool deferred_ = false;
    bool deactivationShown_ = false;
};
