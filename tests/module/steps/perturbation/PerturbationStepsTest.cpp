// The perturbation and generation steps: initial values, registration and answers per
// class, round trips and copies, and the eigenvalue steps' rules in order.
#include <memory>
#include <string>
#include <vector>

#include "../general/StepTestSupport.h"
#include "module/kpr/steps/perturbation/kprC_BuckleStep.h"
#include "module/kpr/steps/perturbation/kprC_ComplexFrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_StaticLinearPerturbationStep.h"
#include "module/kpr/steps/perturbation/kprC_SubstructureGenerateStep.h"
#include "module/kpr/steps/perturbation/kprC_UsaAddedMassGenerationStep.h"

namespace perturbation_steps_test {

using Solver = kprC_Step::MatrixSolverEnm;
using Eigensolver = kprC_Step::EigensolverEnm;

constexpr double UNSET = 1.7976931348623157e308;

dbs_EnumString Enum(char const* text) { return {text}; }

char const* const NA = "NOT_APPLICABLE NOT_AVAILABLE FULL_NEWTON";

StepClass const perturbationClasses[] = {
    {"FrequencyStep", 0x023C006A, 881, "DIRECT_SYMMETRIC",
     "numEigen=UNSET_INT maxEigen=UNSET shift=UNSET vectors=0 maxIterations=30 residualModes=false eigensolver=LANCZOS "
     "minEigen=UNSET blockSize=UNSET_INT maxBlocks=UNSET_INT timePeriod=0.0 normalization=DISPLACEMENT "
     "propertyEvaluationFrequency=UNSET acousticCoupling=true numberInterval=1 intervalBias=1.0 intervalBoundaries=[f] "
     "limitSavedEigenvectorRegion=REGION residualModeRegion=[s] residualModeDof=[i] substructureCutoffMultiplier=5.0 "
     "firstCutoffMultiplier=1.6 secondCutoffMultiplier=1.3",
     "residualModes, numEigen, maxEigen, shift, vectors, maxIterations, eigensolver, minEigen, blockSize, maxBlocks, "
     "timePeriod, normalization, propertyEvaluationFrequency, acousticCoupling, numberInterval, intervalBias, "
     "intervalBoundaries, limitSavedEigenvectorRegion, residualModeRegion, residualModeDof, "
     "substructureCutoffMultiplier, firstCutoffMultiplier, secondCutoffMultiplier", "", "P", NA},
    {"BuckleStep", 0x023C0066, 831, "DIRECT_SYMMETRIC",
     "numEigen=0 maxEigen=UNSET vectors=0 maxIterations=30 eigensolver=SUBSPACE minEigen=UNSET blockSize=UNSET_INT "
     "maxBlocks=UNSET_INT timePeriod=0.0", "", "", "P", NA},
    {"ComplexFrequencyStep", 0x023C007D, 881, "DIRECT_UNSYMMETRIC",
     "numEigen=UNSET_INT shift=0.0 timePeriod=0.0 frictionDamping=false minEigen=UNSET maxEigen=1.0e18 "
     "propertyEvaluationFrequency=UNSET", "", "", "P", NA},
    {"StaticLinearPerturbationStep", 0x023C0075, 831, "SOLVER_DEFAULT", "timePeriod=0.0", "", "", "LP", NA},
    {"SubstructureGenerateStep", 0x023C007C, 831, "SOLVER_DEFAULT",
     "timePeriod=1.0 retainedDofsList=[] eliminatedDofsList=[] retainedEigenmodes=[i]", "", "", "Ns", NA},
    // Added mass generation answers with its own nlgeom.
    {"UsaAddedMassGenerationStep", 0x023C0079, 831, "SOLVER_DEFAULT", "nlgeom=OFF timePeriod=0.0", "", "", "",
     "NOT_APPLICABLE OFF>ON FULL_NEWTON"},
};

using PerturbationSteps = StepTest;

TEST_F(PerturbationSteps, InitialValuesRegistrationAnswersAndRoundTrips) {
    for (auto const& c : perturbationClasses) ExpectStepClass(c);
    using Init = void (*)(cls_ClassRegistrar&);
    std::vector<std::pair<Init, unsigned>> const masks = {
        {kprC_FrequencyStep::InitializeMetadata, 7}, {kprC_BuckleStep::InitializeMetadata, 7},
        {kprC_ComplexFrequencyStep::InitializeMetadata, 7}, {kprC_StaticLinearPerturbationStep::InitializeMetadata, 7},
        {kprC_SubstructureGenerateStep::InitializeMetadata, 4}, {kprC_UsaAddedMassGenerationStep::InitializeMetadata, 7},
        {kprC_RetainedDofs::InitializeMetadata, 4}};
    for (auto const& [init, mask] : masks) EXPECT_EQ(cls_MetadataRegistrar::MaskOf(init), mask);
    EXPECT_EQ(kprC_FrequencyStep().numEigen(), kprC_FrequencyStep::ALL);
    EXPECT_EQ(kprC_ComplexFrequencyStep().numEigen(), kprC_ComplexFrequencyStep::ALL);
    EXPECT_EQ(std::string(kprC_StaticLinearPerturbationStep::staticLinearPerturbationStepCmd()),
              "staticLinearPerturbationStep");
    EXPECT_EQ(std::string(kprC_SubstructureGenerateStep::constructorCmd()), "SubstructureGenerateStep");

    auto const* dofs = cls_MetadataRegistrar::Find(kprC_RetainedDofs::TypeId());
    ASSERT_TRUE(dofs);
    EXPECT_EQ(dofs->Version(), 403);
    EXPECT_EQ(dofs->Attributes(), (std::vector<dbs_Attribute>{{0, "region", 15, rgnC_Region_TypeId, 0},
                                                               {1, "dofs", 15, 0x230003, dofs->Attributes()[1].collectionKind}}));
    auto const* frequency = cls_MetadataRegistrar::Find(kprC_FrequencyStep::TypeId());
    EXPECT_EQ(frequency->FindAttribute("limitSavedEigenvectorRegion")->typeIdArg, rgnC_Region_TypeId);
    EXPECT_EQ(frequency->FindAttribute("intervalBoundaries")->typeIdArg, 0x230003u);
    EXPECT_EQ(cls_MetadataRegistrar::Find(kprC_SubstructureGenerateStep::TypeId())
                  ->FindAttribute("retainedDofsList")->typeIdArg, 0x230001u);

    // The retained and eliminated degrees of freedom are rows of their own and answer as read.
    kprC_SubstructureGenerateStep s;
    EXPECT_TRUE(s.RetainedDofs().empty() && s.EliminatedDofs().empty() && s.RetainedEigenmodes().empty());
    FillLevel(s, s.DynTypeId());
    auto db = Written(s);
    EXPECT_EQ(db.Tables().at(kprC_RetainedDofs::TypeId()).rows.size(), 2u);
    auto sb = cls_ReadVisitor(db).ReadRoot<kprC_SubstructureGenerateStep>("step");
    EXPECT_EQ(sb->RetainedDofs(), s.RetainedDofs());
    EXPECT_EQ(sb->EliminatedDofs(), s.EliminatedDofs());
    EXPECT_EQ(sb->RetainedEigenmodes(), s.RetainedEigenmodes());
    EXPECT_FALSE(sb->RetainedDofs().empty() || sb->EliminatedDofs().empty() || sb->RetainedEigenmodes().empty());
}

TEST_F(PerturbationSteps, ReadingFollowsTheDeclarationOrderAndRefusesUnknownStrings) {
    kprC_FrequencyStep f;
    auto db = Written(f);
    auto set = [&](char const* name, dbs_Value v) { Field(db, kprC_FrequencyStep::TypeId(), name) = std::move(v); };
    // Stored before eigensolver, declared after it: the eigensolver is read (and refused) first.
    set("residualModes", "not a boolean");
    set("eigensolver", Enum("BOGUS"));
    try {
        cls_ReadVisitor(db).ReadRoot<kprC_FrequencyStep>("step");
        FAIL() << "read an unknown eigensolver";
    } catch (omu_ValueErrorException const& e) {
        EXPECT_EQ(e.Message(), "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: BOGUS  Permissible: SUBSPACE, LANCZOS, AMS");
    }
    set("eigensolver", Enum("AMS"));
    EXPECT_THROW(cls_ReadVisitor(db).ReadRoot<kprC_FrequencyStep>("step"), nex_TextException);
    set("residualModes", true);
    auto back = cls_ReadVisitor(db).ReadRoot<kprC_FrequencyStep>("step");
    EXPECT_EQ(back->eigensolver(), Eigensolver::AMS);
    EXPECT_TRUE(back->residualModes());
}

TEST(PerturbationStepsVectors, VectorsDefIsTheSmallerOfTwiceAndEightMore) {
    for (auto [n, v] : std::vector<std::pair<int, int>>{{1, 2}, {3, 6}, {8, 16}, {9, 17}, {20, 28}}) {
        EXPECT_EQ(kprC_FrequencyStep::VectorsDef(n), v) << n;
        EXPECT_EQ(kprC_BuckleStep::VectorsDef(n), v) << n;
    }
}

using FS = kprC_FrequencyStep;
using BS = kprC_BuckleStep;
using CF = kprC_ComplexFrequencyStep;

char const* const MAX_EIGEN = "Maximum eigenvalue must be greater than zero";
char const* const NUM_EIGEN = "Number of eigenvalues to extract must be greater than zero";
char const* const SOLVER = "Invalid solver value for given procedure.";
char const* const NOT_SELECTED = "The subspace or lanczos eigensolver must be selected.";
char const* const BLOCK_SIZE = "Block size must be greater than zero.";
char const* const MAX_BLOCKS = "Maximum number of blocks must be greater than zero.";
char const* const VECTORS = "Number of vectors must be greater than zero";
char const* const ITERATIONS = "Number of iterations must be greater than zero";
char const* const REGION_EMPTY = "Region names used when specifying residual modes cannot be empty.";
char const* const BIAS = "The frequency interval biasing value must be one when interval boundaries are specified.";
char const* const BOUNDARY_COUNT =
    "If boundary values are specified, the number of values must be one less than the number of intervals.";
char const* const AMS_MAX = "The maximum frequency must be specified when using the AMS eigensolver.";
char const* const ALL_NEEDS_MAX = "The maximum frequency must be specified when requesting all eigenvalues.";
char const* const INTERVALS = "Number of frequency intervals must be greater than zero.";
char const* const PROPERTY = "Property evaluation frequency must be greater than zero or None.";
char const* const SECOND_ABOVE_ONE = "Second cutoff frequency multiplier for reduced eigenproblems must be greater than one.";
char const* const FIRST_LE_SUBSTRUCTURE =
    "First cutoff frequency multiplier for reduced eigenproblems must be less than the cutoff frequency "
    "multiplier for substructure eigenproblems.";
char const* const SECOND_LE_FIRST =
    "Second cutoff frequency multiplier for reduced eigenproblems must be less than the first cutoff "
    "frequency multiplier.";
char const* const RESIDUAL_COUNT =
    "The number of residual mode regions must equal the number of residual mode degree-of-freedom values.";
char const* const COMPLEX_PROPERTY = "Property evaluation must be greater than zero.";

void Subspace(FS& s) { s.eigensolver(Eigensolver::SUBSPACE), s.numEigen(5), s.vectors(10); }
void Ams(FS& s) { s.eigensolver(Eigensolver::AMS), s.normalization(FS::NormalizationEnm::MASS); }

// Each rule broken alone, then with the rule after it, where the earlier one must win.
TEST_F(PerturbationSteps, EigenvalueRulesInOrderWithTheirMessages) {
    auto const F = Valid<FS>([](auto& s) { s.maxEigen(100.0); });
    auto const B = Valid<BS>([](auto& s) { s.numEigen(5), s.vectors(BS::VectorsDef(5)); });
    auto const C = Valid<CF>();
    ExpectRules({
        {F, {}, ""},
        {F, On<FS>([](auto& s) { s.maxEigen(0.0), s.numEigen(0); }), MAX_EIGEN},
        {F, On<FS>([](auto& s) { s.maxEigen(-5.0); }), MAX_EIGEN},
        {F, On<FS>([](auto& s) { s.numEigen(0); }), NUM_EIGEN},
        {F, On<FS>([](auto& s) { s.numEigen(0), s.matrixSolver(Solver::DIRECT_UNSYMMETRIC); }), NUM_EIGEN},
        {F, Solve(Solver::DIRECT_UNSYMMETRIC), SOLVER},
        {F, Solve(Solver::DDM_ITERATIVE), SOLVER},
        {F, Solve(Solver::SOLVER_DEFAULT), ""},
        {F, On<FS>([](auto& s) { s.matrixSolver(Solver::DIRECT_UNSYMMETRIC), s.propertyEvaluationFrequency(0.0); }), SOLVER},
        {F, On<FS>([](auto& s) { s.propertyEvaluationFrequency(0.0); }), PROPERTY},
        {F, On<FS>([](auto& s) { s.propertyEvaluationFrequency(0.0), s.secondCutoffMultiplier(1.0); }), PROPERTY},
        {F, On<FS>([](auto& s) { s.propertyEvaluationFrequency(0.5); }), ""},
        {F, On<FS>([](auto& s) { s.secondCutoffMultiplier(1.0); }), SECOND_ABOVE_ONE},
        {F, On<FS>([](auto& s) { s.secondCutoffMultiplier(1.0), s.firstCutoffMultiplier(5.5); }), SECOND_ABOVE_ONE},
        {F, On<FS>([](auto& s) { s.firstCutoffMultiplier(5.5); }), FIRST_LE_SUBSTRUCTURE},
        {F, On<FS>([](auto& s) { s.firstCutoffMultiplier(5.5), s.secondCutoffMultiplier(5.8); }), FIRST_LE_SUBSTRUCTURE},
        {F, On<FS>([](auto& s) { s.firstCutoffMultiplier(5.0); }), ""},
        {F, On<FS>([](auto& s) { s.secondCutoffMultiplier(1.7); }), SECOND_LE_FIRST},
        {F, On<FS>([](auto& s) { s.secondCutoffMultiplier(1.7), s.residualModeRegion({"Set-A"}); }), SECOND_LE_FIRST},
        {F, On<FS>([](auto& s) { s.secondCutoffMultiplier(1.6); }), ""},
        {F, On<FS>([](auto& s) { s.residualModeRegion({"Set-A"}); }), RESIDUAL_COUNT},
        {F, On<FS>([](auto& s) { s.residualModeRegion({"Set-A"}), s.maxEigen(UNSET); }), RESIDUAL_COUNT},
        {F, On<FS>([](auto& s) { s.residualModeRegion({"Set-A", ""}), s.residualModeDof({1, 2}); }), REGION_EMPTY},
        {F, On<FS>([](auto& s) { s.residualModeRegion({""}), s.residualModeDof({0}); }), REGION_EMPTY},
        {F, On<FS>([](auto& s) { s.residualModeRegion({"Set-A", ""}), s.residualModeDof({0, 2}); }), "Degrees-of-freedom must be greater than zero."},
        {F, On<FS>([](auto& s) { s.residualModeRegion({"Set-A", "Set-B"}), s.residualModeDof({1, 2}); }), ""},
        // Lanczos.
        {F, On<FS>([](auto& s) { s.maxEigen(UNSET), s.blockSize(0); }), ALL_NEEDS_MAX},
        {F, On<FS>([](auto& s) { s.maxEigen(UNSET), s.numEigen(10); }), ""},
        {F, On<FS>([](auto& s) { s.blockSize(0), s.maxBlocks(0); }), BLOCK_SIZE},
        {F, On<FS>([](auto& s) { s.maxBlocks(0); }), MAX_BLOCKS},
        {F, On<FS>([](auto& s) { s.maxBlocks(0), s.numberInterval(0); }), MAX_BLOCKS},
        {F, On<FS>([](auto& s) { s.numberInterval(0); }), INTERVALS},
        {F, On<FS>([](auto& s) { s.numberInterval(0), s.intervalBoundaries({10.0}), s.intervalBias(2.0); }), INTERVALS},
        {F, On<FS>([](auto& s) { s.numberInterval(0), s.intervalBoundaries({10.0}); }), INTERVALS},
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0, 20.0}); }), ""},
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0}); }), BOUNDARY_COUNT},
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0, 20.0}), s.intervalBias(2.0); }), BIAS},
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0}), s.intervalBias(2.0); }), BIAS},
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0, 0.0}); }), "Frequency interval boundaries must be greater than zero."},
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({0.0}); }), BOUNDARY_COUNT},
        {F, On<FS>([](auto& s) { s.intervalBias(2.0); }), ""},  // bias alone: no boundaries given
        // Subspace: the Lanczos settings are ignored.
        {F, On<FS>(Subspace), ""},
        {F, On<FS>([](auto& s) { Subspace(s), s.numEigen(FS::ALL), s.vectors(0); }), "ALL may not be used with the subspace eigensolver."},
        {F, On<FS>([](auto& s) { Subspace(s), s.vectors(0), s.maxIterations(0); }), VECTORS},
        {F, On<FS>([](auto& s) { Subspace(s), s.maxIterations(0); }), ITERATIONS},
        {F, On<FS>([](auto& s) { Subspace(s), s.blockSize(0); }), ""},
        // AMS.
        {F, On<FS>(Ams), ""},
        {F, On<FS>([](auto& s) { s.eigensolver(Eigensolver::AMS), s.maxEigen(UNSET); }), "The AMS eigensolver must normalize eigenvectors by mass."},
        {F, On<FS>([](auto& s) { Ams(s), s.maxEigen(UNSET); }), AMS_MAX},
        {F, On<FS>([](auto& s) { Ams(s), s.maxEigen(UNSET), s.residualModes(true); }), AMS_MAX},
        {F, On<FS>([](auto& s) { Ams(s), s.residualModes(true); }), "When using the residual mode option with the AMS eigensolver, residual mode regions must also be " "specified."},
        {F, On<FS>([](auto& s) { Ams(s), s.residualModes(true), s.residualModeRegion({"Set-A"}), s.residualModeDof({1}); }), ""},
        {F, On<FS>([](auto& s) { s.eigensolver(static_cast<Eigensolver>(3)); }), NOT_SELECTED},
        // Buckle.
        {B, {}, ""},
        {B, On<BS>([](auto& s) { s.maxEigen(0.0), s.numEigen(0); }), MAX_EIGEN},
        {B, On<BS>([](auto& s) { s.maxEigen(0.0); }), MAX_EIGEN},
        {B, On<BS>([](auto& s) { s.numEigen(0); }), NUM_EIGEN},
        {B, On<BS>([](auto& s) { s.numEigen(0), s.matrixSolver(Solver::DIRECT_UNSYMMETRIC); }), NUM_EIGEN},
        {B, Solve(Solver::DIRECT_UNSYMMETRIC), SOLVER},
        {B, On<BS>([](auto& s) { s.matrixSolver(Solver::DIRECT_UNSYMMETRIC), s.vectors(0); }), SOLVER},
        {B, Solve(Solver::SOLVER_DEFAULT), ""},
        {B, On<BS>([](auto& s) { s.vectors(0), s.maxIterations(0); }), VECTORS},
        {B, On<BS>([](auto& s) { s.maxIterations(0); }), ITERATIONS},
        {B, On<BS>([](auto& s) { s.eigensolver(Eigensolver::LANCZOS), s.vectors(0); }), ""},
        {B, On<BS>([](auto& s) { s.eigensolver(Eigensolver::LANCZOS), s.blockSize(0), s.maxBlocks(0); }), BLOCK_SIZE},
        {B, On<BS>([](auto& s) { s.eigensolver(Eigensolver::LANCZOS), s.maxBlocks(0); }), MAX_BLOCKS},
        {B, On<BS>([](auto& s) { s.eigensolver(Eigensolver::AMS); }), NOT_SELECTED},
        {B, On<BS>([](auto& s) { s.eigensolver(static_cast<Eigensolver>(7)); }), NOT_SELECTED},
        // Complex frequency.
        {C, {}, ""},
        {C, On<CF>([](auto& s) { s.maxEigen(0.0), s.numEigen(0); }), MAX_EIGEN},
        {C, On<CF>([](auto& s) { s.maxEigen(0.0); }), MAX_EIGEN},
        {C, On<CF>([](auto& s) { s.numEigen(0); }), NUM_EIGEN},
        {C, On<CF>([](auto& s) { s.numEigen(0), s.matrixSolver(Solver::DDM_ITERATIVE); }), NUM_EIGEN},
        {C, Solve(Solver::DDM_ITERATIVE), SOLVER},
        {C, On<CF>([](auto& s) { s.matrixSolver(Solver::DDM_ITERATIVE), s.propertyEvaluationFrequency(0.0); }), SOLVER},
        {C, Solve(Solver::SYMMETRIC), ""},
        {C, On<CF>([](auto& s) { s.propertyEvaluationFrequency(0.0); }), COMPLEX_PROPERTY},
        {C, On<CF>([](auto& s) { s.propertyEvaluationFrequency(-1.0); }), COMPLEX_PROPERTY},
        {C, On<CF>([](auto& s) { s.propertyEvaluationFrequency(10.0); }), ""},
    });
}

// The eigenvalue steps start invalid until the caller sets what they lack; the
// generation and linear perturbation steps accept every state.
TEST_F(PerturbationSteps, InitialStatesAndStepsWithoutRules) {
    EXPECT_EQ(RaisedMessage([] { FS().AssertValid(); }), ALL_NEEDS_MAX);
    BS buckle;
    EXPECT_EQ(RaisedMessage([&] { buckle.AssertValid(); }), NUM_EIGEN);
    buckle.numEigen(3);
    EXPECT_EQ(RaisedMessage([&] { buckle.AssertValid(); }), VECTORS);
    buckle.vectors(BS::VectorsDef(3));
    EXPECT_EQ(RaisedMessage([&] { buckle.AssertValid(); }), "");
    EXPECT_EQ(RaisedMessage([] { CF().AssertValid(); }), "");
    for (std::uint32_t id : {0x023C0075u, 0x023C007Cu, 0x023C0079u}) {
        auto step = Make(id);
        FillLevel(*step, id);
        step->matrixSolver(Solver::DDM_ITERATIVE);
        cls_ScriptRegistry::FindAttribute(cls_ScriptRegistry::Find(id)->attributes, "timePeriod")->set(*step, -1.0, "");
        EXPECT_EQ(RaisedMessage([&] { step->AssertValid(); }), "") << std::hex << id;
    }
}

}  // namespace perturbation_steps_test
