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

using Step = kprC_AnalysisStep;
using Solver = kprC_Step::MatrixSolverEnm;
using Eigensolver = kprC_Step::EigensolverEnm;
using Nlgeom = kprC_Step::NlgeomEnm;
using Fields = std::vector<std::pair<std::string, dbs_Value>>;

constexpr double UNSET = 1.7976931348623157e308;
constexpr int UNSET_INT = 2147483647;

dbs_EnumString Enum(char const* text) { return {text}; }
rgnC_Region Region(char const* name, int count, int space = rgnC_THREE_D) { return rgnC_Region({name}, count, space); }

struct StepClass {
    char const* name;
    std::uint32_t typeId;
    int version;
    unsigned mask;
    Fields defaults;                   // own stored attributes with their initial values, in stored order
    std::vector<std::string> schema;   // the registered order, when it differs from the stored one
    Solver solver;                     // the constructor's matrix solver
    bool loadCases, nonmechanical, perturbation, eigen;
    Nlgeom nlgeom;
    double timePeriod;
    StepMaker make{};
    StepChange setAll{};  // every own attribute away from its initial value
    std::function<void(Step&, double)> setTimePeriod{};
    unsigned registeredMask = 0;
    std::string renamed{}, constructor{};
};

template <class C>
StepClass Describe(StepClass c, std::function<void(C&)> all) {
    c.make = Valid<C>(), c.setAll = On<C>(all);
    c.setTimePeriod = [](Step& s, double t) { dynamic_cast<C&>(s).timePeriod(t); };
    c.registeredMask = cls_MetadataRegistrar::MaskOf(C::InitializeMetadata);
    c.renamed = Renamed<C>(), c.constructor = std::string(C::constructorCmd());
    return c;
}

std::vector<StepClass> const& Classes() {
    auto const NA = Nlgeom::NOT_AVAILABLE;
    static std::vector<StepClass> const classes = {
        Describe<kprC_FrequencyStep>(
            {"Frequency", 0x023C006A, 881, 7,
             {{"numEigen", UNSET_INT}, {"maxEigen", UNSET}, {"shift", UNSET}, {"vectors", 0}, {"maxIterations", 30},
              {"residualModes", false}, {"eigensolver", Enum("LANCZOS")}, {"minEigen", UNSET},
              {"blockSize", UNSET_INT}, {"maxBlocks", UNSET_INT}, {"timePeriod", 0.0},
              {"normalization", Enum("DISPLACEMENT")}, {"propertyEvaluationFrequency", UNSET},
              {"acousticCoupling", true}, {"numberInterval", 1}, {"intervalBias", 1.0},
              {"intervalBoundaries", std::vector<double>{}}, {"limitSavedEigenvectorRegion", dbs_Value()},
              {"residualModeRegion", std::vector<std::string>{}}, {"residualModeDof", std::vector<std::int64_t>{}},
              {"substructureCutoffMultiplier", 5.0}, {"firstCutoffMultiplier", 1.6}, {"secondCutoffMultiplier", 1.3}},
             {"residualModes", "numEigen", "maxEigen", "shift", "vectors", "maxIterations", "eigensolver", "minEigen",
              "blockSize", "maxBlocks", "timePeriod", "normalization", "propertyEvaluationFrequency",
              "acousticCoupling", "numberInterval", "intervalBias", "intervalBoundaries",
              "limitSavedEigenvectorRegion", "residualModeRegion", "residualModeDof", "substructureCutoffMultiplier",
              "firstCutoffMultiplier", "secondCutoffMultiplier"},
             Solver::DIRECT_SYMMETRIC, false, false, true, true, NA, 0.0},
            [](auto& s) {
                s.numEigen(12), s.maxEigen(250.0), s.shift(3.5), s.vectors(20), s.maxIterations(45);
                s.residualModes(true), s.eigensolver(Eigensolver::AMS), s.minEigen(1.0), s.blockSize(7);
                s.maxBlocks(9), s.timePeriod(2.5), s.normalization(kprC_FrequencyStep::NormalizationEnm::MASS);
                s.propertyEvaluationFrequency(4.0), s.acousticCoupling(false), s.numberInterval(3);
                s.intervalBias(2.0), s.intervalBoundaries({10.0, 20.0}), s.limitSavedEigenvectorRegion(Region("Set-Save", 4));
                s.residualModeRegion({"Set-A", "Set-B"}), s.residualModeDof({1, 3});
                s.substructureCutoffMultiplier(6.0), s.firstCutoffMultiplier(2.0), s.secondCutoffMultiplier(1.5);
            }),
        Describe<kprC_BuckleStep>(
            {"Buckle", 0x023C0066, 831, 7,
             {{"numEigen", 0}, {"maxEigen", UNSET}, {"vectors", 0}, {"maxIterations", 30},
              {"eigensolver", Enum("SUBSPACE")}, {"minEigen", UNSET}, {"blockSize", UNSET_INT},
              {"maxBlocks", UNSET_INT}, {"timePeriod", 0.0}},
             {}, Solver::DIRECT_SYMMETRIC, false, false, true, true, NA, 0.0},
            [](auto& s) {
                s.numEigen(4), s.maxEigen(80.0), s.vectors(12), s.maxIterations(50), s.eigensolver(Eigensolver::LANCZOS);
                s.minEigen(2.0), s.blockSize(3), s.maxBlocks(6), s.timePeriod(1.5);
            }),
        Describe<kprC_ComplexFrequencyStep>(
            {"ComplexFrequency", 0x023C007D, 881, 7,
             {{"numEigen", UNSET_INT}, {"shift", 0.0}, {"timePeriod", 0.0}, {"frictionDamping", false},
              {"minEigen", UNSET}, {"maxEigen", 1.0e18}, {"propertyEvaluationFrequency", UNSET}},
             {}, Solver::DIRECT_UNSYMMETRIC, false, false, true, true, NA, 0.0},
            [](auto& s) {
                s.numEigen(8), s.shift(2.0), s.timePeriod(3.0), s.frictionDamping(true), s.minEigen(0.5);
                s.maxEigen(900.0), s.propertyEvaluationFrequency(60.0);
            }),
        Describe<kprC_StaticLinearPerturbationStep>({"StaticLinearPerturbation", 0x023C0075, 831, 7,
                                                     {{"timePeriod", 0.0}}, {}, Solver::SOLVER_DEFAULT, true, false,
                                                     true, false, NA, 0.0},
                                                    [](auto& s) { s.timePeriod(4.0); }),
        Describe<kprC_SubstructureGenerateStep>(
            {"SubstructureGenerate", 0x023C007C, 831, 4,
             {{"timePeriod", 1.0}, {"retainedDofsList", dbs_List{}}, {"eliminatedDofsList", dbs_List{}},
              {"retainedEigenmodes", std::vector<std::int64_t>{}}},
             {}, Solver::SOLVER_DEFAULT, false, true, false, false, NA, 1.0},
            [](auto& s) {
                s.timePeriod(2.0), s.retainedEigenmodes({1, 2, 5});
                s.retainedDofsList({kprC_RetainedDofs(Region("Set-R", 3), {1, 2, 3}),
                                    kprC_RetainedDofs(Region("Surf-S", 1, rgnC_TWO_D), {6})});
                s.eliminatedDofsList({kprC_RetainedDofs(Region("Set-E", 2), {4})});
            }),
        // Added mass generation answers with its own nlgeom.
        Describe<kprC_UsaAddedMassGenerationStep>({"UsaAddedMassGeneration", 0x023C0079, 831, 7,
                                                   {{"nlgeom", Enum("OFF")}, {"timePeriod", 0.0}}, {},
                                                   Solver::SOLVER_DEFAULT, false, false, false, false, Nlgeom::OFF, 0.0},
                                                  [](auto& s) { s.nlgeom(Nlgeom::ON), s.timePeriod(5.0); }),
    };
    return classes;
}

using PerturbationSteps = StepTest;

TEST_F(PerturbationSteps, InitialValuesRegistrationAndAnswers) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        EXPECT_EQ(step->matrixSolver(), c.solver);
        EXPECT_EQ(step->convertSDI(), kprC_Step::ConvertSDIEnm::PROPAGATED);
        EXPECT_FALSE(step->restart() || step->controls() || step->linearCtrl());
        EXPECT_EQ(step->stepId(), 0u);
        auto db = Written(*step);
        std::vector<std::string> stored;
        for (auto const& [name, value] : c.defaults) {
            stored.push_back(name);
            if (!value.IsUndefined()) EXPECT_EQ(Field(db, c.typeId, name), value) << name;
        }
        ExpectRegistered(c.typeId, std::string("kprC_") + c.name + "Step", c.version, c.schema.empty() ? stored : c.schema);
        EXPECT_EQ(c.registeredMask, c.mask);
        EXPECT_EQ(c.renamed, "");
        EXPECT_EQ(c.constructor, std::string(c.name) + "Step");

        EXPECT_EQ(step->ProcedureType(), c.typeId);
        EXPECT_EQ(step->DynTypeId(), c.typeId);
        EXPECT_FALSE(step->IsAdiabatic() || step->AllowAdaptiveMeshDomains() || step->Explicit());
        EXPECT_EQ(step->AllowLoadCases(), c.loadCases);
        EXPECT_EQ(step->Nonmechanical(), c.nonmechanical);
        EXPECT_EQ(step->Response(), kprC_Step::ResponseEnm::NOT_APPLICABLE);
        EXPECT_EQ(step->Nlgeom(), c.nlgeom);
        EXPECT_EQ(step->Perturbation(), c.perturbation);
        EXPECT_EQ(step->Perturbation(), kprC_Step::Perturbation(c.typeId));
        EXPECT_EQ(step->SolutionTechnique(), kprC_Step::SolutionTechniqueEnm::FULL_NEWTON);
        EXPECT_EQ(step->TimePeriod(), c.timePeriod);
        c.setTimePeriod(*step, 7.25);
        EXPECT_EQ(step->TimePeriod(), 7.25);
    }
    kprC_FrequencyStep f;
    EXPECT_TRUE(f.limitSavedEigenvectorRegion().IsEmpty());
    EXPECT_EQ(f.numEigen(), kprC_FrequencyStep::ALL);
    EXPECT_EQ(kprC_ComplexFrequencyStep().numEigen(), kprC_ComplexFrequencyStep::ALL);
    kprC_SubstructureGenerateStep s;
    EXPECT_TRUE(s.RetainedDofs().empty() && s.EliminatedDofs().empty() && s.RetainedEigenmodes().empty());
    kprC_UsaAddedMassGenerationStep usa;
    usa.nlgeom(Nlgeom::ON);
    EXPECT_EQ(usa.Nlgeom(), Nlgeom::ON);

    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_RetainedDofs::InitializeMetadata), 4u);
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
    EXPECT_EQ(std::string(kprC_StaticLinearPerturbationStep::staticLinearPerturbationStepCmd()),
              "staticLinearPerturbationStep");
}

// Base attributes away from their initial values too, so that a round trip shows every level.
TEST_F(PerturbationSteps, RoundTripsAndCopiesKeepEveryAttribute) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        step->description("perturbation"), step->solverInput("*NODE PRINT"), step->stepId(5);
        step->matrixSolver(step->matrixSolver() == Solver::SOLVER_DEFAULT ? Solver::DIRECT_SYMMETRIC : Solver::SOLVER_DEFAULT);
        step->convertSDI(kprC_Step::ConvertSDIEnm::CONVERT_SDI_ON);
        c.setAll(*step);
        ExpectEveryAttributeKept(*c.make(), *step, {"limitSavedEigenvectorRegion"});
        std::unique_ptr<kprC_Step> copy(step->Copy());
        copy->description("changed");
        EXPECT_EQ(step->description(), "perturbation");
    }
    kprC_FrequencyStep f;
    Classes()[0].setAll(f);
    auto fb = cls_ReadVisitor(Written(f)).ReadRoot<kprC_FrequencyStep>("step");
    EXPECT_EQ(fb->limitSavedEigenvectorRegion(), Region("Set-Save", 4));
    EXPECT_EQ(fb->residualModeRegion(), (cow_List<cow_String>{"Set-A", "Set-B"}));
    EXPECT_EQ(fb->residualModeDof(), (cow_List<int>{1, 3}));
    EXPECT_EQ(fb->intervalBoundaries(), (cow_List<double>{10.0, 20.0}));

    kprC_SubstructureGenerateStep s;
    Classes()[4].setAll(s);
    auto db = Written(s);
    EXPECT_EQ(db.Tables().at(kprC_RetainedDofs::TypeId()).rows.size(), 3u);
    auto sb = cls_ReadVisitor(db).ReadRoot<kprC_SubstructureGenerateStep>("step");
    EXPECT_EQ(sb->RetainedDofs(), s.RetainedDofs());
    EXPECT_EQ(sb->RetainedDofs().at(1).region().modelSpace(), rgnC_TWO_D);
    EXPECT_EQ(sb->EliminatedDofs(), s.EliminatedDofs());
    EXPECT_EQ(sb->RetainedEigenmodes(), (cow_List<int>{1, 2, 5}));
    EXPECT_EQ(sb->TimePeriod(), 2.0);
    std::unique_ptr<kprC_SubstructureGenerateStep> copy(s.Copy());
    auto list = copy->retainedDofsList();
    list.pop_back();
    copy->retainedDofsList(list);
    EXPECT_EQ(s.RetainedDofs().size(), 2u);
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
char const* const AMS_MASS = "The AMS eigensolver must normalize eigenvectors by mass.";
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

StepChange Solve(Solver solver) {
    return [solver](Step& s) { s.matrixSolver(solver); };
}
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
        {F, On<FS>([](auto& s) { s.residualModeRegion({"Set-A", ""}), s.residualModeDof({0, 2}); }),
         "Degrees-of-freedom must be greater than zero."},
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
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0, 0.0}); }),
         "Frequency interval boundaries must be greater than zero."},
        {F, On<FS>([](auto& s) { s.numberInterval(3), s.intervalBoundaries({0.0}); }), BOUNDARY_COUNT},
        {F, On<FS>([](auto& s) { s.intervalBias(2.0); }), ""},  // bias alone: no boundaries given
        // Subspace: the Lanczos settings are ignored.
        {F, On<FS>(Subspace), ""},
        {F, On<FS>([](auto& s) { Subspace(s), s.numEigen(FS::ALL), s.vectors(0); }),
         "ALL may not be used with the subspace eigensolver."},
        {F, On<FS>([](auto& s) { Subspace(s), s.vectors(0), s.maxIterations(0); }), VECTORS},
        {F, On<FS>([](auto& s) { Subspace(s), s.maxIterations(0); }), ITERATIONS},
        {F, On<FS>([](auto& s) { Subspace(s), s.blockSize(0); }), ""},
        // AMS.
        {F, On<FS>(Ams), ""},
        {F, On<FS>([](auto& s) { s.eigensolver(Eigensolver::AMS), s.maxEigen(UNSET); }), AMS_MASS},
        {F, On<FS>([](auto& s) { Ams(s), s.maxEigen(UNSET); }), AMS_MAX},
        {F, On<FS>([](auto& s) { Ams(s), s.maxEigen(UNSET), s.residualModes(true); }), AMS_MAX},
        {F, On<FS>([](auto& s) { Ams(s), s.residualModes(true); }),
         "When using the residual mode option with the AMS eigensolver, residual mode regions must also be "
         "specified."},
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
    for (auto const& c : Classes()) {
        if (c.eigen) continue;
        SCOPED_TRACE(c.name);
        auto step = c.make();
        c.setAll(*step);
        step->matrixSolver(Solver::DDM_ITERATIVE);
        c.setTimePeriod(*step, -1.0);
        EXPECT_EQ(RaisedMessage([&] { step->AssertValid(); }), "");
    }
}

}  // namespace perturbation_steps_test
