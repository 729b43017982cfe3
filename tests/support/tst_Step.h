#pragma once
// A test-only analysis step whose procedure type and nonlinear geometry setting are
// chosen freely, and the fixture that brings the library up for tests of the step
// container and the host flow.
#include <gtest/gtest.h>

#include "module/klo/kloC_Module.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/omu/omu_ChangeHistory.h"
#include "platform/omu/omu_CmdHistory.h"
#include "platform/thr/thr_ThreadSingleton.h"
#include "support/tst_Message.h"

#define TST_STEP_ATTRIBUTES(A)                \
    A(unsigned int, code, 0u)                 \
    A(unsigned int, nlgeom, 2u)

class tst_Step : public kprC_AnalysisStep {
    CLS_PERSISTENT(tst_Step, kprC_AnalysisStep, 0x7F000201, 1, TST_STEP_ATTRIBUTES)

    explicit tst_Step(unsigned int code = kprC_STATIC_STEP_ID, NlgeomEnm nlgeom = NlgeomEnm::NOT_AVAILABLE)
        : code_(code), nlgeom_(static_cast<unsigned int>(nlgeom)) {}
    tst_Step(tst_Step const&) = default;

    unsigned int ProcedureType() const override { return code_; }
    NlgeomEnm Nlgeom() const override { return static_cast<NlgeomEnm>(nlgeom_); }
    double TimePeriod() const override { return 1.0; }
    void AssertValid() const override {}
};

inline constexpr unsigned STATIC = kprC_STATIC_STEP_ID, FREQUENCY = kprC_FREQUENCY_STEP_ID,
                          MODAL = kprC_MODAL_DYNAMICS_STEP_ID, RIKS = kprC_STATIC_RIKS_STEP_ID,
                          DYN_IMPLICIT = kprC_IMPLICIT_DYNAMICS_STEP_ID, DYN_EXPLICIT = kprC_EXPLICIT_DYNAMICS_STEP_ID,
                          USA = kprC_USA_ADDED_MASS_GENERATION_STEP_ID;

class tst_LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        kloC_initialize(modules);
        cls_MetadataRegistrar::initClassMetadata(tst_Step::InitializeMetadata, 7);
        Commands().Clear();
        Changes().Clear();
    }
    void TearDown() override {
        Commands().Clear();
        Changes().Clear();
        cls_MetadataRegistrar::removeClassMetadata(tst_Step::InitializeMetadata);
        kloC_finalize(modules);
    }
    static omu_CmdHistory& Commands() { return thr_ThreadSingleton<omu_CmdHistory>::Instance(); }
    static omu_ChangeHistory& Changes() { return thr_ThreadSingleton<omu_ChangeHistory>::Instance(); }

    // Initial, then one step per code named S1, S2, ... appended in order.
    static kprC_StepContainer Build(std::vector<unsigned> const& codes) {
        kprC_StepContainer steps;
        steps.SetInitialStep("Initial", kprC_InitialStep());
        cow_String previous = "Initial";
        for (std::size_t i = 0; i < codes.size(); ++i) {
            cow_String name = "S" + std::to_string(i + 1);
            steps.InsertAfter(previous, name, tst_Step(codes[i]));
            previous = name;
        }
        return steps;
    }
    static std::vector<unsigned> Ids(kprC_StepContainer const& steps) {
        std::vector<unsigned> ids;
        for (auto const& name : steps.Keys()) ids.push_back(steps.GetID(name));
        return ids;
    }
    static unsigned Code(kprC_StepContainer const& steps, cow_String const& name) {
        return steps.ConstGet(name).ProcedureType();
    }

    int modules = 0;
};
