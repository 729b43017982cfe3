#include <gtest/gtest.h>

#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/sequencer/kprC_StepSequencer.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_Message.h"

namespace step_sequencer_test {

constexpr unsigned STATIC = kprC_STATIC_STEP_ID, FREQ = kprC_FREQUENCY_STEP_ID, MODAL = kprC_MODAL_DYNAMICS_STEP_ID,
                   CF = kprC_COMPLEX_FREQUENCY_STEP_ID, BUCKLE = kprC_BUCKLE_STEP_ID, HEAT = kprC_HEAT_TRANSFER_STEP_ID,
                   CTE = kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID, MD = kprC_MASS_DIFFUSION_STEP_ID,
                   RIKS = kprC_STATIC_RIKS_STEP_ID, EXPL = kprC_EXPLICIT_DYNAMICS_STEP_ID,
                   USA = kprC_USA_ADDED_MASS_GENERATION_STEP_ID, IMPL = kprC_IMPLICIT_DYNAMICS_STEP_ID,
                   SUB = kprC_SUBSPACE_DYNAMICS_STEP_ID;

bool Allowed(cow_List<unsigned> seq, unsigned code, bool usa = false) {
    try {
        seq.push_back(code);
        kprC_StepSequencer s(seq, usa);
        return true;
    } catch (nex_TextException const& e) {
        EXPECT_STREQ(e.what(), "Invalid sequence of steps");
        return false;
    }
}

TEST(StepSequencer, FirstStepListsInLabelMapOrder) {
    kprC_StepSequencer s(false);
    EXPECT_EQ(s.AppendableGeneral(),
              (cow_List<unsigned>{kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID, CTE, IMPL, EXPL,
                                  kprC_TEMP_DISPLACEMENT_DYNAMICS_STEP_ID, kprC_GEOSTATIC_STEP_ID, HEAT, MD,
                                  kprC_SOILS_STEP_ID, STATIC, RIKS, kprC_VISCO_STEP_ID}));
    EXPECT_EQ(s.AppendablePerturbation(), (cow_List<unsigned>{BUCKLE, FREQ, kprC_STATIC_LINEAR_PERTURBATION_STEP_ID,
                                                              kprC_STEADY_STATE_DIRECT_STEP_ID}));
    kprC_StepSequencer usa(true);
    auto general = usa.AppendableGeneral();
    EXPECT_EQ(general.size(), 13u);
    EXPECT_EQ(general[11], USA);  // label-map order: USA added mass generation before Visco
}

TEST(StepSequencer, RulesOnShortHistories) {
    struct Case {
        cow_List<unsigned> sequence;
        unsigned code;
        bool allowed;
    };
    Case const cases[] = {
        {{STATIC, FREQ}, MODAL, true}, {{STATIC, FREQ}, CF, true}, {{STATIC, BUCKLE}, MODAL, false},
        {{STATIC, BUCKLE}, CF, false},
        {{STATIC, FREQ, MODAL}, MODAL, true},       // look through
        {{FREQ, STATIC}, CF, true},                 // earlier frequency step
        {{HEAT}, HEAT, true}, {{HEAT}, CTE, true}, {{HEAT}, BUCKLE, false}, {{HEAT}, STATIC, false}, {{MD}, MD, true},
        {{MD}, FREQ, false},
        {{FREQ, HEAT}, CF, false},                  // never directly after heat transfer
        {{FREQ, STATIC, RIKS}, CF, false}, {{RIKS}, STATIC, false}, {{RIKS}, RIKS, false}, {{STATIC}, EXPL, false},
        {{EXPL}, STATIC, false}, {{EXPL}, kprC_ANNEAL_STEP_ID, true},
        {{STATIC, FREQ}, EXPL, false},              // explicit never looks through
        {{STATIC, FREQ}, STATIC, true}, {{IMPL}, SUB, true}, {{STATIC, FREQ}, SUB, true}, {{STATIC}, SUB, false},
        {{STATIC}, kprC_SUBSTRUCTURE_GENERATE_STEP_ID, false},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Allowed(c.sequence, c.code), c.allowed) << "code 0x" << std::hex << c.code << " after "
                                                          << c.sequence.size() << " steps";
    }
    EXPECT_FALSE(Allowed({}, USA, false));
    EXPECT_TRUE(Allowed({}, USA, true));
    EXPECT_FALSE(Allowed({}, kprC_ANNEAL_STEP_ID));
}

TEST(StepSequencer, IsRemovableTriesTheSequenceWithoutTheStep) {
    kprC_StepSequencer s(cow_List<unsigned>{STATIC, FREQ, MODAL}, false);
    EXPECT_EQ(std::tuple(s.IsRemovable(0), s.IsRemovable(1), s.IsRemovable(2)), std::tuple(true, false, true));
    for (int bad : {-1, 3}) EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { s.IsRemovable(bad); }), "Invalid step index");
}

TEST(StepSequencer, HistoryQueriesRebuildFromTheNamedSteps) {
    kprC_StepSequencer s(kprC_StepSequencer::History{{"Step-1", STATIC}, {"Step-2", FREQ}, {"Step-3", MODAL}}, false);
    s.Run();
    EXPECT_EQ(s.Sequence(), (cow_List<unsigned>{STATIC, FREQ, MODAL}));
    s.Run("Step-2", true);
    EXPECT_EQ(s.Sequence(), (cow_List<unsigned>{STATIC}));
    s.Run("Step-2", false);
    EXPECT_TRUE(s.HasFrequency());
    s.Run("Initial", false);
    EXPECT_TRUE(s.Sequence().empty());
    EXPECT_FALSE(s.HasFrequency());
    EXPECT_EQ(s.AppendablePerturbation().size(), 4u);

    s.InsertAfter("Step-2", MODAL);
    EXPECT_EQ(s.Sequence(), (cow_List<unsigned>{STATIC, FREQ, MODAL, MODAL}));
    EXPECT_THROW(s.InsertAfter("Initial", HEAT), nex_TextException);
    EXPECT_EQ(s.Sequence(), (cow_List<unsigned>{HEAT}));  // stopped at the first refused append
    EXPECT_THROW(s.InsertAfter("Step-1", MODAL), nex_TextException);
    EXPECT_THROW(s.Replace("Step-2", BUCKLE), nex_TextException);  // modal step loses its frequency step
    s.Replace("Step-3", BUCKLE);
    EXPECT_EQ(s.Sequence(), (cow_List<unsigned>{STATIC, FREQ, BUCKLE}));
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { s.Replace("Initial", STATIC); }),
              "The Initial step cannot be replaced.");
}

}  // namespace step_sequencer_test
