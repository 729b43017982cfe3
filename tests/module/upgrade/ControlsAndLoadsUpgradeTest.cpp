// Corpus files of the old versions of the controls, output settings, mass scaling and
// loads classes: each is today's model with one class's table written as an old version
// stored it, opened through the model file; what it reads must equal the expected model
// attribute by attribute, and the file must stay as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "host/hst_ModelFile.h"
#include "module/klo/kloC_Module.h"
#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_Traction.h"
#include "module/kpr/controls/kprC_FieldControls.h"
#include "module/kpr/controls/kprC_LinearCtrl.h"
#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Restart.h"
#include "module/kpr/steps/general/kprC_ExplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "host/hst_StepFlow.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/dbc/dbc_DatabaseConverter.h"
#include "store/sto_ValueText.h"
#include "support/tst_Files.h"
#include "support/tst_Message.h"
#include "support/tst_OldModels.h"

namespace controls_and_loads_upgrade_test {
namespace fs = std::filesystem;

using Doubles = std::vector<double>;

// Today's time incrementation table with user values around the entries that older
// versions lacked (position 10, I(T), inserted at 867; the last, Dp, appended at 809).
Doubles const TODAY_TI = {5.0, 9.0, 9.0, 16.0, 10.0, 4.0, 12.0, 5.0, 6.0, 3.0, 50.0, 0.3, 0.5, 0.75,
                          0.85, 0.25, 0.25, 1.5, 0.75, 0.8, 1.5, 1.25, 2.0, 1.0, 0.1, 1.0, 0.9, 1.0};
Doubles Without(Doubles v, std::initializer_list<std::size_t> positions) {  // highest position first
    for (auto p : positions) v.erase(v.begin() + std::ptrdiff_t(p));
    return v;
}
Doubles const OLD_LINE_SEARCH = {0.0, 4.0, 0.25, 0.25, 0.15}, NEW_LINE_SEARCH = {0.0, 1.0, 0.0001, 0.25, 0.1},
              USER_LINE_SEARCH = {2.0, 4.0, 0.25, 0.25, 0.15};

struct Settings {
    Doubles lineSearch = NEW_LINE_SEARCH;
    int numDomains = 4;
    bool adaptiveMesh = true, timeMarks = true;
    int numberIntervals = 3;
    cow_String fieldName = "Field-1";
    bool direction = true;  // the shell edge load's own direction vector, else the default
    bool region = true;     // the mass scaling's region, else none
};

gsl_ModelSegment const EDGE({0.0, 0.0, 0.0}, {0.0, 0.0, 2.0});

// A static step with every setting the old versions touch and two loads; an explicit step
// with a mass scaling.
ddr_Model Model(Settings const& s) {
    ddr_Model model;
    auto& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    steps.SetInitialStep("Initial", kprC_InitialStep());
    kprC_StaticStep statics;
    auto controls = std::make_shared<kprC_TypicalControls>();
    controls->timeIncrementation(kprC_ControlsList(TODAY_TI.begin(), TODAY_TI.end()));
    controls->lineSearch(kprC_ControlsList(s.lineSearch.begin(), s.lineSearch.end()));
    statics.controls(cow_COW<kprC_Controls>(controls));
    auto linear = std::make_shared<kprC_LinearCtrl>();
    linear->relativeTolerance(0.01), linear->maxIterations(7), linear->numDomains(s.numDomains);
    statics.linearCtrl(cow_COW<kprC_LinearCtrl>(linear));
    statics.restart(cow_COW<kprC_Restart>(std::make_shared<kprC_StandardRestart>(true, 5, s.numberIntervals, s.timeMarks)));
    auto print = std::make_shared<kprC_StandardDiagnosticPrint>();
    print->contact(true), print->frequency(3), print->adaptiveMesh(s.adaptiveMesh);
    statics.diagnosticPrint(cow_COW<kprC_DiagnosticPrint>(print));
    steps.InsertAfter("Initial", "Step-1", statics);
    kprC_ExplicitDynamicsStep dynamics;
    kprC_MassScaling scaling;
    scaling.factor(2.0);
    if (s.region) scaling.region(rgnC_Region({"Set-1", "Set-2"}, 2));
    dynamics.massScaling(kprC_MassScalingList{scaling});
    steps.InsertAfter("Step-1", "Step-2", dynamics, true);

    auto& loads = model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd());
    loads.UpdateSteps(hst_StepFlow::StepList(steps, false));
    kloC_ConcentratedForce force(rgnC_Region({"Tip"}, 1), "Step-1", kloC_ConcentratedForceState(1.0, 0.0, 0.0));
    force.fieldName(s.fieldName);
    loads.Insert("Force", force);
    kloC_ShellEdgeLoad edge;
    edge.region(rgnC_Region({"Edge"}, 1));
    edge.traction(kloC_ShellEdgeLoad::ShellEdgeLoadTractionEnm::GENERAL);
    if (s.direction) edge.directionVector(EDGE);
    kloC_ShellEdgeLoadState state;
    state.magnitude(2.0);
    edge.Insert("Step-1", state);
    loads.Insert("Edge", edge);
    return model;
}


using Tables = std::vector<tst_OldTable>;

// Table by table, row by row, attribute by attribute, with the values as text.
void ExpectSameTables(dbs_Database const& got, dbs_Database const& expected) {
    EXPECT_EQ(got.Roots(), expected.Roots());
    for (auto const& [id, e] : expected.Tables()) {
        auto const* g = got.FindTable(id);
        ASSERT_TRUE(g) << e.className;
        ASSERT_EQ(g->rows.size(), e.rows.size()) << e.className;
        for (std::size_t r = 0; r < e.rows.size(); ++r) {
            EXPECT_EQ(g->rows[r].baseOid, e.rows[r].baseOid) << e.className << " row " << r;
            for (std::size_t a = 0; a < e.schema.size(); ++a)
                EXPECT_EQ(sto_ValueText(g->rows[r].fields[a]), sto_ValueText(e.rows[r].fields[a]))
                    << e.className << " row " << r << " \"" << e.schema[a].name << "\"";
        }
    }
    EXPECT_EQ(got.Tables().size(), expected.Tables().size());
}

class ControlsAndLoadsUpgrade : public ::testing::Test {
protected:
    void SetUp() override { kloC_initialize(modules_); }
    void TearDown() override {
        kloC_finalize(modules_);
        fs::remove(path_);
    }
    // Writes the corpus file; the file's bytes, which no open may change.
    std::string Write(Tables const& tables, dbs_Database const& db) {
        tst_WriteOldModel(path_, tables, db.Roots());
        return tst_ReadFile(path_);
    }
    int modules_ = 0;
    std::string const path_ = (fs::temp_directory_path() / ("upgrade_" + std::to_string(::getpid()) + ".swdb")).string();
};

// One old version of one class per case: the stored rows as that version held them, and
// the model they read as, or the refusal naming the row and the attribute of what the
// conversion cannot read; either way the file stays as it was.
TEST_F(ControlsAndLoadsUpgrade, EveryOldVersionOpensAsItsExpectedModelOrIsRefusedAndTheFileStaysAsItWas) {
    auto const primary = kprC_PrimaryControls_TypeId, scaling = kprC_MassScaling_TypeId;
    auto value = [](std::uint32_t id, char const* attribute, dbs_Value v) {
        return [=](Tables& t) { tst_OldTableOf(t, id).rows[0].values[attribute] = v; };
    };
    auto both = [](auto f, auto g) { return [f, g](Tables& t) { f(t), g(t); }; };
    std::string const notNumbers = "\" does not hold an array of numbers",
                      noRegion = "kprC_MassScaling row 0: \"region#OID\" names no stored region";
    struct Case {
        char const* name;
        std::uint32_t classId;
        int version;
        Settings stored, expected;  // the model written (before downgrading), and the one read
        std::function<void(Tables&)> edit;  // the old version's own values
        std::string refusal = "";
    } const cases[] = {
        // 302 -> 809 -> 867 -> 868 -> 888: Dp appended, I(T) inserted, the former line search defaults replaced.
        {"PrimaryControls 302", primary, 302, {.lineSearch = OLD_LINE_SEARCH}, {},
         both(value(primary, "timeIncrementation", Without(TODAY_TI, {27, 10})), value(primary, "lineSearch", OLD_LINE_SEARCH))},
        {"PrimaryControls 809", primary, 809, {}, {}, value(primary, "timeIncrementation", Without(TODAY_TI, {10}))},
        // Stored at 867 it holds I(T) already: no second 50.0.
        {"PrimaryControls 867", primary, 867, {}, {}, value(primary, "lineSearch", OLD_LINE_SEARCH)},
        {"PrimaryControls 868 user line search", primary, 868, {.lineSearch = USER_LINE_SEARCH},
         {.lineSearch = USER_LINE_SEARCH}, {}},
        {"LinearCtrl 328", kprC_LinearCtrl_TypeId, 328, {}, {.numDomains = 0}, {}},
        {"StandardDiagnosticPrint 302", kprC_StandardDiagnosticPrint_TypeId, 302, {}, {.adaptiveMesh = false}, {}},
        {"StandardRestart 302", kprC_StandardRestart_TypeId, 302, {}, {.timeMarks = false, .numberIntervals = 0}, {}},
        {"MassScaling 203", scaling, 203, {}, {},
         [](Tables& t) {
             // The id names the mass scaling's region row.
             auto const& regions = tst_OldTableOf(t, rgnC_Region_TypeId).rows;
             for (std::size_t r = 0; r < regions.size(); ++r)
                 if (regions[r].values.at("names") == dbs_Value(dbs_List{dbs_Value("Set-1"), dbs_Value("Set-2")}))
                     tst_OldTableOf(t, kprC_MassScaling_TypeId).rows[0].values["region#OID"] = std::int64_t(r);
         }},
        {"MassScaling 203 without a region", scaling, 203, {}, {.region = false}, {}},
        {"Load 203", kloC_Load_TypeId, 203, {}, {.fieldName = ""}, {}},
        {"StateQuad 203", kloC_StateQuad_TypeId, 203, {}, {}, {}},
        // 409 -> 414: the load's own direction becomes its traction level's direction vector.
        {"ShellEdgeLoad 409", kloC_ShellEdgeLoad_TypeId, 409, {}, {},
         [](Tables& t) {
             auto& traction = tst_OldTableOf(t, kloC_Traction_TypeId).rows[0].values["directionVector"];
             tst_OldTableOf(t, kloC_ShellEdgeLoad_TypeId).rows[0].values["direction"] = traction;
             traction = dbs_Value();
         }},
        {"PrimaryControls 809 too short", primary, 809, {}, {}, value(primary, "timeIncrementation", Doubles(9, 1.0)),
         "kprC_PrimaryControls row 0: \"timeIncrementation\" holds 9 entries, too few to insert its entry at position 10"},
        {"PrimaryControls 302 text", primary, 302, {}, {}, value(primary, "timeIncrementation", "fast"),
         "kprC_PrimaryControls row 0: \"timeIncrementation" + notNumbers},
        {"PrimaryControls 868 number", primary, 868, {}, {}, value(primary, "lineSearch", std::int64_t(4)),
         "kprC_PrimaryControls row 0: \"lineSearch" + notNumbers},
        {"MassScaling 203 unknown row", scaling, 203, {}, {}, value(scaling, "region#OID", std::int64_t(99)), noRegion},
        {"MassScaling 203 text", scaling, 203, {}, {}, value(scaling, "region#OID", "Set-1"), noRegion},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        dbs_Database const stored = hst_ModelFile::Image(Model(c.stored));
        Tables tables = tst_AsOldTables(stored, {{c.classId, c.version}});
        if (c.edit) c.edit(tables);
        if (c.classId == primary && c.version < 867 && c.refusal.empty()) {
            EXPECT_LT(tst_OldTableOf(tables, primary).rows[0].values.at("timeIncrementation").AsDoubleArray().size(), 28u);
        }
        std::string const bytes = Write(tables, stored);
        if (c.refusal.empty()) {
            ddr_Model opened;
            ASSERT_NO_THROW(opened = hst_ModelFile::Open(path_));
            ExpectSameTables(hst_ModelFile::Image(opened), hst_ModelFile::Image(Model(c.expected)));
        } else {
            EXPECT_EQ(tst_MessageOf<std::exception>([&] { hst_ModelFile::Open(path_); }),
                      "Cannot open model file \"" + path_ + "\": " + c.refusal);
        }
        EXPECT_EQ(tst_ReadFile(path_), bytes);
    }
}

// A record's "procedure" that names a retired procedure row follows that row into the
// step table it moves to: the converter's redirect does it, with no conversion of the
// record's own.
TEST_F(ControlsAndLoadsUpgrade, ARecordsProcedureFollowsItsMovedProcedureRow) {
    constexpr std::uint32_t RETIRED = 0x7F000701;
    dbs_Database stored = hst_ModelFile::Image(Model({}));
    Tables tables = tst_AsOldTables(stored, {{kloC_StateQuad_TypeId, 203}});
    auto& record = tst_OldTableOf(tables, kloC_StateQuad_TypeId).rows[1].values["procedure"];
    dbs_Ref const step = record.AsRef();
    record = dbs_Ref{RETIRED, 0};
    dbs_Database db = tst_OldDatabase(tables, stored.Roots());
    db.AddTable(dbs_Table{RETIRED, "tst_RetiredProcedure", 1, cls_NoBaseId, {}, {dbs_Row{}}});
    dbc_DatabaseConverter converter;
    dbc_OldClassRegistrar::PrepareConversion(converter);
    converter.MoveRows(RETIRED, step.classId);
    dbc_ConversionReport report;
    converter.Convert(db, cls_MetadataRegistrar::Registrar(), &report);
    auto const& records = db.Tables().at(kloC_StateQuad_TypeId);
    auto const moved = dbs_Ref{step.classId, std::int64_t(stored.Tables().at(step.classId).rows.size())};
    EXPECT_EQ(records.rows[1].fields[*records.Find("procedure")], dbs_Value(moved));
    ASSERT_EQ(report.converted.size(), 1u);
    EXPECT_EQ(report.converted[0].className, "kloC_StateQuad");
    EXPECT_EQ(report.converted[0].from, 203);
    EXPECT_EQ(report.converted[0].to, 831);
    ASSERT_EQ(report.moved.size(), 1u);
    EXPECT_EQ(report.moved[0].from, "tst_RetiredProcedure");
    EXPECT_EQ(report.moved[0].rows, 1u);
}

// Two steps of an old file share one procedure object (the writer stored it once); it
// moves into each step as a copy of its own. Each row naming a step and that object
// follows it into its own step's copy; one whose step name the container does not know
// keeps the first copy.
TEST_F(ControlsAndLoadsUpgrade, RowsOfStepsSharingAProcedureFollowTheirOwnStepsCopy) {
    auto const P = dbs_Ref{kprC_Static_TypeId, 0};
    auto named = [&](char const* step) { return tst_OldRow{-1, {{"stepName", step}, {"procedure", P}}}; };
    dbs_Map steps{{dbs_Value("Initial"), dbs_Value(dbs_Ref{kprC_DdbInitialStep_TypeId, 0})}};
    dbs_List order{dbs_Value("Initial")};
    for (std::int64_t i : {0, 1}) {
        std::string const name = "Step-" + std::to_string(i + 1);
        steps.emplace_back(dbs_Value(name), dbs_Value(dbs_Ref{kprC_DdbAnalysisStep_TypeId, i}));
        order.emplace_back(name);
    }
    Tables const tables = {
        {kprC_DdbStep_TypeId, 203, {{-1, {}}, {-1, {}}, {-1, {}}}},
        {kprC_DdbInitialStep_TypeId, 203, {{0, {}}}},
        {kprC_DdbAnalysisStep_TypeId, 203, {{1, {{"procedure", P}}}, {2, {{"procedure", P}}}}},
        {kprC_Static_TypeId, 448, {{0, {{"numInc", 9}}}}},
        {kprC_GeneralProcedure_TypeId, 203, {{0, {}}}},
        {kprC_Procedure_TypeId, 203, {{-1, {{"solver", "DIRECT_UNSYMMETRIC"}}}}},
        {kprC_StepContainer_TypeId, 203, {{-1, {{"steps", steps}, {"stepsorder", order}}}}},
        {kloC_StateQuad_TypeId, 203, {named("Step-1"), named("Step-2"), named("Step-9")}},
        {kprC_StepNameProcedurePair_TypeId, 203, {named("Step-2"), named("Step-1")}},
    };
    dbs_Database db = tst_OldDatabase(tables, {});
    dbc_DatabaseConverter converter;
    dbc_OldClassRegistrar::PrepareConversion(converter);
    converter.Convert(db, cls_MetadataRegistrar::Registrar());
    struct Case {
        std::uint32_t table;
        std::size_t row;
        std::int64_t copy;  // the kprC_StaticStep row the row's "procedure" must name
    };
    for (auto const& c : std::vector<Case>{{kloC_StateQuad_TypeId, 0, 0},
                                           {kloC_StateQuad_TypeId, 1, 1},
                                           {kloC_StateQuad_TypeId, 2, 0},
                                           {kprC_StepNameProcedurePair_TypeId, 0, 1},
                                           {kprC_StepNameProcedurePair_TypeId, 1, 0}}) {
        auto const& t = db.Tables().at(c.table);
        EXPECT_EQ(t.rows.at(c.row).fields[*t.Find("procedure")], dbs_Value(dbs_Ref{kprC_StaticStep_TypeId, c.copy}))
            << t.className << " row " << c.row;
    }
    EXPECT_EQ(db.Tables().at(kprC_StaticStep_TypeId).rows.size(), 2u);
}

// The corpus writer takes only what a version stored.
TEST_F(ControlsAndLoadsUpgrade, TheCorpusWriterRefusesWhatAVersionDidNotStore) {
    struct Case {
        tst_OldTable table;
        std::string message;
    } const cases[] = {
        {{kprC_LinearCtrl_TypeId, 328, {{-1, {{"numDomains", 4}}}}}, "kprC_LinearCtrl at version 328 stores no \"numDomains\""},
        {{kprC_LinearCtrl_TypeId, 329, {}}, "no stored form of class 0x23C003D at version 329 (today's is 330)"},
    };
    for (auto const& c : cases)
        EXPECT_EQ(tst_MessageOf<std::logic_error>([&] { tst_OldDatabase({c.table}, {}); }), c.message);
}

}  // namespace controls_and_loads_upgrade_test
