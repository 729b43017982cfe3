#pragma once
// Step lists and status strings for the propagation tests.
#include <gtest/gtest.h>

#include <string>

#include "module/klo/kloC_Module.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "support/tst_History.h"
#include "tests/module/propagation/PropagationToy.h"

// One letter per step (tst_ProcedureOf), I the Initial step. Steps are named Step-1,
// Step-2, ... (the Initial step "Initial").
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
