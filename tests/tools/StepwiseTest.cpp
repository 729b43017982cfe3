// The stepwise program: each command's output, errors and exit status, the files it will
// and will not replace, upgrades of old files, and the views it renders.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "host/hst_Session.h"
#include "host/hst_StepFlow.h"
#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/steps/general/kprC_HeatTransferStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "store/sto_FormatVersion.h"
#include "store/sto_Sqlite.h"
#include "support/tst_CraftedModels.h"
#include "support/tst_Files.h"
#include "support/tst_OldModels.h"
#include "tools/stepwise/stw_Commands.h"
#include "tools/stepwise/stw_Loads.h"

namespace fs = std::filesystem;

namespace {

std::string Read(fs::path const& path) { return tst_ReadFile(path.string()); }

struct Outcome {
    std::string out, err;
    int exit;
};

// The library, and a scratch folder that holds the demo file, a model with invalid steps
// and loads, and a file that is not a model.
class Stepwise : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = fs::temp_directory_path() / ("stepwise_tools_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        stw_Library library;
        std::ostringstream ignored;
        ASSERT_EQ(stw_Demo((dir / "demo.swdb").string(), false, false, ignored), stw_OK);
        // The README's invalid.swdb ships as examples/invalid.swdb; STEPWISE_UPDATE_EXPECTED=1
        // writes it again from InvalidModel().
        if (std::getenv("STEPWISE_UPDATE_EXPECTED")) stw_Save(InvalidModel(), Example().string(), true);
        fs::copy_file(Example(), dir / "invalid.swdb");
        std::ofstream(dir / "notes.swdb") << "These are notes, not a model.\n";
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }
    static fs::path Example() { return fs::path(STEPWISE_EXAMPLES) / "invalid.swdb"; }

    // A static step left with its default increments; a heat transfer step, which may not
    // follow it and where a force is not valid; a force created with zero magnitudes (kept
    // by the load although its check refuses it) and one that is valid.
    static ddr_Model InvalidModel() {
        ddr_Model model;
        auto& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
        steps.SetInitialStep("Initial", kprC_InitialStep());
        steps.InsertAfter("Initial", "Preload", kprC_StaticStep());
        steps.InsertAfter("Preload", "Heat", kprC_HeatTransferStep(), true);
        kprC_StaticStep unload;
        unload.initialInc(0.1), unload.minInc(1e-5), unload.maxInc(1.0);
        steps.InsertAfter("Heat", "Unload", unload, true);
        auto& loads = model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd());
        loads.UpdateSteps(hst_StepFlow::StepList(steps, false));
        loads.Insert("Push", kloC_ConcentratedForce(rgnC_Region({"Tip"}, 1), "Preload", kloC_ConcentratedForceState(1.0, 0.0, 0.0)));
        loads.Insert("Zero", kloC_ConcentratedForce(rgnC_Region({"Tip"}, 1), "Preload", kloC_ConcentratedForceState(1.0, 0.0, 0.0)));
        EXPECT_THROW(loads.Get("Zero").Insert("Preload", kloC_ConcentratedForceState(0.0, 0.0, 0.0)), nex_Exception);
        return model;
    }

    // The program run in the scratch folder, its standard output a file (not a terminal).
    static Outcome Run(std::string const& args, std::string const& output = "out.txt") {
        std::string const command = "cd '" + dir.string() + "' && '" STEPWISE_BIN "' " + args + " >" + output + " 2>err.txt";
        int const status = std::system(command.c_str());
        return {Read(dir / "out.txt"), Read(dir / "err.txt"), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    }

    // The text of an expected-output file; STEPWISE_UPDATE_EXPECTED=1 rewrites it instead.
    static std::string Expected(std::string const& name, std::string const& actual) {
        fs::path const path = fs::path(STEPWISE_EXPECTED) / name;
        if (std::getenv("STEPWISE_UPDATE_EXPECTED")) std::ofstream(path, std::ios::binary) << actual;
        return Read(path);
    }

    // The refusal to replace an existing file that is not a writable model file.
    static std::string WillNotReplace(std::string const& name, std::string const& why) {
        return "stepwise: will not replace '" + name + "': " + why + "; give --force to replace it\n";
    }

    stw_Library library;
    static inline fs::path dir;
};

// What each command writes: its output, compared with a file under tests/tools/expected
// or holding the words it must mention, or a failure in plain words on standard error
// (nullptr: some "stepwise: " line).
TEST_F(Stepwise, CommandsPrintTheExpectedTextOrPlainWordsAndTheirExitStatus) {
    struct Case {
        std::string args;
        char const* expected;  // the expected-output file, or nullptr for none
        char const* err;
        int exit;
        std::vector<std::string> mentions = {};  // instead of an expected file
    };
    Case const cases[] = {
        {"demo", "demo.txt", "", 0},
        {"show demo.swdb", "show.txt", "", 0},
        {"show --json demo.swdb", "show.json", "", 0},
        {"check demo.swdb", "check-demo.txt", "", 0},
        {"steps demo.swdb", "steps.txt", "", 0},
        {"steps demo.swdb --after Step-2", "steps-after-step-2.txt", "", 0},
        {"steps demo.swdb --after Initial", "steps-after-initial.txt", "", 0},
        {"show invalid.swdb", "show-invalid.txt", "", 0},
        {"check invalid.swdb", "check-invalid.txt", "", 1},
        {"steps invalid.swdb", "steps-invalid.txt", "", 1},
        {"check missing.swdb", nullptr, "stepwise: cannot open 'missing.swdb': the file does not exist\n", 2},
        {"show notes.swdb", nullptr, "stepwise: cannot open 'notes.swdb': it is not an SQLite database\n", 2},
        {"steps notes.swdb", nullptr, "stepwise: cannot open 'notes.swdb': it is not an SQLite database\n", 2},
        {"show .", nullptr, "stepwise: cannot open '.': it is not a regular file\n", 2},
        {"demo no/such/folder/demo.swdb", nullptr, nullptr, 2},
        {"steps demo.swdb --after Nope", nullptr, "stepwise: there is no step named 'Nope' in 'demo.swdb'\n", 3},
        {"", nullptr, "stepwise: no command given\nRun 'stepwise --help' for the commands and their options.\n", 3},
        {"frobnicate demo.swdb", nullptr,
         "stepwise: unknown command 'frobnicate'\nRun 'stepwise --help' for the commands and their options.\n", 3},
        {"show --colour demo.swdb", nullptr, nullptr, 3},
        {"show", nullptr, nullptr, 3},
        {"--help", nullptr, "", 0, {"demo", "show", "check", "steps", "upgrade", "Exit status"}},
        {"upgrade --help", nullptr, "", 0, {"OLD", "NEW", "--force"}},
        {"show --help", nullptr, "", 0, {"FILE", "--json"}},
        {"steps --help", nullptr, "", 0, {"FILE", "--after NAME"}},
        {"demo --help", nullptr, "", 0, {"demo.swdb"}},
        {"check --help", nullptr, "", 0, {"FILE"}},
    };
    for (auto const& c : cases) {
        Outcome const outcome = Run(c.args);
        if (c.mentions.empty()) EXPECT_EQ(outcome.out, c.expected ? Expected(c.expected, outcome.out) : "") << c.args;
        for (auto const& word : c.mentions) EXPECT_NE(outcome.out.find(word), std::string::npos) << c.args << ": " << word;
        if (c.err)
            EXPECT_EQ(outcome.err, c.err) << c.args;
        else
            EXPECT_TRUE(outcome.err.starts_with("stepwise: ")) << c.args << ": " << outcome.err;
        EXPECT_EQ(outcome.exit, c.exit) << c.args;
    }
    // Without a FILE, demo writes demo.swdb in the current folder.
    fs::remove(dir / "demo.swdb");
    EXPECT_EQ(Run("demo").exit, 0);
    EXPECT_TRUE(fs::is_regular_file(dir / "demo.swdb"));
}

TEST_F(Stepwise, ColourAddsOnlyEscapesToThePlainText) {
    stw_View const view = stw_BuildView(stw_Open((dir / "demo.swdb").string()));
    std::string const plain = stw_Render(view, false), coloured = stw_Render(view, true);
    EXPECT_EQ(plain.find('\x1b'), std::string::npos);
    EXPECT_NE(coloured.find("\x1b[1m"), std::string::npos);
    EXPECT_EQ(std::regex_replace(coloured, std::regex("\x1b\\[[0-9;]*m"), ""), plain);
}

TEST_F(Stepwise, TheShippedInvalidExampleIsTheModelTheTestsBuild) {
    EXPECT_EQ(stw_Image(stw_Open(Example().string())), stw_Image(InvalidModel()));
}

TEST_F(Stepwise, StatusWordsAreDistinct) {
    std::set<std::string> words;
    for (unsigned status = 0; status <= 16; ++status) words.insert(stw_Word(status).word);
    EXPECT_EQ(words.size(), 17u);
    EXPECT_STREQ(stw_Word(8).word, "base state");
    EXPECT_STREQ(stw_Word(0).word, "-");
}

// Every crafted file is refused (or, where it can be read, its output) in one clear line,
// and is left exactly as it was, with nothing created beside it.
TEST_F(Stepwise, CraftedFilesAreRefusedClearlyAndLeftAsTheyWere) {
    for (auto const& c : tst_CraftedModels()) {
        std::string const name = std::string("crafted-") + c.name + ".swdb";
        fs::copy_file(dir / "demo.swdb", dir / name, fs::copy_options::overwrite_existing);
        c.spoil((dir / name).string());
        std::string const before = Read(dir / name);
        Outcome const outcome = Run(std::string(c.command) + " '" + name + "'");
        std::string const err = c.err.starts_with("stepwise: ") ? c.err : "stepwise: cannot open '" + name + "': " + c.err + "\n";
        EXPECT_EQ(outcome.err, err) << c.name;
        EXPECT_EQ(outcome.out, "") << c.name;
        EXPECT_EQ(outcome.exit, c.exit) << c.name;
        EXPECT_EQ(Read(dir / name), before) << c.name;
        for (char const* beside : {"-journal", "-wal", "-shm"}) EXPECT_FALSE(fs::exists(dir / (name + beside))) << c.name;
        fs::remove(dir / name);
    }
}

// demo replaces only a model file the user may write, unless --force; "file:..." is a name.
TEST_F(Stepwise, SavingReplacesOnlyWritableModelFiles) {
    std::ofstream(dir / "notes.txt") << "notes\n";
    fs::copy_file(dir / "demo.swdb", dir / "locked.swdb", fs::copy_options::overwrite_existing);
    fs::permissions(dir / "locked.swdb", fs::perms::owner_read | fs::perms::group_read);
    fs::create_directory(dir / "folder.swdb");
    // A transaction of another program on busy.swdb: replacing the file would lose its commit.
    // (Nothing here may open and close busy.swdb while it is held: that drops the lock.)
    fs::copy_file(dir / "demo.swdb", dir / "busy.swdb", fs::copy_options::overwrite_existing);
    std::string const busy = Read(dir / "busy.swdb");
    sto_Connection other(sto_FileUri((dir / "busy.swdb").string(), "mode=rw"), SQLITE_OPEN_READWRITE);
    other.Exec("BEGIN IMMEDIATE");
    struct Case {
        std::string args, err;
        int exit;
    } const cases[] = {
        {"demo notes.txt", WillNotReplace("notes.txt", "it is not a Stepwise model file"), 2},
        {"demo locked.swdb", WillNotReplace("locked.swdb", "it is write-protected"), 2},
        {"demo folder.swdb", WillNotReplace("folder.swdb", "it is not a regular file"), 2},
        {"demo busy.swdb", WillNotReplace("busy.swdb", "another program has it open in a transaction"), 2},
        {"demo --force notes.txt", "", 0},
        {"demo --force locked.swdb", "", 0},
        {"demo 'file:demo.swdb?x='", "", 0},
    };
    for (auto const& c : cases) {
        std::string const demo = Read(dir / "demo.swdb"), notes = Read(dir / "notes.txt"), locked = Read(dir / "locked.swdb");
        Outcome const outcome = Run(c.args);
        EXPECT_EQ(outcome.err, c.err) << c.args;
        EXPECT_EQ(outcome.exit, c.exit) << c.args;
        EXPECT_EQ(Read(dir / "demo.swdb"), demo) << c.args;
        if (c.exit != 0) EXPECT_EQ(Read(dir / "notes.txt"), notes) << c.args;
        if (c.exit != 0) EXPECT_EQ(Read(dir / "locked.swdb"), locked) << c.args;
    }
    EXPECT_EQ(Read(dir / "busy.swdb"), busy);
    EXPECT_EQ(Run("check notes.txt").exit, 0);
    EXPECT_EQ(Run("check 'file:demo.swdb?x='").exit, 0);
    EXPECT_EQ(fs::status(dir / "locked.swdb").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::group_read);
}

// upgrade writes the converted model of an old file to a new file and says what it
// converted; it never writes over OLD, and replaces an existing NEW only as demo replaces
// FILE. OLD's bytes never change; show and check read the old file as they read any.
TEST_F(Stepwise, UpgradeWritesTheConvertedModelToANewFileAndNeverOverTheOld) {
    // The demo model as a release of the 203 loads stored it.
    dbs_Database const demo = stw_Image(stw_Open((dir / "demo.swdb").string()));
    tst_WriteOldModel((dir / "old.swdb").string(),
                      tst_AsOldTables(demo, {{kloC_Load_TypeId, 203}, {kloC_StateQuad_TypeId, 203}}), demo.Roots());
    std::string const old = Read(dir / "old.swdb");
    fs::create_symlink("old.swdb", dir / "link.swdb");
    fs::create_hard_link(dir / "old.swdb", dir / "hard.swdb");
    std::ofstream(dir / "upgrade-notes.txt") << "notes\n";
    auto overOld = [](std::string const& name) {
        return "stepwise: will not write the upgraded model over 'old.swdb' itself ('" + name +
               "' is the same file); name a new file\n";
    };
    struct Case {
        std::string args;
        std::string out, err;
        int exit;
    } const cases[] = {
        {"upgrade old.swdb new.swdb",
         "Converted 'old.swdb' and wrote the model to 'new.swdb':\n"
         "  kloC_Load: version 203 -> 815, 3 rows\n"
         "  kloC_StateQuad: version 203 -> 831, 15 rows\n",
         "", 0},
        {"upgrade new.swdb again.swdb", "'new.swdb' needed no conversion; wrote its model to 'again.swdb'.\n", "", 0},
        // A model file the user may write is replaced, as demo replaces one.
        {"upgrade old.swdb again.swdb", "", "", 0},
        {"upgrade old.swdb old.swdb", "", overOld("old.swdb"), 3},
        {"upgrade old.swdb ./old.swdb", "", overOld("./old.swdb"), 3},
        {"upgrade old.swdb link.swdb", "", overOld("link.swdb"), 3},
        {"upgrade old.swdb hard.swdb", "", overOld("hard.swdb"), 3},
        {"upgrade old.swdb upgrade-notes.txt", "", WillNotReplace("upgrade-notes.txt", "it is not a Stepwise model file"), 2},
        {"upgrade missing.swdb other.swdb", "", "stepwise: cannot open 'missing.swdb': the file does not exist\n", 2},
        {"upgrade old.swdb", "", "stepwise: NEW is required\nRun 'stepwise --help' for the commands and their options.\n", 3},
        {"upgrade --force old.swdb upgrade-notes.txt", "", "", 0},
        {"check old.swdb", "'old.swdb' is valid: 6 steps, 3 loads.\n", "", 0},
    };
    for (auto const& c : cases) {
        Outcome const outcome = Run(c.args);
        if (c.exit != 0 || !c.out.empty()) EXPECT_EQ(outcome.out, c.out) << c.args;
        EXPECT_EQ(outcome.err, c.err) << c.args;
        EXPECT_EQ(outcome.exit, c.exit) << c.args;
        EXPECT_EQ(Read(dir / "old.swdb"), old) << c.args;
    }
    EXPECT_FALSE(fs::exists(dir / "other.swdb"));
    for (char const* file : {"old.swdb", "new.swdb", "again.swdb", "upgrade-notes.txt"})
        EXPECT_EQ(Run(std::string("show ") + file).out, Read(fs::path(STEPWISE_EXPECTED) / "show.txt")) << file;
    EXPECT_EQ(stw_Image(stw_Open((dir / "new.swdb").string())), demo);
}

TEST_F(Stepwise, OutputThatCannotBeWrittenFailsAndTheVersionIsShown) {
    Outcome const full = Run("show demo.swdb", "/dev/full");
    EXPECT_EQ(full.err, "stepwise: cannot write the output (No space left on device)\n");
    EXPECT_EQ(full.exit, 2);
    Outcome const version = Run("--version");
    EXPECT_EQ(version.out, "stepwise " STEPWISE_VERSION " (model file format " + std::to_string(sto_FormatVersion) + ")\n");
    EXPECT_EQ(version.exit, 0);
}

// A load row with fewer or more statuses than there are steps still renders whole lines.
// One row per load of every type, each named by its type's label. The loads are
// suppressed, so that a static step holds any of them.
TEST_F(Stepwise, TheMatrixShowsEveryLoadType) {
    ddr_Model model;
    auto& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    steps.SetInitialStep("Initial", kprC_InitialStep());
    steps.InsertAfter("Initial", "Step-1", kprC_StaticStep());
    auto& loads = model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd());
    loads.UpdateSteps(hst_StepFlow::StepList(steps, false));
    std::set<std::string> labels;
    for (auto const* c : hst_Session::LoadClasses()) {
        std::unique_ptr<kloC_Load> load(dynamic_cast<kloC_Load*>(c->create()));
        std::unique_ptr<cls_Persistent> state(hst_Session::StateClassOf(c->typeId)->create());
        load->Insert("Step-1", dynamic_cast<kloC_LoadState const&>(*state));
        load->Suppress();
        loads.Insert(c->constructorName, *load);
        labels.insert(kloC_LoadTypeLabelMap::Instance().Label(c->typeId));
    }
    std::set<std::string> shown;
    for (auto const& row : stw_LoadRows(model, {"Step-1"})) shown.insert(row.type);
    EXPECT_EQ(shown, labels);
    EXPECT_EQ(labels.size(), 33u);
    EXPECT_FALSE(labels.contains(""));
}

TEST_F(Stepwise, RowsOfAnotherLengthThanTheStepsStayInTheirColumns) {
    stw_View view{{{"Initial", "Initial", false, 0.0}, {"A", "Static, General", false, 1.0}, {"B", "Frequency", false, 0.0}},
                  {{"Short", "Pressure", false, {1}}, {"Long", "Pressure", false, {1, 2, 2, 2}}, {"None", "Moment", false, {stw_NoRecord, 1}}}};
    std::string const text = stw_Render(view, false);
    EXPECT_NE(text.find("  Short  Pressure  created\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  Long   Pressure  created  propagated\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  None   Moment    ?        created\n"), std::string::npos) << text;
    EXPECT_EQ(stw_ToJson(view)["loads"][1]["history"].size(), 2u);
}

}  // namespace
