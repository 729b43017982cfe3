#pragma once
// The record of one step in the history of a propagating object (the state quad): the
// step's name and step object, the status shown there and the state in force there.
// Consecutive records share one state object until a step changes it, and every record of
// a step shares the step's name and step object with the step list (kprC_StepRef).
//
// Each state class T is stored under its own class: specialise kprC_PropagatingStateClass<T>
// with TypeId and Name (kprC_StateQuad for adaptive mesh constraint states).
#include <cstdint>

#include "platform/cls/cls_AttributeTable.h"
#include "platform/mdl/mdl_PropagationStatus.h"
#include "module/kpr/steps/kprC_StepRef.h"
#include "platform/cow/cow_COW.h"
#include "platform/cow/cow_String.h"

template <class T>
struct kprC_PropagatingStateClass;

#define KPRC_PROPAGATINGSTATE_ATTRIBUTES(A)                                   \
    A(cow_String, stepName, "")                                               \
    A(mdl_PropagationStatusEnm, status, mdl_PropagationStatusEnm::NOT_YET_CREATED) \
    A(cow_COW<T>, state, {})                                                  \
    A(cow_COW<kprC_Step>, procedure, {})

template <class T>
class kprC_PropagatingState : public cls_Persistent {
    CLS_VALUE_PERSISTENT_NAMED_BY_ACCESSORS(kprC_PropagatingState, cls_Persistent, kprC_PropagatingStateClass<T>::TypeId,
                                            kprC_PropagatingStateClass<T>::Name, 831, KPRC_PROPAGATINGSTATE_ATTRIBUTES)

    using Status = mdl_PropagationStatusEnm;

    kprC_PropagatingState() = default;
    kprC_PropagatingState(kprC_StepRef step, Status status, cow_COW<T> state)
        : step_(std::move(step)), status_(status), state_(std::move(state)) {}
    kprC_PropagatingState(cow_String stepName, Status status, cow_COW<T> state, cow_COW<kprC_Step> procedure)
        : kprC_PropagatingState(kprC_StepRef(std::move(stepName), std::move(procedure)), status, std::move(state)) {}
    kprC_PropagatingState(kprC_PropagatingState const&) = default;
    kprC_PropagatingState& operator=(kprC_PropagatingState const&) = default;

    cow_String const& stepName() const { return step_.name(); }
    void stepName(cow_String value) { step_.name(std::move(value)); }
    Status status() const { return status_; }
    void status(Status value) { status_ = value; }
    cow_COW<T> const& state() const { return state_; }
    void state(cow_COW<T> value) { state_ = std::move(value); }
    cow_COW<kprC_Step> const& procedure() const { return step_.procedure(); }
    void procedure(cow_COW<kprC_Step> value) { step_.procedure(std::move(value)); }
    kprC_StepRef const& step() const { return step_; }
    void step(kprC_StepRef value) { step_ = std::move(value); }

    // Records of one step read in one operation share one handle with the step list.
    void cls_ReadMore(cls_ReadVisitor const& reader) { step_ = reader.OperationShared<kprC_StepRefs>().Share(step_); }

    bool HasState() const { return !state_.IsNull(); }
    // The record's own copy of its state, unshared first.
    T& MutableState() { return state_.GetMutable(); }
    void ClearState() { state_ = {}; }

private:
    kprC_StepRef step_;
    Status status_ = Status::NOT_YET_CREATED;
    cow_COW<T> state_;
};
