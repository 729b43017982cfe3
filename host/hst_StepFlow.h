#pragma once
// The host's step-change flow: every change of a model's step sequence goes through it.
// It makes the change on the step container; when the container refuses (unknown step,
// invalid sequence) it puts the container back exactly as it was, drops the change
// records the refused change left in the thread's change history and passes the error
// on. After every successful change it hands the new step lists to the listeners: the
// propagating containers of the model, the model's loads first. A listener that refuses
// the new steps (a load whose check fails in its new history) refuses the whole change:
// steps and listeners are put back as they were.
#include <functional>
#include <memory>
#include <vector>

#include "module/kpr/steps/kprC_StepContainer.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "platform/ddr/ddr_Model.h"

// A receiver of the step list after each change of the sequence.
class hst_StepListListener {
public:
    virtual ~hst_StepListListener() = default;
    // True for a list that begins with the Initial step (adaptive mesh constraints);
    // false for the analysis steps only (loads).
    virtual bool WantsInitialStep() const = 0;
    virtual void UpdateSteps(kprC_StepList const& steps) = 0;
    // An action that puts the listener back as it is now.
    virtual std::function<void()> Keep() { return [] {}; }
};

// Hands the list to UpdateSteps of the propagating container C under a key of the model.
template <class C, bool WithInitialStep>
class hst_ExtensionStepListener : public hst_StepListListener {
public:
    hst_ExtensionStepListener(ddr_Model& model, cow_String key) : model_(model), key_(std::move(key)) {}
    bool WantsInitialStep() const override { return WithInitialStep; }
    void UpdateSteps(kprC_StepList const& steps) override { model_.Extension<C>(key_).UpdateSteps(steps); }
    // The container files the inverse of each change it makes from now on; the action
    // replays them. A copy would make the change unshare, and so copy, every member.
    std::function<void()> Keep() override {
        return [this, log = model_.Extension<C>(key_).KeepUndo()] { model_.Extension<C>(key_).Undo(*log); };
    }

private:
    ddr_Model& model_;
    cow_String key_;
};

class hst_StepFlow {
public:
    // The flow of a model whose loads follow its analysis steps and whose adaptive mesh
    // constraints follow every step, the Initial step first.
    explicit hst_StepFlow(ddr_Model& model);

    void AddListener(std::shared_ptr<hst_StepListListener> listener) { listeners_.push_back(std::move(listener)); }

    // Inserts a copy of `step` after `after` (a step of that name is replaced).
    void InsertAfter(cow_String const& after, cow_String const& name, kprC_AnalysisStep const& step);
    // False, and nothing changes, when no step has that name.
    bool Remove(cow_String const& name);
    // Refuses an unknown step (error 81) and a new name that another step carries.
    void Rename(cow_String const& oldName, cow_String const& newName);
    // The named step runs another procedure: `step` takes its name and place, with a new id.
    void Replace(cow_String const& name, kprC_AnalysisStep const& step);
    // Edits the named step in place (omu_KeyErrorException for an unknown name) and files
    // ("Modify", name); an edit that raises leaves steps and listeners as they were.
    void Modify(cow_String const& name, std::function<void(kprC_Step&)> const& edit);

    // The lists the propagating containers receive: pairs of name and step in history order.
    static kprC_StepList StepList(kprC_StepContainer const& steps, bool withInitialStep);

private:
    kprC_StepContainer& Steps() { return model_.Extension<kprC_StepContainer>(ddr_Model::stepCmd()); }
    template <class Change>
    void Apply(Change&& change);
    void Notify();

    ddr_Model& model_;
    std::vector<std::shared_ptr<hst_StepListListener>> listeners_;
};
