#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "module/klo/kloC_Module.h"
#include "module/kpr/steps/perturbation/kprC_BuckleStep.h"
#include "module/kpr/steps/perturbation/kprC_ComplexFrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_StaticLinearPerturbationStep.h"
#include "module/kpr/steps/perturbation/kprC_SubstructureGenerateStep.h"
#include "module/kpr/steps/perturbation/kprC_UsaAddedMassGenerationStep.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/nex/nex_Exception.h"

namespace {

using Step = kprC_AnalysisStep;
using Mutation = std::function<void(Step&)>;
using Solver = kprC_Step::MatrixSolverEnm;
using Eigensolver = kprC_Step::EigensolverEnm;
using Nlgeom = kprC_Step::NlgeomEnm;
using Response = kprC_Step::ResponseEnm;
using Fields = std::vector<std::pair<std::string, dbs_Value>>;

constexpr double UNSET = 1.7976931348623157e308;
constexpr int UNSET_INT = 2147483647;

// A mutation written against the concrete class.
template <class C>
Mutation On(std::function<void(C&)> f) {
    return [f](Step& s) { f(dynamic_cast<C&>(s)); };
}

dbs_EnumString Enum(char const* text) { return {text}; }

// The message of the first rule the step breaks, or "" when it passes.
std::string Refusal(kprC_Step const& step) {
    try {
        step.AssertValid();
        return "";
    } catch (nex_TextException const& e) {
        return e.Message();
    }
}

rgnC_Region Region(char const* name, int count, int space = rgnC_THREE_D) { return rgnC_Region({name}, count, space); }

struct StepClass {
    char const* name;
    std::function<std::unique_ptr<Step>()> make;
    std::uint32_t typeId;
    int version;
    unsigned mask;
    Fields defaults;                       // own stored attributes, in stored order
    std::vector<std::string> schemaOrder;  // the registered (schema) order
    Solver solver;                         // the constructor's matrix solver
    Mutation setAll;                       // every own attribute away from its default
    std::function<void(Step&, double)> setTimePeriod;
};

template <class C>
std::function<std::unique_ptr<Step>()> Maker() {
    return [] { return std::make_unique<C>(); };
}

std::vector<std::string> Names(Fields const& fields) {
    std::vector<std::string> names;
    for (auto const& f : fields) names.push_back(f.first);
    return names;
}

std::vector<StepClass> const& Classes() {
    static std::vector<StepClass> const classes = [] {
        std::vector<StepClass> c;
        Fields frequency = {
            {"numEigen", UNSET_INT},
            {"maxEigen", UNSET},
            {"shift", UNSET},
            {"vectors", 0},
            {"maxIterations", 30},
            {"residualModes", false},
            {"eigensolver", Enum("LANCZOS")},
            {"minEigen", UNSET},
            {"blockSize", UNSET_INT},
            {"maxBlocks", UNSET_INT},
            {"timePeriod", 0.0},
            {"normalization", Enum("DISPLACEMENT")},
            {"propertyEvaluationFrequency", UNSET},
            {"acousticCoupling", true},
            {"numberInterval", 1},
            {"intervalBias", 1.0},
            {"intervalBoundaries", std::vector<double>{}},
            {"limitSavedEigenvectorRegion", dbs_Value()},  // a region row, checked apart
            {"residualModeRegion", std::vector<std::string>{}},
            {"residualModeDof", std::vector<std::int64_t>{}},
            {"substructureCutoffMultiplier", 5.0},
            {"firstCutoffMultiplier", 1.6},
            {"secondCutoffMultiplier", 1.3},
        };
        auto frequencySchema = Names(frequency);
        frequencySchema.erase(frequencySchema.begin() + 5);
        frequencySchema.insert(frequencySchema.begin(), "residualModes");
        c.push_back({"Frequency", Maker<kprC_FrequencyStep>(), 0x023C006A, 881, 7, frequency, frequencySchema,
                     Solver::DIRECT_SYMMETRIC, On<kprC_FrequencyStep>([](auto& s) {
                         s.numEigen(12), s.maxEigen(250.0), s.shift(3.5), s.vectors(20), s.maxIterations(45);
                         s.residualModes(true), s.eigensolver(Eigensolver::AMS), s.minEigen(1.0), s.blockSize(7);
                         s.maxBlocks(9), s.timePeriod(2.5), s.normalization(kprC_FrequencyStep::NormalizationEnm::MASS);
                         s.propertyEvaluationFrequency(4.0), s.acousticCoupling(false), s.numberInterval(3);
                         s.intervalBias(2.0), s.intervalBoundaries({10.0, 20.0});
                         s.limitSavedEigenvectorRegion(Region("Set-Save", 4));
                         s.residualModeRegion({"Set-A", "Set-B"}), s.residualModeDof({1, 3});
                         s.substructureCutoffMultiplier(6.0), s.firstCutoffMultiplier(2.0), s.secondCutoffMultiplier(1.5);
                     }),
                     [](Step& s, double t) { dynamic_cast<kprC_FrequencyStep&>(s).timePeriod(t); }});
        Fields buckle = {
            {"numEigen", 0},        {"maxEigen", UNSET},       {"vectors", 0},
            {"maxIterations", 30},  {"eigensolver", Enum("SUBSPACE")}, {"minEigen", UNSET},
            {"blockSize", UNSET_INT}, {"maxBlocks", UNSET_INT}, {"timePeriod", 0.0},
        };
        c.push_back({"Buckle", Maker<kprC_BuckleStep>(), 0x023C0066, 831, 7, buckle, Names(buckle),
                     Solver::DIRECT_SYMMETRIC, On<kprC_BuckleStep>([](auto& s) {
                         s.numEigen(4), s.maxEigen(80.0), s.vectors(12), s.maxIterations(50);
                         s.eigensolver(Eigensolver::LANCZOS), s.minEigen(2.0), s.blockSize(3), s.maxBlocks(6);
                         s.timePeriod(1.5);
                     }),
                     [](Step& s, double t) { dynamic_cast<kprC_BuckleStep&>(s).timePeriod(t); }});
        Fields complex = {
            {"numEigen", UNSET_INT}, {"shift", 0.0},   {"timePeriod", 0.0},
            {"frictionDamping", false}, {"minEigen", UNSET}, {"maxEigen", 1.0e18},
            {"propertyEvaluationFrequency", UNSET},
        };
        c.push_back({"ComplexFrequency", Maker<kprC_ComplexFrequencyStep>(), 0x023C007D, 881, 7, complex,
                     Names(complex), Solver::DIRECT_UNSYMMETRIC, On<kprC_ComplexFrequencyStep>([](auto& s) {
                         s.numEigen(8), s.shift(2.0), s.timePeriod(3.0), s.frictionDamping(true), s.minEigen(0.5);
                         s.maxEigen(900.0), s.propertyEvaluationFrequency(60.0);
                     }),
                     [](Step& s, double t) { dynamic_cast<kprC_ComplexFrequencyStep&>(s).timePeriod(t); }});
        Fields linear = {{"timePeriod", 0.0}};
        c.push_back({"StaticLinearPerturbation", Maker<kprC_StaticLinearPerturbationStep>(), 0x023C0075, 831, 7,
                     linear, Names(linear), Solver::SOLVER_DEFAULT,
                     On<kprC_StaticLinearPerturbationStep>([](auto& s) { s.timePeriod(4.0); }),
                     [](Step& s, double t) { dynamic_cast<kprC_StaticLinearPerturbationStep&>(s).timePeriod(t); }});
        Fields substructure = {
            {"timePeriod", 1.0},
            {"retainedDofsList", dbs_List{}},
            {"eliminatedDofsList", dbs_List{}},
            {"retainedEigenmodes", std::vector<std::int64_t>{}},
        };
        c.push_back({"SubstructureGenerate", Maker<kprC_SubstructureGenerateStep>(), 0x023C007C, 831, 4,
                     substructure, Names(substructure), Solver::SOLVER_DEFAULT,
                     On<kprC_SubstructureGenerateStep>([](auto& s) {
                         s.timePeriod(2.0);
                         s.retainedDofsList({kprC_RetainedDofs(Region("Set-R", 3), {1, 2, 3}),
                                             kprC_RetainedDofs(Region("Surf-S", 1, rgnC_TWO_D), {6})});
                         s.eliminatedDofsList({kprC_RetainedDofs(Region("Set-E", 2), {4})});
                         s.retainedEigenmodes({1, 2, 5});
                     }),
                     [](Step& s, double t) { dynamic_cast<kprC_SubstructureGenerateStep&>(s).timePeriod(t); }});
        Fields usa = {{"nlgeom", Enum("OFF")}, {"timePeriod", 0.0}};
        c.push_back({"UsaAddedMassGeneration", Maker<kprC_UsaAddedMassGenerationStep>(), 0x023C0079, 831, 7, usa,
                     Names(usa), Solver::SOLVER_DEFAULT,
                     On<kprC_UsaAddedMassGenerationStep>([](auto& s) { s.nlgeom(Nlgeom::ON), s.timePeriod(5.0); }),
                     [](Step& s, double t) { dynamic_cast<kprC_UsaAddedMassGenerationStep&>(s).timePeriod(t); }});
        return c;
    }();
    return classes;
}

// Base attributes away from their defaults too, so that a round trip shows every level.
void SetBase(Step& s) {
    s.description("perturbation");
    s.solverInput("*NODE PRINT");
    s.stepId(5);
    s.matrixSolver(Solver::SOLVER_DEFAULT == s.matrixSolver() ? Solver::DIRECT_SYMMETRIC : Solver::SOLVER_DEFAULT);
    s.convertSDI(kprC_Step::ConvertSDIEnm::CONVERT_SDI_ON);
}

dbs_Database Written(kprC_Step const& step) {
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("step", step);
    return db;
}

dbs_Value const& Field(dbs_Database const& db, std::uint32_t typeId, std::string const& name) {
    auto const& table = db.Tables().at(typeId);
    auto pos = table.Find(name);
    EXPECT_TRUE(pos) << name;
    return table.rows.at(0).fields.at(pos.value_or(0));
}

class PerturbationSteps : public ::testing::Test {
protected:
    void SetUp() override { kloC_initialize(modules); }
    void TearDown() override { kloC_finalize(modules); }
    int modules = 0;
};

TEST_F(PerturbationSteps, DefaultsAreTheInitialValues) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        EXPECT_EQ(step->matrixSolver(), c.solver);
        EXPECT_EQ(step->convertSDI(), kprC_Step::ConvertSDIEnm::PROPAGATED);
        EXPECT_FALSE(step->restart() || step->controls() || step->linearCtrl());
        EXPECT_EQ(step->stepId(), 0u);
        auto db = Written(*step);
        for (auto const& [name, value] : c.defaults) {
            if (!value.IsUndefined()) { EXPECT_EQ(Field(db, c.typeId, name), value) << name; }
        }
    }
    kprC_FrequencyStep f;
    EXPECT_TRUE(f.limitSavedEigenvectorRegion().IsEmpty());
    EXPECT_EQ(f.numEigen(), kprC_FrequencyStep::ALL);
    EXPECT_EQ(kprC_ComplexFrequencyStep().numEigen(), kprC_ComplexFrequencyStep::ALL);
    kprC_SubstructureGenerateStep s;
    EXPECT_TRUE(s.RetainedDofs().empty() && s.EliminatedDofs().empty() && s.RetainedEigenmodes().empty());
}

TEST_F(PerturbationSteps, VirtualAnswersFollowTheClassificationTable) {
    struct Answers {
        bool loadCases, nonmechanical, perturbation;
        Nlgeom nlgeom;
        double timePeriod;
    };
    std::vector<Answers> const expected = {
        {false, false, true, Nlgeom::NOT_AVAILABLE, 0.0},  // frequency
        {false, false, true, Nlgeom::NOT_AVAILABLE, 0.0},  // buckle
        {false, false, true, Nlgeom::NOT_AVAILABLE, 0.0},  // complex frequency
        {true, false, true, Nlgeom::NOT_AVAILABLE, 0.0},   // static linear perturbation
        {false, true, false, Nlgeom::NOT_AVAILABLE, 1.0},  // substructure generation
        {false, false, false, Nlgeom::OFF, 0.0},           // added mass generation: its own nlgeom
    };
    for (std::size_t i = 0; i < Classes().size(); ++i) {
        auto const& c = Classes()[i];
        auto const& e = expected[i];
        SCOPED_TRACE(c.name);
        auto step = c.make();
        EXPECT_EQ(step->ProcedureType(), c.typeId);
        EXPECT_EQ(step->DynTypeId(), c.typeId);
        EXPECT_FALSE(step->IsAdiabatic());
        EXPECT_EQ(step->AllowLoadCases(), e.loadCases);
        EXPECT_FALSE(step->AllowAdaptiveMeshDomains());
        EXPECT_EQ(step->Nonmechanical(), e.nonmechanical);
        EXPECT_FALSE(step->Explicit());
        EXPECT_EQ(step->Response(), Response::NOT_APPLICABLE);
        EXPECT_EQ(step->Nlgeom(), e.nlgeom);
        EXPECT_EQ(step->Perturbation(), e.perturbation);
        EXPECT_EQ(step->Perturbation(), kprC_Step::Perturbation(c.typeId));
        EXPECT_EQ(step->SolutionTechnique(), kprC_Step::SolutionTechniqueEnm::FULL_NEWTON);
        EXPECT_EQ(step->TimePeriod(), e.timePeriod);
        c.setTimePeriod(*step, 7.25);
        EXPECT_EQ(step->TimePeriod(), 7.25);
    }
    kprC_UsaAddedMassGenerationStep usa;
    usa.nlgeom(Nlgeom::ON);
    EXPECT_EQ(usa.Nlgeom(), Nlgeom::ON);
}

TEST_F(PerturbationSteps, ClassVersionsMasksAndSchemaOrder) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto const* md = cls_MetadataRegistrar::Find(c.typeId);
        ASSERT_TRUE(md);
        EXPECT_EQ(md->Name(), std::string("kprC_") + c.name + "Step");
        EXPECT_EQ(md->Version(), c.version);
        EXPECT_EQ(md->BaseId(), kprC_AnalysisStep::TypeId());
        std::vector<std::string> schema;
        for (auto const& a : md->Attributes()) schema.push_back(a.name);
        EXPECT_EQ(schema, c.schemaOrder);
    }
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_SubstructureGenerateStep::InitializeMetadata), 4u);
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_RetainedDofs::InitializeMetadata), 4u);
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_FrequencyStep::InitializeMetadata), 7u);
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
}

TEST_F(PerturbationSteps, RoundTripKeepsEveryAttribute) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        SetBase(*step);
        c.setAll(*step);
        auto db = Written(*step);
        for (auto const& [name, value] : c.defaults) {
            if (!value.IsUndefined()) { EXPECT_FALSE(Field(db, c.typeId, name) == value) << name << " kept its default"; }
        }
        auto back = cls_ReadVisitor(db).ReadRoot<kprC_Step>("step");
        ASSERT_TRUE(back);
        EXPECT_EQ(back->DynTypeId(), c.typeId);
        EXPECT_EQ(back->description(), "perturbation");
        EXPECT_TRUE(Written(*back) == db);
    }
}

TEST_F(PerturbationSteps, RoundTripOfRegionsAndRetainedDofs) {
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
}

TEST_F(PerturbationSteps, ReadingFollowsTheDeclarationOrderAndRefusesUnknownStrings) {
    kprC_FrequencyStep f;
    auto db = Written(f);
    auto& table = db.Tables().at(kprC_FrequencyStep::TypeId());
    auto set = [&](char const* name, dbs_Value v) { table.rows[0].fields[*table.Find(name)] = std::move(v); };
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

TEST_F(PerturbationSteps, CopiesAreIndependent) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        c.setAll(*step);
        std::unique_ptr<kprC_Step> copy(step->Copy());
        EXPECT_EQ(copy->DynTypeId(), c.typeId);
        EXPECT_TRUE(Written(*copy) == Written(*step));
        copy->description("changed");
        EXPECT_EQ(step->description(), "");
    }
    kprC_SubstructureGenerateStep s;
    Classes()[4].setAll(s);
    std::unique_ptr<kprC_SubstructureGenerateStep> copy(s.Copy());
    auto list = copy->retainedDofsList();
    list.pop_back();
    copy->retainedDofsList(list);
    EXPECT_EQ(s.RetainedDofs().size(), 2u);
}

TEST(PerturbationStepsVectors, VectorsDefIsTheSmallerOfTwiceAndEightMore) {
    for (auto [n, v] : std::vector<std::pair<int, int>>{{1, 2}, {3, 6}, {8, 16}, {9, 17}, {20, 28}}) {
        EXPECT_EQ(kprC_FrequencyStep::VectorsDef(n), v) << n;
        EXPECT_EQ(kprC_BuckleStep::VectorsDef(n), v) << n;
    }
}

struct RuleCase {
    std::function<std::unique_ptr<Step>()> make;  // a valid step
    Mutation mutate;
    std::string message;  // "" when the step must pass
};

std::unique_ptr<Step> ValidFrequency() {
    auto s = std::make_unique<kprC_FrequencyStep>();
    s->maxEigen(100.0);
    return s;
}
std::unique_ptr<Step> ValidBuckle() {
    auto s = std::make_unique<kprC_BuckleStep>();
    s->numEigen(5), s->vectors(kprC_BuckleStep::VectorsDef(5));
    return s;
}
std::unique_ptr<Step> ValidComplex() { return std::make_unique<kprC_ComplexFrequencyStep>(); }

Mutation F(std::function<void(kprC_FrequencyStep&)> f) { return On<kprC_FrequencyStep>(std::move(f)); }
Mutation B(std::function<void(kprC_BuckleStep&)> f) { return On<kprC_BuckleStep>(std::move(f)); }
Mutation C(std::function<void(kprC_ComplexFrequencyStep&)> f) { return On<kprC_ComplexFrequencyStep>(std::move(f)); }
Mutation solve(Solver solver) {
    return [solver](Step& s) { s.matrixSolver(solver); };
}

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

auto const Subspace = [](kprC_FrequencyStep& s) { s.eigensolver(Eigensolver::SUBSPACE), s.numEigen(5), s.vectors(10); };
auto const Ams = [](kprC_FrequencyStep& s) {
    s.eigensolver(Eigensolver::AMS), s.normalization(kprC_FrequencyStep::NormalizationEnm::MASS);
};

std::vector<RuleCase> const& RuleCases() {
    static std::vector<RuleCase> const cases = {
        // Frequency, rules in order: each rule broken alone, then with the rule after it,
        // where the earlier one must win.
        {ValidFrequency, {}, ""},
        {ValidFrequency, F([](auto& s) { s.maxEigen(0.0), s.numEigen(0); }), MAX_EIGEN},
        {ValidFrequency, F([](auto& s) { s.maxEigen(-5.0); }), MAX_EIGEN},
        {ValidFrequency, F([](auto& s) { s.numEigen(0); }), NUM_EIGEN},
        {ValidFrequency, F([](auto& s) { s.numEigen(0), s.matrixSolver(Solver::DIRECT_UNSYMMETRIC); }), NUM_EIGEN},
        {ValidFrequency, solve(Solver::DIRECT_UNSYMMETRIC), SOLVER},
        {ValidFrequency, solve(Solver::DDM_ITERATIVE), SOLVER},
        {ValidFrequency, solve(Solver::SOLVER_DEFAULT), ""},
        {ValidFrequency,
         F([](auto& s) { s.matrixSolver(Solver::DIRECT_UNSYMMETRIC), s.propertyEvaluationFrequency(0.0); }), SOLVER},
        {ValidFrequency, F([](auto& s) { s.propertyEvaluationFrequency(0.0); }), PROPERTY},
        {ValidFrequency, F([](auto& s) { s.propertyEvaluationFrequency(0.0), s.secondCutoffMultiplier(1.0); }),
         PROPERTY},
        {ValidFrequency, F([](auto& s) { s.propertyEvaluationFrequency(0.5); }), ""},
        {ValidFrequency, F([](auto& s) { s.secondCutoffMultiplier(1.0); }), SECOND_ABOVE_ONE},
        {ValidFrequency, F([](auto& s) { s.secondCutoffMultiplier(1.0), s.firstCutoffMultiplier(5.5); }),
         SECOND_ABOVE_ONE},
        {ValidFrequency, F([](auto& s) { s.firstCutoffMultiplier(5.5); }), FIRST_LE_SUBSTRUCTURE},
        {ValidFrequency, F([](auto& s) { s.firstCutoffMultiplier(5.5), s.secondCutoffMultiplier(5.8); }),
         FIRST_LE_SUBSTRUCTURE},
        {ValidFrequency, F([](auto& s) { s.firstCutoffMultiplier(5.0); }), ""},
        {ValidFrequency, F([](auto& s) { s.secondCutoffMultiplier(1.7); }), SECOND_LE_FIRST},
        {ValidFrequency, F([](auto& s) { s.secondCutoffMultiplier(1.7), s.residualModeRegion({"Set-A"}); }),
         SECOND_LE_FIRST},
        {ValidFrequency, F([](auto& s) { s.secondCutoffMultiplier(1.6); }), ""},
        {ValidFrequency, F([](auto& s) { s.residualModeRegion({"Set-A"}); }), RESIDUAL_COUNT},
        {ValidFrequency, F([](auto& s) { s.residualModeRegion({"Set-A"}), s.maxEigen(UNSET); }), RESIDUAL_COUNT},
        {ValidFrequency, F([](auto& s) { s.residualModeRegion({"Set-A", ""}), s.residualModeDof({1, 2}); }),
         REGION_EMPTY},
        {ValidFrequency, F([](auto& s) { s.residualModeRegion({""}), s.residualModeDof({0}); }), REGION_EMPTY},
        {ValidFrequency, F([](auto& s) { s.residualModeRegion({"Set-A", ""}), s.residualModeDof({0, 2}); }),
         "Degrees-of-freedom must be greater than zero."},
        {ValidFrequency, F([](auto& s) { s.residualModeRegion({"Set-A", "Set-B"}), s.residualModeDof({1, 2}); }), ""},
        // Lanczos.
        {ValidFrequency, F([](auto& s) { s.maxEigen(UNSET), s.blockSize(0); }), ALL_NEEDS_MAX},
        {ValidFrequency, F([](auto& s) { s.maxEigen(UNSET), s.numEigen(10); }), ""},
        {ValidFrequency, F([](auto& s) { s.blockSize(0), s.maxBlocks(0); }), BLOCK_SIZE},
        {ValidFrequency, F([](auto& s) { s.maxBlocks(0); }), MAX_BLOCKS},
        {ValidFrequency, F([](auto& s) { s.maxBlocks(0), s.numberInterval(0); }), MAX_BLOCKS},
        {ValidFrequency, F([](auto& s) { s.numberInterval(0); }), INTERVALS},
        {ValidFrequency, F([](auto& s) { s.numberInterval(0), s.intervalBoundaries({10.0}), s.intervalBias(2.0); }),
         INTERVALS},
        {ValidFrequency, F([](auto& s) { s.numberInterval(0), s.intervalBoundaries({10.0}); }), INTERVALS},
        {ValidFrequency, F([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0, 20.0}); }), ""},
        {ValidFrequency, F([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0}); }), BOUNDARY_COUNT},
        {ValidFrequency,
         F([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0, 20.0}), s.intervalBias(2.0); }), BIAS},
        {ValidFrequency, F([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0}), s.intervalBias(2.0); }),
         BIAS},
        {ValidFrequency, F([](auto& s) { s.numberInterval(3), s.intervalBoundaries({10.0, 0.0}); }),
         "Frequency interval boundaries must be greater than zero."},
        {ValidFrequency, F([](auto& s) { s.numberInterval(3), s.intervalBoundaries({0.0}); }), BOUNDARY_COUNT},
        {ValidFrequency, F([](auto& s) { s.intervalBias(2.0); }), ""},  // bias alone: no boundaries given
        // Subspace.
        {ValidFrequency, F(Subspace), ""},
        {ValidFrequency, F([](auto& s) { Subspace(s), s.numEigen(kprC_FrequencyStep::ALL), s.vectors(0); }),
         "ALL may not be used with the subspace eigensolver."},
        {ValidFrequency, F([](auto& s) { Subspace(s), s.vectors(0), s.maxIterations(0); }), VECTORS},
        {ValidFrequency, F([](auto& s) { Subspace(s), s.maxIterations(0); }), ITERATIONS},
        {ValidFrequency, F([](auto& s) { Subspace(s), s.blockSize(0); }), ""},  // Lanczos settings ignored
        // AMS.
        {ValidFrequency, F(Ams), ""},
        {ValidFrequency, F([](auto& s) { s.eigensolver(Eigensolver::AMS), s.maxEigen(UNSET); }), AMS_MASS},
        {ValidFrequency, F([](auto& s) { Ams(s), s.maxEigen(UNSET); }), AMS_MAX},
        {ValidFrequency, F([](auto& s) { Ams(s), s.maxEigen(UNSET), s.residualModes(true); }), AMS_MAX},
        {ValidFrequency, F([](auto& s) { Ams(s), s.residualModes(true); }),
         "When using the residual mode option with the AMS eigensolver, residual mode regions must also be "
         "specified."},
        {ValidFrequency,
         F([](auto& s) { Ams(s), s.residualModes(true), s.residualModeRegion({"Set-A"}), s.residualModeDof({1}); }),
         ""},
        {ValidFrequency, F([](auto& s) { s.eigensolver(static_cast<Eigensolver>(3)); }), NOT_SELECTED},

        // Buckle.
        {ValidBuckle, {}, ""},
        {ValidBuckle, B([](auto& s) { s.maxEigen(0.0), s.numEigen(0); }), MAX_EIGEN},
        {ValidBuckle, B([](auto& s) { s.maxEigen(0.0); }), MAX_EIGEN},
        {ValidBuckle, B([](auto& s) { s.numEigen(0); }), NUM_EIGEN},
        {ValidBuckle, B([](auto& s) { s.numEigen(0), s.matrixSolver(Solver::DIRECT_UNSYMMETRIC); }), NUM_EIGEN},
        {ValidBuckle, solve(Solver::DIRECT_UNSYMMETRIC), SOLVER},
        {ValidBuckle, B([](auto& s) { s.matrixSolver(Solver::DIRECT_UNSYMMETRIC), s.vectors(0); }), SOLVER},
        {ValidBuckle, solve(Solver::SOLVER_DEFAULT), ""},
        {ValidBuckle, B([](auto& s) { s.vectors(0), s.maxIterations(0); }), VECTORS},
        {ValidBuckle, B([](auto& s) { s.maxIterations(0); }), ITERATIONS},
        {ValidBuckle, B([](auto& s) { s.eigensolver(Eigensolver::LANCZOS), s.vectors(0); }), ""},
        {ValidBuckle, B([](auto& s) { s.eigensolver(Eigensolver::LANCZOS), s.blockSize(0), s.maxBlocks(0); }),
         BLOCK_SIZE},
        {ValidBuckle, B([](auto& s) { s.eigensolver(Eigensolver::LANCZOS), s.maxBlocks(0); }), MAX_BLOCKS},
        {ValidBuckle, B([](auto& s) { s.eigensolver(Eigensolver::AMS); }), NOT_SELECTED},
        {ValidBuckle, B([](auto& s) { s.eigensolver(static_cast<Eigensolver>(7)); }), NOT_SELECTED},

        // Complex frequency.
        {ValidComplex, {}, ""},
        {ValidComplex, C([](auto& s) { s.maxEigen(0.0), s.numEigen(0); }), MAX_EIGEN},
        {ValidComplex, C([](auto& s) { s.maxEigen(0.0); }), MAX_EIGEN},
        {ValidComplex, C([](auto& s) { s.numEigen(0); }), NUM_EIGEN},
        {ValidComplex, C([](auto& s) { s.numEigen(0), s.matrixSolver(Solver::DDM_ITERATIVE); }), NUM_EIGEN},
        {ValidComplex, solve(Solver::DDM_ITERATIVE), SOLVER},
        {ValidComplex, C([](auto& s) { s.matrixSolver(Solver::DDM_ITERATIVE), s.propertyEvaluationFrequency(0.0); }),
         SOLVER},
        {ValidComplex, solve(Solver::SYMMETRIC), ""},
        {ValidComplex, C([](auto& s) { s.propertyEvaluationFrequency(0.0); }), COMPLEX_PROPERTY},
        {ValidComplex, C([](auto& s) { s.propertyEvaluationFrequency(-1.0); }), COMPLEX_PROPERTY},
        {ValidComplex, C([](auto& s) { s.propertyEvaluationFrequency(10.0); }), ""},
    };
    return cases;
}

TEST_F(PerturbationSteps, EigenvalueRulesInOrderWithTheirMessages) {
    for (std::size_t i = 0; i < RuleCases().size(); ++i) {
        auto const& rc = RuleCases()[i];
        auto step = rc.make();
        if (rc.mutate) rc.mutate(*step);
        // An eigensolver outside the enumeration cannot be stored; such a step is only validated.
        std::optional<dbs_Database> before;
        try {
            before = Written(*step);
        } catch (omu_ValueErrorException const&) {
        }
        EXPECT_EQ(Refusal(*step), rc.message) << "case " << i;
        if (before) { EXPECT_TRUE(Written(*step) == *before) << "case " << i; }
    }
}

TEST_F(PerturbationSteps, InitialStatesOfTheEigenvalueSteps) {
    // Lanczos with ALL and no maximum frequency, until the caller sets one.
    EXPECT_EQ(Refusal(kprC_FrequencyStep()), ALL_NEEDS_MAX);
    // No eigenvalues, then no subspace vectors, until the caller sets them.
    kprC_BuckleStep buckle;
    EXPECT_EQ(Refusal(buckle), NUM_EIGEN);
    buckle.numEigen(3);
    EXPECT_EQ(Refusal(buckle), VECTORS);
    buckle.vectors(kprC_BuckleStep::VectorsDef(3));
    EXPECT_EQ(Refusal(buckle), "");
    EXPECT_EQ(Refusal(kprC_ComplexFrequencyStep()), "");
}

TEST_F(PerturbationSteps, GenerationAndLinearPerturbationStepsAcceptEveryState) {
    for (auto const& c : Classes()) {
        auto step = c.make();
        if (step->DynTypeId() == kprC_FrequencyStep::TypeId() || step->DynTypeId() == kprC_BuckleStep::TypeId() ||
            step->DynTypeId() == kprC_ComplexFrequencyStep::TypeId())
            continue;
        SCOPED_TRACE(c.name);
        c.setAll(*step);
        step->matrixSolver(Solver::DDM_ITERATIVE);
        c.setTimePeriod(*step, -1.0);
        EXPECT_EQ(Refusal(*step), "");
    }
}

std::string S(std::string_view v) { return std::string(v); }

TEST(PerturbationStepsNames, ScriptingNames) {
    EXPECT_EQ(S(kprC_FrequencyStep::constructorCmd()), "FrequencyStep");
    EXPECT_EQ(S(kprC_BuckleStep::constructorCmd()), "BuckleStep");
    EXPECT_EQ(S(kprC_ComplexFrequencyStep::constructorCmd()), "ComplexFrequencyStep");
    EXPECT_EQ(S(kprC_StaticLinearPerturbationStep::constructorCmd()), "StaticLinearPerturbationStep");
    EXPECT_EQ(S(kprC_StaticLinearPerturbationStep::staticLinearPerturbationStepCmd()), "staticLinearPerturbationStep");
    EXPECT_EQ(S(kprC_UsaAddedMassGenerationStep::constructorCmd()), "UsaAddedMassGenerationStep");
    EXPECT_EQ(S(kprC_FrequencyStep::limitSavedEigenvectorRegionCmd()), "limitSavedEigenvectorRegion");
    EXPECT_EQ(S(kprC_FrequencyStep::propertyEvaluationFrequencyCmd()), "propertyEvaluationFrequency");
    EXPECT_EQ(S(kprC_ComplexFrequencyStep::frictionDampingCmd()), "frictionDamping");
    EXPECT_EQ(S(kprC_UsaAddedMassGenerationStep::nlgeomCmd()), "nlgeom");
}

}  // namespace
