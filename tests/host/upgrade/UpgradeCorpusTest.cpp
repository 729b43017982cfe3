// Models stored by older releases, each holding old versions of steps and procedures,
// opened through the model file path: converted, read, and compared attribute by
// attribute with the current form (read back from a save of the opened model); the old
// file's bytes stay as they were.
#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>

#include "host/hst_ModelFile.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "store/sto_ModelFile.h"
#include "support/tst_Files.h"
#include "support/tst_Step.h"

namespace upgrade_corpus {
namespace {

struct Row {
    std::int64_t base = -1;
    std::map<std::string, dbs_Value> values;
};
struct Table {
    std::uint32_t id;
    int version;
    std::vector<Row> rows;
};

// An old database whose every table is laid out by its registered old-version description.
dbs_Database OldDatabase(std::vector<Table> const& tables) {
    dbs_Database db;
    for (auto const& t : tables) {
        auto const* entry = dbc_OldClassRegistrar::Find(t.id, t.version);
        auto const* today = cls_MetadataRegistrar::Find(t.id);
        if (!entry && !(today && today->Version() == t.version))
            throw std::logic_error("no version " + std::to_string(t.version));
        auto md = entry ? entry->version->Metadata() : *today;
        dbs_Table table = md.NewTable();
        for (auto const& r : t.rows) {
            dbs_Row row{r.base, std::vector<dbs_Value>(table.schema.size())};
            for (auto const& [name, value] : r.values) {
                auto pos = table.Find(name);
                if (!pos) throw std::logic_error(md.Name() + " did not store " + name);
                row.fields[*pos] = value;
            }
            table.rows.push_back(std::move(row));
        }
        db.AddTable(std::move(table));
    }
    db.SetRoot("steps", {kprC_StepContainer_TypeId, 0});
    return db;
}

constexpr auto STATIC_P = kprC_Static_TypeId, FREQ = kprC_Frequency_TypeId;

// A 203 history: the Initial step and one analysis step per procedure row given, each
// procedure a row of `procedure` (all on one kprC_Procedure row per procedure).
Row R0(std::map<std::string, dbs_Value> values) { return {-1, std::move(values)}; }

std::vector<Table> History203(std::uint32_t procedure, int version, std::vector<Row> procedures,
                              std::vector<std::int64_t> stepProcedure) {
    std::vector<Table> t;
    Table ddb{kprC_DdbStep_TypeId, 203, {{-1, {{"description", "initial"}}}}};
    Table analysis{kprC_DdbAnalysisStep_TypeId, 203, {}};
    dbs_Map steps{{dbs_Value("Initial"), dbs_Value(dbs_Ref{kprC_DdbInitialStep_TypeId, 0})}};
    dbs_List order{dbs_Value("Initial")};
    for (std::size_t i = 0; i < stepProcedure.size(); ++i) {
        std::string const name = "Step-" + std::to_string(i + 1);
        ddb.rows.push_back({-1, {{"description", name}}});
        analysis.rows.push_back({std::int64_t(i) + 1, {{"procedure", dbs_Ref{procedure, stepProcedure[i]}}}});
        steps.emplace_back(dbs_Value(name), dbs_Value(dbs_Ref{kprC_DdbAnalysisStep_TypeId, std::int64_t(i)}));
        order.emplace_back(name);
    }
    Table general{kprC_PerturbationProcedure_TypeId, 203, {}};
    if (procedure != FREQ) general.id = kprC_GeneralProcedure_TypeId;
    Table base{kprC_Procedure_TypeId, 203, {}};
    for (std::size_t i = 0; i < procedures.size(); ++i) {
        procedures[i].base = std::int64_t(i);
        general.rows.push_back({std::int64_t(i), {}});
        base.rows.push_back({-1, {{"solver", "DIRECT_UNSYMMETRIC"}}});
    }
    t.push_back(ddb);
    t.push_back({kprC_DdbInitialStep_TypeId, 203, {{0, {}}}});
    t.push_back(analysis);
    t.push_back({procedure, version, procedures});
    t.push_back(general);
    t.push_back(base);
    t.push_back({kprC_StepContainer_TypeId, 203, {{-1, {{"steps", steps}, {"stepsorder", order}}}}});
    return t;
}

// A 326 history: kprC_Step 207, an analysis step 328 naming its procedure, the
// container of 800; the procedure's base stores `domains`.
std::vector<Table> History328(std::int64_t domains, bool controls) {
    Row analysis{1, {{"procedure", dbs_Ref{STATIC_P, 0}}}};
    std::vector<Table> t = {
        {kprC_Step_TypeId, 207, {R0({{"description", "initial"}}), R0({{"description", "load"}})}},
        {kprC_InitialStep_TypeId, 207, {{0, {}}}},
        {kprC_AnalysisStep_TypeId, 328, {analysis}},
        {STATIC_P, 448, {{0, {{"numInc", 3}}}}},
        {kprC_GeneralProcedure_TypeId, 203, {{0, {}}}},
        {kprC_Procedure_TypeId, 326, {R0({{"solver", "DIRECT_SYMMETRIC"}, {"numDomains", domains}})}},
        {kprC_StepContainer_TypeId, 800,
         {R0({{"steps", dbs_Map{{dbs_Value("Initial"), dbs_Value(dbs_Ref{kprC_InitialStep_TypeId, 0})},
                                {dbs_Value("Load"), dbs_Value(dbs_Ref{kprC_AnalysisStep_TypeId, 0})}}},
              {"order", dbs_List{dbs_Value("Initial"), dbs_Value("Load")}}})}},
    };
    if (controls) {
        t[2].rows[0].values["linearCtrl"] = dbs_Ref{kprC_LinearCtrl_TypeId, 0};
        t.push_back({kprC_LinearCtrl_TypeId, 330, {R0({{"maxIterations", 5}})}});
    }
    return t;
}

// One expected attribute of the converted model: the row of a class table by index.
struct Expect {
    std::uint32_t id;
    std::int64_t row;
    char const* name;
    dbs_Value value;
};

dbs_Value Stored(dbs_Database const& db, Expect const& e) {
    auto const* t = db.FindTable(e.id);
    if (!t || e.row >= std::int64_t(t->rows.size())) return dbs_Value("<no such row>");
    auto pos = t->Find(e.name);
    return pos ? t->rows[std::size_t(e.row)].fields[*pos] : dbs_Value("<no such attribute>");
}

struct Case {
    char const* name;
    std::vector<Table> tables;
    std::vector<Expect> expected;
    char const* failure = "";
};

class UpgradeCorpus : public tst_LibraryTest {};

Row R(std::map<std::string, dbs_Value> values) { return {-1, std::move(values)}; }
dbs_EnumString E(char const* s) { return {s}; }

TEST_F(UpgradeCorpus, OldModelsOpenAsTodaysAndTheFileStaysAsItWas) {
    auto const SS = kprC_StaticStep_TypeId, FS = kprC_FrequencyStep_TypeId, AS = kprC_AnalysisStep_TypeId,
               ST = kprC_Step_TypeId;
    std::vector<Case> const cases = {
        {"static 203: increments renamed, older stabilization switches it on, 447/448/851 added",
         History203(STATIC_P, 203,
                    {R({{"incrementation", E("FIXED")}, {"numInc", 7}, {"initialIncrement", 0.5},
                        {"stabilization", 0.05}, {"nlgeom", E("ON")}})},
                    {0}),
         {{SS, 0, "timeIncrementationMethod", E("FIXED")}, {SS, 0, "maxNumInc", 7}, {SS, 0, "initialInc", 0.5},
          {SS, 0, "stabilizationMagnitude", 0.05}, {SS, 0, "stabilizationMethod", E("DISSIPATED_ENERGY_FRACTION")},
          {SS, 0, "contactSolutions", 1.0}, {SS, 0, "contactIterations", 30}, {SS, 0, "reformKernel", 8},
          {SS, 0, "solutionTechnique", E("FULL_NEWTON")}, {SS, 0, "nlgeom", E("ON")},
          {AS, 0, "matrixSolver", E("DIRECT_UNSYMMETRIC")}, {AS, 0, "convertSDI", E("PROPAGATED")},
          // Saved again analysis step first; ids follow the old rows' order.
          {ST, 0, "description", "Step-1"}, {ST, 0, "stepId", 1}, {ST, 1, "description", "initial"},
          {ST, 1, "stepId", 0}}},
        {"static 203: an unset older stabilization is not given",
         History203(STATIC_P, 203, {R({{"stabilization", DBL_MAX}})}, {0}),
         {{SS, 0, "stabilizationMagnitude", DBL_MAX}, {SS, 0, "stabilizationMethod", E("NONE")}}},
        {"static 448: a procedure two steps share is duplicated for the second",
         History203(STATIC_P, 448, {R({{"contactSolutions", 2.0}, {"numInc", 9}})}, {0, 0}),
         {{SS, 0, "maxNumInc", 9}, {SS, 1, "maxNumInc", 9}, {SS, 1, "contactSolutions", 2.0}}},
        {"frequency 203: the integer evaluation frequency becomes a double, 0 becomes unset",
         History203(FREQ, 203, {R({{"propertyEvaluationFrequency", 0}, {"iterations", 4}}),
                                R({{"propertyEvaluationFrequency", 2}})}, {0, 1}),
         {{FS, 0, "propertyEvaluationFrequency", DBL_MAX}, {FS, 1, "propertyEvaluationFrequency", 2.0},
          {FS, 0, "maxIterations", 4}, {FS, 0, "residualModes", false}, {FS, 0, "firstCutoffMultiplier", 1.6},
          {FS, 0, "substructureCutoffMultiplier", 5.0}, {FS, 0, "secondCutoffMultiplier", 1.3}}},
        {"328 step: numDomains of its procedure carried into new linear solver controls",
         History328(4, false),
         {{AS, 0, "matrixSolver", E("DIRECT_SYMMETRIC")}, {kprC_LinearCtrl_TypeId, 0, "numDomains", 4},
          {SS, 0, "maxNumInc", 3}, {SS, 0, "reformKernel", 8}}},
        {"328 step: numDomains into the step's own controls, which keep their values",
         History328(6, true),
         {{kprC_LinearCtrl_TypeId, 0, "numDomains", 6}, {kprC_LinearCtrl_TypeId, 0, "maxIterations", 5}}},
        {"coupled temperature-displacement 203: the misspelt magnitude is read",
         History203(kprC_CoupledTempDisplacement_TypeId, 203, {R({{"stablilizationMagnitude", 0.2}})}, {0}),
         {{kprC_CoupledTempDisplacementStep_TypeId, 0, "stabilizationMagnitude", 0.2},
          {kprC_CoupledTempDisplacementStep_TypeId, 0, "stabilizationMethod", E("DISSIPATED_ENERGY_FRACTION")},
          {kprC_CoupledTempDisplacementStep_TypeId, 0, "solutionTechnique", E("FULL_NEWTON")}}},
        {"frequency 204 holding interval boundaries", History203(FREQ, 204, {R({{"propertyEvaluationFrequency", 1.0}})}, {0}),
         {}, "Upgrade_kprC_Frequency_204::failed"},
    };

    for (std::size_t c = 0; c < cases.size(); ++c) {
        SCOPED_TRACE(cases[c].name);
        auto path = (std::filesystem::temp_directory_path() / ("upgrade-corpus-" + std::to_string(c))).string();
        auto saved = path + ".now";
        auto db = OldDatabase(cases[c].tables);
        if (*cases[c].failure) {
            // 204 rows cannot hold the boundaries: the failing row is put in by hand.
            auto* t = db.FindTable(FREQ);
            t->schema.push_back({-1, "intervalBoundaries", cls_TypeObject, cls_ListTypeId, 0});
            for (auto& row : t->rows) row.fields.emplace_back(std::vector<double>{1.0});
        }
        sto_ModelFile::Save(db, path);
        auto const before = tst_ReadFile(path);
        if (*cases[c].failure) {
            try {
                hst_ModelFile::Open(path);
                ADD_FAILURE() << "opened";
            } catch (std::exception const& e) {
                EXPECT_NE(std::string(e.what()).find(cases[c].failure), std::string::npos) << e.what();
            }
        } else {
            hst_ModelFile::Save(hst_ModelFile::Open(path), saved);
            auto const now = sto_ModelFile::Open(saved);
            for (auto const& e : cases[c].expected) EXPECT_EQ(Stored(now, e), e.value) << e.name << " row " << e.row;
        }
        EXPECT_EQ(tst_ReadFile(path), before);
        std::filesystem::remove(path);
        std::filesystem::remove(saved);
    }
}

// A retired procedure table with rows but no step table to link them through is refused
// with the class's own message.
TEST_F(UpgradeCorpus, AProcedureWithoutStepsIsRefusedByItsMoveMessage) {
    auto tables = History203(STATIC_P, 448, {R({})}, {0});
    tables.erase(tables.begin(), tables.begin() + 3);
    tables.pop_back();
    tables.push_back({kprC_StepContainer_TypeId, 203, {{-1, {{"steps", dbs_Map{}}, {"stepsorder", dbs_List{}}}}}});
    auto path = (std::filesystem::temp_directory_path() / "upgrade-corpus-nosteps").string();
    sto_ModelFile::Save(OldDatabase(tables), path);
    try {
        hst_ModelFile::Open(path);
        ADD_FAILURE() << "opened";
    } catch (std::exception const& e) {
        EXPECT_NE(std::string(e.what()).find("rename_kprC_Static failed: inputTable can't be NULL"), std::string::npos)
            << e.what();
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace upgrade_corpus
