#pragma once
// Step lists and status strings for the propagation tests.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "module/klo/kloC_Module.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "tests/module/propagation/PropagationToy.h"

// One letter per step: S static, F frequency, M modal dynamics, H heat transfer,
// I the Initial step. Steps are named Step-1, Step-2, ... (the Initial step "Initial").
inline unsigned int tst_ProcedureOf(char c) {
    switch (c) {
    case 'F': return kprC_FREQUENCY_STEP_ID;
    case 'M': return kprC_MODAL_DYNAMICS_STEP_ID;
    case 'H': return kprC_HEAT_TRANSFER_STEP_ID;
    default: return kprC_STATIC_STEP_ID;
    }
}
inline kprC_StepList tst_Steps(std::string const& letters) {
    kprC_StepList steps;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i] == 'I')
            steps.emplace_back("Initial", cow_COW<kprC_Step>(new kprC_InitialStep()));
        else
            steps.emplace_back("Step-" + std::to_string(i + 1), cow_COW<kprC_Step>(new tst_ToyStep(tst_ProcedureOf(letters[i]))));
    }
    return steps;
}

// One letter per status: N not yet created, C created, P propagated, M modified,
// D deactivated, I inactive, V not valid in step, O outside perturbation step,
// B built into base state.
inline std::string tst_Letters(cow_List<mdl_PropagationStatusEnm> const& history) {
    static char const letters[] = "NCPMDIVOBpm";
    std::string out;
    for (auto s : history) out += mdl_Value(s) < 11 ? letters[mdl_Value(s)] : '?';
    return out;
}

template <class Records>
std::size_t tst_DistinctStates(Records const& records) {
    std::set<void const*> objects;
    for (auto const& r : records)
        if (r.HasState()) objects.insert(r.state().Shared().get());
    return objects.size();
}

// Which neighbouring records share one state object: "=" shared, "|" not.
template <class Records>
std::string tst_SharingPattern(Records const& records) {
    std::string out;
    for (std::size_t i = 1; i < records.size(); ++i)
        out += records[i].HasState() && records[i].state().SharesWith(records[i - 1].state()) ? '=' : '|';
    return out;
}

// Brings the library up and registers the toy classes.
class tst_PropagationTest : public ::testing::Test {
protected:
    void SetUp() override {
        kloC_initialize(modules);
        for (auto fn : {kprC_Step::InitializeMetadata, kprC_InitialStep::InitializeMetadata,
                        kprC_StepNameProcedurePair::InitializeMetadata, tst_ToyStep::InitializeMetadata,
                        tst_State::InitializeMetadata, kprC_PropagatingState<tst_State>::InitializeMetadata,
                        tst_Load::InitializeMetadata, tst_LoadContainer::InitializeMetadata})
            cls_MetadataRegistrar::initClassMetadata(fn, 7);
        History().Clear();
        thr_ThreadSingleton<omu_CmdHistory>::Instance().Clear();
    }
    void TearDown() override { kloC_finalize(modules); }
    static omu_ChangeHistory& History() { return thr_ThreadSingleton<omu_ChangeHistory>::Instance(); }
    int modules = 0;
};
