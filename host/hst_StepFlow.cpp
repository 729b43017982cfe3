#include "host/hst_StepFlow.h"

#include <algorithm>

#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/kprC_assert.h"
#include "platform/atr/atr_String.h"
#include "platform/nex/nex_Exception.h"
#include "platform/omu/omu_ChangeHistory.h"
#include "platform/omu/omu_CmdHistory.h"
#include "platform/thr/thr_ThreadSingleton.h"

hst_StepFlow::hst_StepFlow(ddr_Model& model) : model_(model) {
    AddListener(std::make_shared<hst_ExtensionStepListener<kloC_LoadContainer, false>>(model, ddr_Model::loadCmd()));
    AddListener(std::make_shared<hst_ExtensionStepListener<kprC_AdptMeshConsCont, true>>(
        model, ddr_Model::adaptiveMeshConstraintCmd()));
}

template <class Change>
void hst_StepFlow::Apply(Change&& change) {
    kprC_StepContainer& steps = Steps();
    // The copy shares every step object, so restoring it brings back the very steps,
    // their ids and the id counter.
    kprC_StepContainer const before = steps;
    std::vector<std::function<void()>> restore;
    for (auto const& listener : listeners_) restore.push_back(listener->Keep());
    auto& history = thr_ThreadSingleton<omu_ChangeHistory>::Instance();
    std::size_t const recorded = history.Entries().size();
    try {
        change(steps);
        Notify();
    } catch (...) {
        steps = before;
        for (auto const& r : restore) r();
        history.Truncate(recorded);
        throw;
    }
}

void hst_StepFlow::InsertAfter(cow_String const& after, cow_String const& name, kprC_AnalysisStep const& step) {
    Apply([&](kprC_StepContainer& steps) { steps.InsertAfter(after, name, step); });
}

bool hst_StepFlow::Remove(cow_String const& name) {
    if (!Steps().IsMember(name)) return false;
    Apply([&](kprC_StepContainer& steps) { steps.Remove(name); });
    return true;
}

void hst_StepFlow::Rename(cow_String const& oldName, cow_String const& newName) {
    kprC_Assert(Steps().IsMember(oldName), kprC_NO_STEP_BY_THAT_NAME);
    if (oldName == newName) return;
    if (Steps().IsMember(newName))
        throw nex_TextException(atr_SubstituteFormat(kprC_ErrorMessage(kprC_STEP_NAME_EXISTS), {newName}));
    Apply([&](kprC_StepContainer& steps) { steps.ChangeKey(oldName, newName); });
}

void hst_StepFlow::Replace(cow_String const& name, kprC_AnalysisStep const& step) {
    auto const order = Steps().Keys();
    auto const at = std::ranges::find(order, name);
    kprC_Assert(at != order.end(), kprC_NO_STEP_BY_THAT_NAME);
    kprC_Assert(at != order.begin(), kprC_INITIAL_STEP_NOT_REPLACEABLE);
    Apply([&](kprC_StepContainer& steps) { steps.InsertAfter(*(at - 1), name, step); });
}

void hst_StepFlow::Modify(cow_String const& name, std::function<void(kprC_Step&)> const& edit) {
    Apply([&](kprC_StepContainer& steps) {
        edit(steps.Get(name));
        auto const& commands = thr_ThreadSingleton<omu_CmdHistory>::Instance().Commands();
        thr_ThreadSingleton<omu_ChangeHistory>::Instance().addChange(commands.empty() ? std::string() : commands.back(),
                                                                      {"Modify", name});
    });
}

kprC_StepList hst_StepFlow::StepList(kprC_StepContainer const& steps, bool withInitialStep) {
    kprC_StepList list;
    auto const order = steps.Keys();
    for (std::size_t i = withInitialStep ? 0 : 1; i < order.size(); ++i)
        list.emplace_back(order[i], steps.Handle(order[i]));
    return list;
}

void hst_StepFlow::Notify() {
    kprC_StepList const lists[2] = {StepList(Steps(), false), StepList(Steps(), true)};
    for (auto const& listener : listeners_) listener->UpdateSteps(lists[listener->WantsInitialStep()]);
}
