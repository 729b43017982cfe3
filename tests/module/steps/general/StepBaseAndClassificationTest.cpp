// The analysis step base: absent records, a refused stored solver, copies, and the
// classification answers that read a step's incrementation and end criterion.
#include <limits>

#include "StepTestSupport.h"
#include "module/kpr/procedures/kprC_StepClassification.h"
#include "module/kpr/steps/general/kprC_AnnealStep.h"
#include "module/kpr/steps/general/kprC_CoupledTempDisplacementStep.h"
#include "module/kpr/steps/general/kprC_CoupledThermalElectricStep.h"
#include "module/kpr/steps/general/kprC_GeostaticStep.h"
#include "module/kpr/steps/general/kprC_HeatTransferStep.h"
#include "module/kpr/steps/general/kprC_MassDiffusionStep.h"
#include "module/kpr/steps/general/kprC_SoilsStep.h"
#include "module/kpr/steps/general/kprC_StaticRiksStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/general/kprC_ViscoStep.h"
#include "module/kpr/steps/kprC_InitialStep.h"

namespace {

using TI = kprC_Step::TimeIncrementationMethodEnm;
using RE = kprC_Step::ResponseEnm;

using StepBase = StepTest;

// A new analysis step holds no output settings, controls, load cases or mesh domains.
TEST_F(StepBase, AbsentRecordsAreStoredAsNullAndReadBackAbsent) {
    kprC_HeatTransferStep step;
    EXPECT_TRUE(step.monitor().IsNull() && step.diagnosticPrint().IsNull() && step.contactControls().empty());
    EXPECT_TRUE(step.lcc().empty() && step.amd().empty() && step.description().empty() && step.solverInput().empty());
    step.MutableAmd()["Domain-1"] = cow_COW<kadC_AdptMeshDomain>(new kadC_AdptMeshDomain);
    step.MutableLcc()["Case-1"] = cow_COW<klcC_LoadCase>(new klcC_LoadCase);
    auto db = Written(step);
    auto const baseRow = db.Tables().at(kprC_HeatTransferStep::TypeId()).rows[0].baseOid;
    EXPECT_EQ(Field(db, kprC_AnalysisStep::TypeId(), "restart", baseRow), dbs_Value(dbs_Null{}));
    EXPECT_EQ(Field(db, kprC_AnalysisStep::TypeId(), "controls", baseRow), dbs_Value(dbs_Null{}));
    auto back = cls_ReadVisitor(db).ReadRoot<kprC_HeatTransferStep>("step");
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->restart().IsNull());
    EXPECT_TRUE(back->controls().IsNull());
    ASSERT_EQ(back->amd().size(), 1u);
    EXPECT_TRUE(back->amd().contains("Domain-1"));
    EXPECT_TRUE(back->lcc().contains("Case-1"));
}

TEST_F(StepBase, StoredSolverOutsideThePermittedStringsIsRefusedByName) {
    kprC_StaticStep step;
    auto db = Written(step);
    auto const baseRow = db.Tables().at(kprC_StaticStep::TypeId()).rows[0].baseOid;
    Field(db, kprC_AnalysisStep::TypeId(), "matrixSolver", baseRow) = dbs_EnumString{"SPARSE_MAGIC"};
    try {
        cls_ReadVisitor(db).ReadRoot<kprC_StaticStep>("step");
        FAIL() << "the stored solver was accepted";
    } catch (nex_Exception const& e) {
        EXPECT_NE(e.Message().find("omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: SPARSE_MAGIC"),
                  std::string::npos)
            << e.Message();
    }
    // An own enumeration of a step class is checked alike.
    auto own = Written(step);
    Field(own, kprC_StaticStep::TypeId(), "stabilizationMethod") = dbs_EnumString{"SOMETIMES"};
    EXPECT_THROW(cls_ReadVisitor(own).ReadRoot<kprC_StaticStep>("step"), nex_Exception);
}

// A copy is a new object: changing it leaves the original, and it has a uid of its own.
TEST_F(StepBase, CopiesAreIndependent) {
    kprC_StaticStep original;
    original.fullyPlastic("Set-1");
    kprC_StaticStep copy(original);
    copy.fullyPlastic("Set-2"), copy.timePeriod(5.0);
    EXPECT_EQ(original.fullyPlastic(), "Set-1");
    EXPECT_EQ(original.TimePeriod(), 1.0);
    EXPECT_NE(copy.Uid(), original.Uid());
}

// The step forms of the classification: each row is one step state and its answers to
// TimeMarksConsistency, TimeMarksIsAllowed (flag true, flag false),
// NumberIntervalConsistency and NumberIntervalIsAllowed, as "1" / "0".
struct Classified {
    char const* what;
    std::function<std::unique_ptr<kprC_Step>()> make;
    char const* answers;
};

template <class T>
void Fixed(T& s) {
    s.timeIncrementationMethod(TI::FIXED);
}

using StepClassification = StepTest;

TEST_F(StepClassification, StepFormsReadIncrementationAndEndCriterion) {
    using HT = kprC_HeatTransferStep;
    using MD = kprC_MassDiffusionStep;
    using SO = kprC_SoilsStep;
    using CTE = kprC_CoupledThermalElectricStep;
    using CTD = kprC_CoupledTempDisplacementStep;
    using ST = kprC_StaticStep;
    Classified const cases[] = {
        {"heat transfer, automatic, finite end", Valid<HT>([](HT& s) { s.end(0.5); }), "11100"},
        {"heat transfer, fixed, finite end", Valid<HT>([](HT& s) { Fixed(s), s.end(0.5); }), "00011"},
        {"heat transfer, default", Valid<HT>([](HT&) {}), "11111"},
        {"heat transfer, steady, fixed, finite end", Valid<HT>([](HT& s) { Fixed(s), s.end(0.5), s.response(RE::STEADY_STATE); }), "11111"},
        {"mass diffusion, end 0.0", Valid<MD>([](MD&) {}), "11111"},
        {"mass diffusion, automatic, end set", Valid<MD>([](MD& s) { s.end(0.5); }), "11100"},
        {"mass diffusion, fixed", Valid<MD>([](MD& s) { Fixed(s), s.end(0.5); }), "00011"},
        {"soils, consolidation, end set", Valid<SO>([](SO& s) { s.end(0.5); }), "11100"},
        {"soils, steady state, fixed, end set", Valid<SO>([](SO& s) { Fixed(s), s.end(0.5), s.response(SO::SoilsResponseEnm::STEADY_STATE); }), "00011"},
        {"coupled thermal-electric, end set", Valid<CTE>([](CTE& s) { s.end(0.5); }), "11100"},
        {"coupled thermal-electric, fixed", Valid<CTE>([](CTE& s) { Fixed(s); }), "00011"},
        {"coupled temp-displacement, transient, fixed", Valid<CTD>([](CTD& s) { Fixed(s); }), "00011"},
        {"coupled temp-displacement, steady, fixed", Valid<CTD>([](CTD& s) { Fixed(s), s.response(RE::STEADY_STATE); }), "11111"},
        {"static, fixed", Valid<ST>([](ST& s) { Fixed(s); }), "00011"},
        {"static, automatic", Valid<ST>([](ST&) {}), "11111"},
        {"visco, fixed", Valid<kprC_ViscoStep>([](kprC_ViscoStep& s) { Fixed(s); }), "11111"},
        {"riks", Valid<kprC_StaticRiksStep>([](kprC_StaticRiksStep&) {}), "10010"},
        {"geostatic", Valid<kprC_GeostaticStep>([](kprC_GeostaticStep&) {}), "10010"},
        {"anneal", Valid<kprC_AnnealStep>([](kprC_AnnealStep&) {}), "11011"},
        {"initial", [] { return std::make_unique<kprC_InitialStep>(); }, "10010"},
    };
    for (auto const& c : cases) {
        auto const step = c.make();
        std::string const answers = {char('0' + kprC_TimeMarksConsistency(*step, false)),
                                     char('0' + kprC_TimeMarksIsAllowed(*step, true)),
                                     char('0' + kprC_TimeMarksIsAllowed(*step, false)),
                                     char('0' + kprC_NumberIntervalConsistency(*step)),
                                     char('0' + kprC_NumberIntervalIsAllowed(*step))};
        EXPECT_EQ(answers, c.answers) << c.what;
        EXPECT_EQ(kprC_TimeMarksConsistency(*step, true), kprC_TimeMarksConsistency(*step, false)) << c.what;
    }
}

}  // namespace
