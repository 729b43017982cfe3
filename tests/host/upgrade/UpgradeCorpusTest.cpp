// Models stored by older releases, one per stored version of every retired procedure
// class, opened through the model file path: converted, read, validated and compared
// attribute by attribute with the expected step (read back from an image of the opened
// model); the old file's bytes stay as they were.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <filesystem>

#include "host/hst_ModelFile.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/upgrade/kprC_RetiredProcedures.h"
#include "platform/cls/cls_Script.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "store/sto_ModelFile.h"
#include "store/sto_ValueText.h"
#include "support/tst_Files.h"
#include "support/tst_OldModels.h"
#include "support/tst_Step.h"

namespace upgrade_corpus {
namespace {
namespace fs = std::filesystem;
using Values = std::map<std::string, dbs_Value>;
using Tables = std::vector<tst_OldTable>;

constexpr std::uint32_t STATIC_P = kprC_Static_TypeId, FREQ = kprC_Frequency_TypeId;

dbs_EnumString E(char const* s) { return {s}; }
Values operator+(Values a, Values const& b) {
    for (auto const& [name, value] : b) a.insert_or_assign(name, value);
    return a;
}

// A 203 history: the Initial step and one analysis step per entry of `stepProcedure`, each
// naming that row of the procedure table; every procedure row has its stored bases, with
// `solver` (none: the steps keep their default matrix solver).
Tables History(std::uint32_t procedure, int version, std::vector<tst_OldRow> procedures,
               std::vector<std::int64_t> const& stepProcedure, char const* solver = "") {
    tst_OldTable ddb{kprC_DdbStep_TypeId, 203, {{-1, {{"description", "initial"}}}}};
    tst_OldTable analysis{kprC_DdbAnalysisStep_TypeId, 203, {}};
    dbs_Map steps{{dbs_Value("Initial"), dbs_Value(dbs_Ref{kprC_DdbInitialStep_TypeId, 0})}};
    dbs_List order{dbs_Value("Initial")};
    for (std::size_t i = 0; i < stepProcedure.size(); ++i) {
        std::string const name = "Step-" + std::to_string(i + 1);
        ddb.rows.push_back({-1, {{"description", name}}});
        analysis.rows.push_back({std::int64_t(i) + 1, {{"procedure", dbs_Ref{procedure, stepProcedure[i]}}}});
        steps.emplace_back(dbs_Value(name), dbs_Value(dbs_Ref{kprC_DdbAnalysisStep_TypeId, std::int64_t(i)}));
        order.emplace_back(name);
    }
    auto const baseId = kprC_FindRetiredClass(procedure)->baseId;
    tst_OldTable middle{baseId, 203, {}}, base{kprC_Procedure_TypeId, 203, {}};
    for (std::size_t i = 0; i < procedures.size(); ++i) {
        procedures[i].base = std::int64_t(i);
        middle.rows.push_back({std::int64_t(i), {}});
        base.rows.push_back({-1, {{"solver", solver}}});
    }
    Tables t = {ddb, {kprC_DdbInitialStep_TypeId, 203, {{0, {}}}}, analysis, {procedure, version, procedures}};
    if (baseId != kprC_Procedure_TypeId) t.push_back(middle);  // else the procedure's rows are the bases
    t.push_back(base);
    t.push_back({kprC_StepContainer_TypeId, 203, {{-1, {{"steps", steps}, {"stepsorder", order}}}}});
    return t;
}

// A new step of the class, for the attributes a case does not name.
dbs_Table NewStep(std::uint32_t id) {
    std::unique_ptr<cls_Persistent> const step(cls_ScriptRegistry::Find(id)->create());
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("step", *step);
    return db.Tables().at(id);
}

class UpgradeCorpus : public tst_LibraryTest {
protected:
    void TearDown() override {
        fs::remove(path_);
        tst_LibraryTest::TearDown();
    }
    // Writes the corpus file; the file's bytes, which no open may change.
    std::string Write(dbs_Database const& db) {
        sto_ModelFile::Save(db, path_);
        return tst_ReadFile(path_);
    }
    std::string const path_ = (fs::temp_directory_path() / ("upgrade-corpus-" + std::to_string(::getpid()))).string();
};

// Stored values shared by the procedures with increments, and what they read as.
Values const INCREMENTS_IN = {{"incrementation", E("FIXED")}, {"numInc", 50},          {"initialIncrement", 0.1},
                              {"minIncrement", 1e-5},         {"maxIncrement", 0.5},  {"loadAmplitude", E("RAMP")},
                              {"extrapolate", E("PARABOLIC")}};
Values const INCREMENTS_OUT = {{"timeIncrementationMethod", E("FIXED")}, {"maxNumInc", 50}, {"initialInc", 0.1},
                               {"minInc", 1e-5},  {"maxInc", 0.5}, {"amplitude", E("RAMP")},
                               {"extrapolation", E("PARABOLIC")}};
Values const CONTACT_447 = {{"contactSolutions", 2}, {"contactIterations", 40}, {"applyContactIterations", true}};
Values const CONTACT_OUT = {{"contactSolutions", 2.0}, {"contactIterations", 40}, {"applyContactIterations", true}};
Values const EXPLICIT_IN = {{"incrementation", E("FIXED_USER_DEFINED_INC")}, {"fixedIncrement", 0.001},
                            {"scalingFactor", 0.9}, {"linearBulk", 0.07}, {"quadBulk", 1.3}, {"timePeriod", 2.0}};
Values const EXPLICIT_OUT = {{"timeIncrementationMethod", E("FIXED_USER_DEFINED_INC")}, {"userDefinedInc", 0.001},
                             {"scaleFactor", 0.9}, {"linearBulkViscosity", 0.07}, {"quadBulkViscosity", 1.3},
                             {"timePeriod", 2.0}};
Values const DISSIPATED = {{"stabilizationMagnitude", 0.05}, {"stabilizationMethod", E("DISSIPATED_ENERGY_FRACTION")}};
Values const DAMPING_IN = {{"stabilizationMagnitude", 0.3}, {"stabilizationMethod", E("DAMPING_FACTOR")}};
Values const THERMAL_IN = INCREMENTS_IN + Values{{"endSteadyState", 0.5}, {"deltmx", 2.0}, {"response", E("STEADY_STATE")}};
Values const THERMAL_OUT = INCREMENTS_OUT + Values{{"end", 0.5}, {"deltmx", 2.0}, {"response", E("STEADY_STATE")}};
Values const SINGLE_REGION = {{"names", dbs_List{dbs_Value("Tip")}}, {"entityCount", 1}};

// What each class's check asks of every step: stored, read, and the stored objects named.
struct Minimal {
    Values stored, expected;
    Tables more = {};
};
Minimal const& MinimalOf(std::uint32_t procedure) {
    // The stored "frequency" ranges are the step's `name` today.
    auto ranged = [](std::uint32_t rangeId, char const* count, int version = 203, char const* name = "frequencyRange") {
        dbs_Value const ranges = dbs_List{dbs_Value(dbs_Ref{rangeId, 0})};
        return Minimal{{{"frequency", ranges}}, {{name, ranges}},
                       {{rangeId, version, {{-1, {{"lower", 1.0}, {"upper", 10.0}, {count, 5}}}}}}};
    };
    // Automatic incrementation asks for a tolerance as well.
    auto increments = [](Values tolerance) {
        return Minimal{Values{{"initialIncrement", 0.1}, {"minIncrement", 1e-5}, {"maxIncrement", 0.5}} + tolerance,
                       Values{{"initialInc", 0.1}, {"minInc", 1e-5}, {"maxInc", 0.5}} + tolerance};
    };
    static std::map<std::uint32_t, Minimal> const minimal = {
        {kprC_CoupledTempDisplacement_TypeId, increments({{"deltmx", 5.0}})},
        {kprC_CoupledThermalElectric_TypeId, increments({{"deltmx", 2.0}})},
        {kprC_Soils_TypeId, increments({{"utol", 0.1}})},
        {kprC_Static_TypeId, increments({})},
        {kprC_Visco_TypeId, increments({{"cetol", 0.01}})},
        {kprC_StaticRiks_TypeId, {{{"initialArcInc", 0.1}}, {{"initialArcInc", 0.1}}}},
        {kprC_Buckle_TypeId, {{{"vectors", 10}}, {{"vectors", 10}}}},
        {kprC_Frequency_TypeId, {{{"numEigen", 10}}, {{"numEigen", 10}}}},
        {kprC_SteadyStateDirect_TypeId, ranged(kprC_SteadyStateDirectFrequency_TypeId, "nPoints")},
        {kprC_SteadyStateModal_TypeId, ranged(kprC_SteadyStateModalFrequency_TypeId, "nPoints")},
        {kprC_SteadyStateSubspace_TypeId, ranged(kprC_SteadyStateSubspaceFrequency_TypeId, "nPoints", 445)},
        {kprC_RandomResponse_TypeId, ranged(kprC_RandomResponseFrequency_TypeId, "nCalcs", 203, "freq")},
    };
    static Minimal const none;
    auto it = minimal.find(procedure);
    return it == minimal.end() ? none : it->second;
}

// One stored procedure row of one version, and the step it reads as: what is `kept` under
// its name, the attributes named in `expected`, every other one as a new step of the class
// has it.
struct Case {
    std::uint32_t procedure;
    int version;
    Values kept, stored = {}, expected = {};
    char const* note = "";
    Tables more = {};  // other stored objects the row names
};

std::vector<Case> const& Corpus() {
    auto const CTD = kprC_CoupledTempDisplacement_TypeId, CTE = kprC_CoupledThermalElectric_TypeId,
               GEO = kprC_Geostatic_TypeId, SOILS = kprC_Soils_TypeId, VISCO = kprC_Visco_TypeId,
               RIKS = kprC_StaticRiks_TypeId, SSD = kprC_SteadyStateDirect_TypeId, SSM = kprC_SteadyStateModal_TypeId,
               CF = kprC_ComplexFrequency_TypeId, SG = kprC_SubstructureGenerate_TypeId,
               USA = kprC_UsaAddedMassGeneration_TypeId, RR = kprC_RandomResponse_TypeId,
               RS = kprC_ResponseSpectrum_TypeId, SLP = kprC_StaticLinearPerturbation_TypeId,
               MODAL = kprC_ModalDynamics_TypeId, BUCKLE = kprC_Buckle_TypeId, ANNEAL = kprC_Anneal_TypeId;
    Tables const region = {{rgnC_Region_TypeId, 1, {{-1, SINGLE_REGION}}}};
    dbs_Value const retained = dbs_List{dbs_Value(dbs_Ref{kprC_RetainedDofs_TypeId, 0})};
    Tables const dofs = {{kprC_RetainedDofs_TypeId, 403, {{-1, {{"dofs", std::vector<std::int64_t>{1, 2, 3}}}}}}};
    static std::vector<Case> const cases = {
        {ANNEAL, 203, {{"refTemp", 20.0}}, {}, {{"timePeriod", 0.0}}},
        {ANNEAL, 204, {{"refTemp", 20.0}, {"timePeriod", 3.0}}},
        {ANNEAL, 307, {{"timePeriod", 4.0}}},
        {BUCKLE, 203, {{"numEigen", 5}, {"vectors", 10}}, {{"iterations", 40}},
         {{"maxIterations", 40}, {"timePeriod", 0.0}}},
        {BUCKLE, 204, {{"numEigen", 6}}, {{"iterations", 41}}, {{"maxIterations", 41}}},
        {CF, 307, {{"numEigen", 8}, {"shift", 1.5}}, {}, {{"frictionDamping", false}}},
        {CF, 327, {{"numEigen", 8}, {"frictionDamping", true}}},
        {CF, 441, {{"numEigen", 8}, {"minEigen", 1.0}, {"maxEigen", 50.0}}, {},
         {{"propertyEvaluationFrequency", DBL_MAX}}},
        {CTD, 203, {{"deltmx", 5.0}, {"nlgeom", E("ON")}}, INCREMENTS_IN + Values{{"stablilizationMagnitude", 0.2}},
         INCREMENTS_OUT + Values{{"stabilizationMagnitude", 0.2},
          {"stabilizationMethod", E("DISSIPATED_ENERGY_FRACTION")}, {"creepIntegration", E("CREEP_OFF")}},
         "the misspelt magnitude is read"},
        {CTD, 203, {}, {{"stabilization", 0.05}}, DISSIPATED, "the older magnitude"},
        {CTD, 204, DAMPING_IN + Values{{"creepIntegration", E("EXPLICIT")}}},
        {CTD, 447, {{"solutionTechnique", E("SEPARATED")}, {"contactIterations", 40}}, {{"contactSolutions", 2}},
         {{"contactSolutions", 2.0}}},
        {CTD, 448, {{"contactSolutions", 3.0}}},
        {CTE, 203, {}, THERMAL_IN, THERMAL_OUT + Values{{"solutionTechnique", E("FULL_NEWTON")}}},
        {CTE, 502, {{"solutionTechnique", E("SEPARATED")}}},
        {kprC_ExplicitDynamics_TypeId, 203, {{"adiabatic", true}}, EXPLICIT_IN, EXPLICIT_OUT},
        {kprC_DynamicTempDisplacement_TypeId, 203, {}, EXPLICIT_IN, EXPLICIT_OUT},
        {FREQ, 203, {},
         {{"propertyEvaluationFrequency", 0}, {"iterations", 4}, {"timePeriod", 0}, {"normalization", 1}},
         {{"propertyEvaluationFrequency", DBL_MAX}, {"maxIterations", 4}, {"normalization", E("MASS")}},
         "0 becomes unset"},
        {FREQ, 203, {}, {{"propertyEvaluationFrequency", 2}}, {{"propertyEvaluationFrequency", 2.0}}},
        {FREQ, 204, {{"propertyEvaluationFrequency", 3.0}, {"numEigen", 10}}},
        {FREQ, 205, {{"normalization", E("MASS")}}, {{"propertyEvaluationFreq", 4.0}},
         {{"propertyEvaluationFrequency", 4.0}, {"residualModes", false}}},
        {FREQ, 443, {{"residualModes", true}, {"numEigen", 12}}},
        {GEO, 203, {{"nlgeom", E("ON")}}, {}, {{"timePeriod", 0.0}}},
        {GEO, 204, {{"timePeriod", 2.0}}},
        {GEO, 447, {}, CONTACT_447, CONTACT_OUT},
        {GEO, 448, {{"contactSolutions", 3.0}}},
        {kprC_HeatTransfer_TypeId, 203, {{"mxdem", 0.2}}, THERMAL_IN, THERMAL_OUT},
        {kprC_ImplicitDynamics_TypeId, 203, {{"haftol", 0.5}, {"alpha", -0.1}}, INCREMENTS_IN, INCREMENTS_OUT},
        {kprC_MassDiffusion_TypeId, 203, {{"dcmax", 0.3}}, INCREMENTS_IN + Values{{"endSteadyState", 0.5}},
         INCREMENTS_OUT + Values{{"end", 0.5}}},
        {MODAL, 203, {{"continueAnalysis", true}}, {{"fixedIncrement", 0.05}, {"loadAmplitude", E("RAMP")}},
         {{"incSize", 0.05}, {"amplitude", E("RAMP")}}},
        {MODAL, 445, {{"timePeriod", 2.0}}, {{"fixedIncrement", 0.06}}, {{"incSize", 0.06}}},
        {RR, 203, {{"scale", E("LINEAR")}}, {}, {{"timePeriod", 0.0}}},
        {RR, 204, {{"scale", E("LINEAR")}}},
        {RR, 445, {{"scale", E("LINEAR")}}},
        {RS, 203, {{"summation", E("CQC")}}, {{"excitation", E("MULTIPLE_DIRECTION_SRSS_SUM")}},
         {{"comp", E("MULTIPLE_DIRECTION_SRSS_SUM")}, {"timePeriod", 0.0}}},
        {RS, 204, {}, {{"excitation", E("MULTIPLE_DIRECTION_ABSOLUTE_SUM")}},
         {{"comp", E("MULTIPLE_DIRECTION_ABSOLUTE_SUM")}}},
        {RS, 445, {{"summation", E("SRSS")}}},
        {SOILS, 203, {{"utol", 0.1}}, INCREMENTS_IN + Values{{"stabilization", 0.05}, {"endSteadyState", 0.5}},
         INCREMENTS_OUT + DISSIPATED + Values{{"end", 0.5}}},
        {SOILS, 204, DAMPING_IN + Values{{"creepBehavior", false}}},
        {SOILS, 447, {}, CONTACT_447, CONTACT_OUT},
        {SOILS, 448, {{"contactSolutions", 3.0}}},
        {STATIC_P, 203, {{"nlgeom", E("ON")}}, INCREMENTS_IN + Values{{"stabilization", 0.05}},
         INCREMENTS_OUT + DISSIPATED, "the older stabilization switches it on"},
        {STATIC_P, 203, {}, {{"stabilization", DBL_MAX}}, {}, "an unset older stabilization is not given"},
        {STATIC_P, 203, DAMPING_IN, {{"stabilization", 0.05}}, {}, "a given magnitude wins"},
        {STATIC_P, 204, DAMPING_IN + Values{{"noStop", true}, {"fullyPlastic", "Core"}}},
        {STATIC_P, 447, {{"useLongTermSolution", true}}, CONTACT_447, CONTACT_OUT},
        {STATIC_P, 448, {{"contactSolutions", 3.0}}},
        {RIKS, 203, {{"totalArcLength", 2.0}, {"maxLPF", 3.0}},
         {{"region#OID", 0}, {"incrementation", E("FIXED")}, {"numInc", 20}, {"extrapolate", E("NONE")}},
         {{"region", dbs_Ref{rgnC_Region_TypeId, 0}}, {"timeIncrementationMethod", E("FIXED")}, {"maxNumInc", 20},
          {"extrapolation", E("NONE")}, {"timePeriod", 0.0}}, "the region by object id becomes the region", region},
        {RIKS, 204, {{"region", dbs_Ref{rgnC_Region_TypeId, 0}}, {"timePeriod", 1.0}}, {}, {}, "", region},
        {RIKS, 447, {}, CONTACT_447, CONTACT_OUT},
        {RIKS, 448, {{"contactSolutions", 3.0}, {"useLongTermSolution", true}}},
        {SLP, 203, {}, {}, {{"timePeriod", 0.0}}},
        {SLP, 204, {}, {{"timePeriod", 0.0}}},
        {SSD, 203, {{"factorization", E("REAL_ONLY")}, {"scale", E("LINEAR")}}, {},
         {{"subdivideUsingEigenfrequencies", false}}},
        {SSD, 204, {{"scale", E("LINEAR")}}},
        {SSD, 436, {}, {{"subdivideByEigenfrequency", true}}, {{"subdivideUsingEigenfrequencies", true}}},
        {SSM, 203, {{"scale", E("LINEAR")}}, {}, {{"subdivideUsingEigenfrequencies", false}}},
        {SSM, 204, {}, {}, {{"subdivideUsingEigenfrequencies", false}}},
        {SSM, 436, {}, {{"subdivideByEigenfrequency", true}}, {{"subdivideUsingEigenfrequencies", true}}},
        {SSM, 445, {}, {{"subdivideByEigenfrequency", false}}, {{"subdivideUsingEigenfrequencies", false}}},
        {kprC_SteadyStateSubspace_TypeId, 445, {{"projection", E("CONSTANT")}, {"maxDampingChange", 0.2}},
         {{"subdivideByEigenfrequency", false}}, {{"subdivideUsingEigenfrequencies", false}}},
        {kprC_SubspaceDynamics_TypeId, 203, {{"vectors", 5}},
         {{"fixedIncrement", 0.05}, {"numInc", 20}, {"loadAmplitude", E("RAMP")}},
         {{"incSize", 0.05}, {"maxNumInc", 20}, {"amplitude", E("RAMP")}}},
        {SG, 203, {{"timePeriod", 2.0}}},
        {SG, 403, {{"retainedDofsList", retained}}, {}, {}, "", dofs},
        {SG, 417, {{"retainedEigenmodes", std::vector<std::int64_t>{1, 2}}}},
        {SG, 420, {{"eliminatedDofsList", retained}, {"retainedEigenmodes", std::vector<std::int64_t>{3}}}, {}, {}, "",
         dofs},
        {USA, 203, {}, {}, {{"nlgeom", E("OFF")}, {"timePeriod", 0.0}}},
        {USA, 800, {{"nlgeom", E("ON")}, {"timePeriod", 1.0}}},
        {VISCO, 203, {{"integration", E("EXPLICIT_ONLY")}}, INCREMENTS_IN + Values{{"stabilization", 0.05}},
         INCREMENTS_OUT + DISSIPATED},
        {VISCO, 204, DAMPING_IN + Values{{"cetol", 0.01}}},
        {VISCO, 447, {}, CONTACT_447, CONTACT_OUT},
        {VISCO, 448, {{"contactSolutions", 3.0}}},
    };
    return cases;
}

std::string NameOf(Case const& c) {
    return kprC_FindRetiredClass(c.procedure)->name + (" " + std::to_string(c.version)) + (*c.note ? ": " : "") +
           c.note;
}

TEST_F(UpgradeCorpus, EveryStoredVersionOfEveryProcedureOpensAsItsStepAndTheFileStaysAsItWas) {
    for (auto const& c : Corpus()) {
        SCOPED_TRACE(NameOf(c));
        auto const& retired = *kprC_FindRetiredClass(c.procedure);
        auto const& minimal = MinimalOf(c.procedure);
        Values const expected = minimal.expected + c.kept + c.expected;
        Tables tables = History(c.procedure, c.version, {{-1, minimal.stored + c.kept + c.stored}}, {0});
        tables.insert(tables.end(), c.more.begin(), c.more.end());
        tables.insert(tables.end(), minimal.more.begin(), minimal.more.end());
        std::string const bytes = Write(tst_OldDatabase(tables, {{"steps", {kprC_StepContainer_TypeId, 0}}}));
        ddr_Model opened;
        ASSERT_NO_THROW(opened = hst_ModelFile::Open(path_));
        EXPECT_EQ(tst_ReadFile(path_), bytes);
        auto const& steps = opened.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
        ASSERT_EQ(steps.Keys(), (cow_List<cow_String>{"Initial", "Step-1"}));
        EXPECT_NO_THROW(steps.ConstGet("Step-1").AssertValid());

        auto const image = hst_ModelFile::Image(opened);
        auto const& got = image.Tables().at(retired.newId);
        auto const fresh = NewStep(retired.newId);
        ASSERT_EQ(got.rows.size(), 1u);
        ASSERT_EQ(got.schema, fresh.schema);
        for (std::size_t a = 0; a < got.schema.size(); ++a) {
            auto const& name = got.schema[a].name;
            auto const e = expected.find(name);
            EXPECT_EQ(sto_ValueText(got.rows[0].fields[a]),
                      sto_ValueText(e == expected.end() ? fresh.rows[0].fields[a] : e->second))
                << "\"" << name << "\"";
        }
        for (auto const& [name, value] : expected) EXPECT_TRUE(got.Find(name)) << "no \"" << name << "\"";
    }
}

// The corpus holds every stored version of every retired procedure class, and each
// version's attributes are the replacing step's own, under the names they had.
TEST_F(UpgradeCorpus, TheCorpusCoversEveryStoredVersion) {
    for (auto const& retired : kprC_RetiredClasses()) {
        if (!retired.today) continue;
        for (int version : retired.versions)
            EXPECT_TRUE(std::ranges::any_of(Corpus(), [&](Case const& c) {
                return c.procedure == retired.id && c.version == version;
            })) << retired.name << " " << version;
    }
}

// A version's stored attributes follow the ranges: what arrived later is absent, an older
// type is the stored one, what only old versions had is there until it went.
TEST_F(UpgradeCorpus, EachVersionStoresWhatItHadUnderItsOwnTypes) {
    struct Stored {
        std::uint32_t procedure;
        int version;
        char const* name;
        int typeCode;  // 0: not stored
    } const cases[] = {
        {STATIC_P, 203, "stabilization", cls_TypeDouble},       {STATIC_P, 204, "stabilization", 0},
        {STATIC_P, 204, "contactSolutions", 0},                 {STATIC_P, 447, "contactSolutions", cls_TypeInt},
        {STATIC_P, 448, "contactSolutions", cls_TypeDouble},    {STATIC_P, 448, "reformKernel", 0},
        {STATIC_P, 203, "numInc", cls_TypeInt},                 {STATIC_P, 203, "maxNumInc", 0},
        {FREQ, 203, "propertyEvaluationFrequency", cls_TypeInt}, {FREQ, 204, "propertyEvaluationFrequency", cls_TypeDouble},
        {FREQ, 205, "propertyEvaluationFrequency", 0},          {FREQ, 205, "propertyEvaluationFreq", cls_TypeDouble},
        {FREQ, 203, "timePeriod", cls_TypeInt},                 {FREQ, 443, "residualModes", cls_TypeBool},
        {FREQ, 205, "residualModes", 0},                        {FREQ, 443, "firstCutoffMultiplier", 0},
        {kprC_StaticRiks_TypeId, 203, "region#OID", cls_TypeInt}, {kprC_StaticRiks_TypeId, 203, "region", 0},
        {kprC_StaticRiks_TypeId, 203, "timePeriod", 0},         {kprC_StaticRiks_TypeId, 204, "region#OID", 0},
        {kprC_CoupledTempDisplacement_TypeId, 203, "stablilizationMagnitude", cls_TypeDouble},
        {kprC_CoupledTempDisplacement_TypeId, 203, "stabilizationMethod", 0},
        {kprC_CoupledTempDisplacement_TypeId, 204, "creepIntegration", cls_TypeEnum},
        {kprC_SteadyStateModal_TypeId, 204, "subdivideByEigenfrequency", 0},
        {kprC_SteadyStateModal_TypeId, 436, "subdivideByEigenfrequency", cls_TypeBool},
        {kprC_ComplexFrequency_TypeId, 441, "propertyEvaluationFrequency", 0},
    };
    for (auto const& c : cases) {
        auto const md = dbc_OldClassRegistrar::Find(c.procedure, c.version)->version->Metadata();
        auto const* a = md.FindAttribute(c.name);
        EXPECT_EQ(a ? a->typeCode : 0, c.typeCode) << md.Name() << " " << c.version << " \"" << c.name << "\"";
    }
}

// Other shapes of old histories: what the step objects take from their procedures, and a
// procedure two steps share.
TEST_F(UpgradeCorpus, StepObjectsOfOldHistoriesTakeWhatTheirProceduresHeld) {
    struct Expect {
        std::uint32_t id;
        std::int64_t row;
        char const* name;
        dbs_Value value;
    };
    auto const SS = kprC_StaticStep_TypeId, AS = kprC_AnalysisStep_TypeId, ST = kprC_Step_TypeId,
               LC = kprC_LinearCtrl_TypeId;
    // A 326 history: kprC_Step 207, an analysis step 328 naming its procedure, the
    // container of 800; the procedure's base stores `domains`.
    auto history328 = [](std::int64_t domains, bool controls) {
        tst_OldRow analysis{1, {{"procedure", dbs_Ref{STATIC_P, 0}}}};
        Tables t = {
            {kprC_Step_TypeId, 207, {{-1, {{"description", "initial"}}}, {-1, {{"description", "load"}}}}},
            {kprC_InitialStep_TypeId, 207, {{0, {}}}},
            {kprC_AnalysisStep_TypeId, 328, {analysis}},
            {STATIC_P, 448, {{0, {{"numInc", 3}}}}},
            {kprC_GeneralProcedure_TypeId, 203, {{0, {}}}},
            {kprC_Procedure_TypeId, 326, {{-1, {{"solver", "DIRECT_SYMMETRIC"}, {"numDomains", domains}}}}},
            {kprC_StepContainer_TypeId, 800,
             {{-1,
               {{"steps", dbs_Map{{dbs_Value("Initial"), dbs_Value(dbs_Ref{kprC_InitialStep_TypeId, 0})},
                                  {dbs_Value("Load"), dbs_Value(dbs_Ref{kprC_AnalysisStep_TypeId, 0})}}},
                {"order", dbs_List{dbs_Value("Initial"), dbs_Value("Load")}}}}}},
        };
        if (controls) {
            t[2].rows[0].values["linearCtrl"] = dbs_Ref{LC, 0};
            t.push_back({LC, 330, {{-1, {{"maxIterations", 5}}}}});
        }
        return t;
    };
    struct Shape {
        char const* name;
        Tables tables;
        std::vector<Expect> expected;
    } const shapes[] = {
        {"203: the matrix solver from the procedure's solver; step ids in the old rows' order",
         History(STATIC_P, 203, {{-1, {{"numInc", 7}}}}, {0}, "DIRECT_UNSYMMETRIC"),
         {{AS, 0, "matrixSolver", E("DIRECT_UNSYMMETRIC")}, {AS, 0, "convertSDI", E("PROPAGATED")},
          // Saved again analysis step first.
          {ST, 0, "description", "Step-1"}, {ST, 0, "stepId", 1}, {ST, 1, "description", "initial"},
          {ST, 1, "stepId", 0}}},
        {"448: a procedure two steps share is duplicated for the second",
         History(STATIC_P, 448, {{-1, {{"contactSolutions", 2.0}, {"numInc", 9}}}}, {0, 0}),
         {{SS, 0, "maxNumInc", 9}, {SS, 1, "maxNumInc", 9}, {SS, 1, "contactSolutions", 2.0}}},
        {"328: numDomains of its procedure carried into new linear solver controls", history328(4, false),
         {{AS, 0, "matrixSolver", E("DIRECT_SYMMETRIC")}, {LC, 0, "numDomains", 4}, {SS, 0, "maxNumInc", 3},
          {SS, 0, "reformKernel", 8}}},
        {"328: numDomains into the step's own controls, which keep their values", history328(6, true),
         {{LC, 0, "numDomains", 6}, {LC, 0, "maxIterations", 5}}},
    };
    for (auto const& s : shapes) {
        SCOPED_TRACE(s.name);
        std::string const bytes = Write(tst_OldDatabase(s.tables, {{"steps", {kprC_StepContainer_TypeId, 0}}}));
        ddr_Model opened;
        ASSERT_NO_THROW(opened = hst_ModelFile::Open(path_));
        EXPECT_EQ(tst_ReadFile(path_), bytes);
        auto const saved = path_ + ".now";
        hst_ModelFile::Save(opened, saved);
        auto const now = sto_ModelFile::Open(saved);
        fs::remove(saved);
        for (auto const& e : s.expected) {
            auto const* t = now.FindTable(e.id);
            ASSERT_TRUE(t && e.row < std::int64_t(t->rows.size())) << e.name;
            auto pos = t->Find(e.name);
            ASSERT_TRUE(pos) << e.name;
            EXPECT_EQ(t->rows[std::size_t(e.row)].fields[*pos], e.value) << e.name << " row " << e.row;
        }
    }
}

// What an old file holds that cannot be converted is refused with its message, and the
// file stays as it was.
TEST_F(UpgradeCorpus, UnconvertibleOldModelsAreRefusedWithTheirMessage) {
    auto noSteps = [] {
        // A retired procedure table with rows but no step table to link them through.
        auto t = History(STATIC_P, 448, {{-1, {}}}, {0});
        t.erase(t.begin(), t.begin() + 3);
        t.pop_back();
        t.push_back({kprC_StepContainer_TypeId, 203, {{-1, {{"steps", dbs_Map{}}, {"stepsorder", dbs_List{}}}}}});
        return tst_OldDatabase(t, {{"steps", {kprC_StepContainer_TypeId, 0}}});
    };
    auto withBoundaries = [] {
        // 204 rows cannot hold the boundaries: the failing column is put in by hand.
        auto db = tst_OldDatabase(History(FREQ, 204, {{-1, {{"propertyEvaluationFrequency", 1.0}}}}, {0}),
                                  {{"steps", {kprC_StepContainer_TypeId, 0}}});
        auto* t = db.FindTable(FREQ);
        t->schema.push_back({-1, "intervalBoundaries", cls_TypeObject, cls_ListTypeId, 0});
        for (auto& row : t->rows) row.fields.emplace_back(std::vector<double>{1.0});
        return db;
    };
    auto stored = [](std::uint32_t procedure, int version, Values values) {
        return tst_OldDatabase(History(procedure, version, {{-1, std::move(values)}}, {0}),
                               {{"steps", {kprC_StepContainer_TypeId, 0}}});
    };
    // A class stored by a newer release is refused before anything is converted.
    auto newer = [&] {
        auto db = stored(FREQ, 203, {});
        if (auto* t = db.FindTable(kprC_StepContainer_TypeId)) t->version = 9999;
        return db;
    };
    struct Refusal {
        dbs_Database db;
        std::string message;
    } const refusals[] = {
        {newer(), "the stored class kprC_StepContainer has version 9999, newer than this release's 831"},
        {noSteps(), "rename_kprC_Static failed: inputTable can't be NULL"},
        {withBoundaries(), "Upgrade_kprC_Frequency_204::failed"},
        {stored(kprC_StaticRiks_TypeId, 203, {{"region#OID", 3}}),
         "kprC_StaticRiksStep row 0: \"region#OID\" names no stored region"},
        {stored(FREQ, 203, {{"normalization", 2}}),
         "kprC_FrequencyStep row 0: \"normalization\" holds 2, which names no normalization"},
    };
    for (auto const& r : refusals) {
        SCOPED_TRACE(r.message);
        std::string const bytes = Write(r.db);
        EXPECT_EQ(tst_MessageOf<std::exception>([&] { hst_ModelFile::Open(path_); }),
                  "Cannot open model file \"" + path_ + "\": " + r.message);
        EXPECT_EQ(tst_ReadFile(path_), bytes);
    }
}

}  // namespace
}  // namespace upgrade_corpus
