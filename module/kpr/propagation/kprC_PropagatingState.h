#pragma once
// The record of one step in the history of a propagating object (the state quad): the
// step's name and step object, the status shown there and the state in force there.
// Consecutive records share one state object until a step changes it.
//
// Each state class T is stored under its own class: specialise kprC_PropagatingStateClass<T>
// with TypeId and Name (kprC_StateQuad for adaptive mesh constraint states).
#include <cstdint>

#include "platform/cls/cls_AttributeTable.h"
#include "platform/mdl/mdl_PropagationStatus.h"
#include "module/kpr/steps/kprC_Step.h"
#include "platform/cow/cow_COW.h"
#include "platform/cow/cow_String.h"

template <class T>
struct kprC_PropagatingStateClass;

#define KPRC_PROPAGATINGSTATE_ATTRIBUTES(A)                                  \
    A(stepName, stepName_, "stepName", "")                                   \
    A(status, status_, "status", mdl_PropagationStatusEnm::NOT_YET_CREATED)  \
    A(state, state_, "state", {})                                            \
    A(procedure, procedure_, "procedure", {})

template <class T>
class kprC_PropagatingState : public cls_Persistent {
    CLS_PERSISTENT_NAMED(kprC_PropagatingState, cls_Persistent, kprC_PropagatingStateClass<T>::TypeId,
                         kprC_PropagatingStateClass<T>::Name, 831, KPRC_PROPAGATINGSTATE_ATTRIBUTES)

    using Status = mdl_PropagationStatusEnm;

    kprC_PropagatingState() = default;
    kprC_PropagatingState(cow_String stepName, Status status, cow_COW<T> state, cow_COW<kprC_Step> procedure)
        : stepName_(std::move(stepName)), status_(status), state_(std::move(state)), procedure_(std::move(procedure)) {}
    kprC_PropagatingState(kprC_PropagatingState const&) = default;
    kprC_PropagatingState& operator=(kprC_PropagatingState const&) = default;

    cow_String const& StepName() const { return stepName_; }
    void SetStepName(cow_String name) { stepName_ = std::move(name); }
    Status GetStatus() const { return status_; }
    void SetStatus(Status status) { status_ = status; }

    bool HasState() const { return !state_.IsNull(); }
    cow_COW<T> const& State() const { return state_; }
    // The record's own copy of its state, unshared first.
    T& MutableState() { return state_.GetMutable(); }
    void SetState(cow_COW<T> state) { state_ = std::move(state); }
    void ClearState() { state_ = {}; }

    cow_COW<kprC_Step> const& Procedure() const { return procedure_; }
    void SetProcedure(cow_COW<kprC_Step> procedure) { procedure_ = std::move(procedure); }

private:
    cow_String stepName_;
    Status status_ = Status::NOT_YET_CREATED;
    cow_COW<T> state_;
    cow_COW<kprC_Step> procedure_;
};
