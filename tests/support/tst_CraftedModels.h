#pragma once
// Damaged and crafted variants of the demo model file, each made with plain SQL on a copy
// of it, with what the program must answer: the regression corpus of the model file and
// the program (tests/tools) and the seeds of the whole-program fuzz target (fuzz/).
#include <sqlite3.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Runs SQL on a file through a plain connection; the rows come back as "a|b" lines.
inline std::string tst_Sql(std::string const& path, std::string const& sql, int flags = SQLITE_OPEN_READWRITE) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    std::string out;
    char* error = nullptr;
    sqlite3_exec(
        db, sql.c_str(),
        [](void* p, int n, char** values, char**) {
            auto& s = *static_cast<std::string*>(p);
            for (int i = 0; i < n; ++i) s += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
            s += "\n";
            return 0;
        },
        &out, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (!message.empty()) throw std::runtime_error(message + " in: " + sql);
    return out;
}

// Appends `n` copies of Step-1 (its rows in kprC_Step, kprC_AnalysisStep, kprC_StaticStep),
// each naming the next in its contact control list, the first named by Step-1 itself.
inline void tst_ChainOfSteps(std::string const& path, int n) {
    auto columns = [&](char const* table, std::string const& without) {
        std::string list = tst_Sql(path, "SELECT group_concat('\"' || name || '\"', ',') FROM pragma_table_info('" +
                                             std::string(table) + "') WHERE name NOT IN (" + without + ")");
        list.pop_back();  // the newline
        return list;
    };
    auto count = [&](char const* table) { return std::stoi(tst_Sql(path, "SELECT count(*) FROM " + std::string(table))); };
    int const steps = count("kprC_Step"), analysis = count("kprC_AnalysisStep"), statics = count("kprC_StaticStep");
    std::string const id = "(SELECT classId FROM \"##classes\" WHERE name = 'kprC_StaticStep')";
    std::string const ref = "'[{\"ref\":[' || " + id + " || ',' || (" + std::to_string(statics) + " + i) || ']}]'";
    std::string const each = "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                             std::to_string(n - 1) + ") ";
    auto const step = columns("kprC_Step", "'##OID'");
    auto const an = columns("kprC_AnalysisStep", "'##OID', '##BaseClassOID', 'contactControls'");
    auto const st = columns("kprC_StaticStep", "'##OID', '##BaseClassOID'");
    tst_Sql(path, each + "INSERT INTO kprC_Step(\"##OID\"," + step + ") SELECT " + std::to_string(steps) + " + i," + step +
                      " FROM n, kprC_Step WHERE \"##OID\" = 0;" + each + "INSERT INTO kprC_AnalysisStep(\"##OID\", "
                      "\"##BaseClassOID\", contactControls," + an + ") SELECT " + std::to_string(analysis) + " + i, " +
                      std::to_string(steps) + " + i, CASE WHEN i < " + std::to_string(n - 1) + " THEN " + ref +
                      " ELSE '[]' END," + an + " FROM n, kprC_AnalysisStep WHERE \"##OID\" = 0;" + each +
                      "INSERT INTO kprC_StaticStep(\"##OID\", \"##BaseClassOID\"," + st + ") SELECT " +
                      std::to_string(statics) + " + i, " + std::to_string(analysis) + " + i," + st +
                      " FROM n, kprC_StaticStep WHERE \"##OID\" = 0;"
                      "UPDATE kprC_AnalysisStep SET contactControls = '[{\"ref\":[' || " + id + " || '," +
                      std::to_string(statics) + "]}]' WHERE \"##OID\" = 0;"
                      "UPDATE \"##classes\" SET rows = rows + " + std::to_string(n) +
                      " WHERE name IN ('kprC_Step', 'kprC_AnalysisStep', 'kprC_StaticStep')");
}

struct tst_CraftedModel {
    char const* name;
    std::function<void(std::string const& path)> spoil;  // run on a copy of the demo file
    char const* command;                                  // "show", "show --json", "check"
    std::string err;  // what the program writes after "stepwise: cannot open '<file>': ", or all of it
    int exit = 2;
};

inline std::vector<tst_CraftedModel> tst_CraftedModels() {
    auto sql = [](std::string statements) { return [statements](std::string const& p) { tst_Sql(p, statements); }; };
    std::string const classOf = "(SELECT classId FROM \"##classes\" WHERE name = ";
    std::string const history = "the history of load \"Force\" does not fit the steps: ";
    return {
        {"chain-30000", [](std::string const& p) { tst_ChainOfSteps(p, 30000); }, "show",
         "bad value in table \"kprC_AnalysisStep\", row 0, column \"contactControls\": refers to a kprC_StaticStep "
         "where a kprC_ContactControls is expected"},
        {"history-short", sql("UPDATE kloC_Load SET states = json_remove(states, '$[4]') WHERE \"##OID\" = 0"), "show",
         history + "it has 4 step records where the model has 5 steps"},
        {"history-long",
         sql("UPDATE kloC_Load SET states = json_insert(states, '$[#]', json_extract(states, '$[4]')) WHERE \"##OID\" = 0"),
         "show --json", history + "it has 6 step records where the model has 5 steps"},
        {"states-null", sql("UPDATE kloC_Load SET states = NULL WHERE \"##OID\" = 0"), "show",
         history + "it has 0 step records where the model has 5 steps"},
        {"states-empty", sql("UPDATE kloC_Load SET states = '[]' WHERE \"##OID\" = 0"), "check",
         history + "it has 0 step records where the model has 5 steps"},
        {"no-steps-root", sql("DELETE FROM \"##roots\" WHERE name = 'steps'"), "check",
         "it holds no steps (the model member \"steps\" is missing)"},
        {"record-of-another-name", sql("UPDATE kloC_StateQuad SET stepName = 'Step-9' WHERE \"##OID\" = 1"), "show",
         history + "its record 2 is for step \"Step-9\" where the model has \"Step-2\" (one record per step, in step order)"},
        {"records-swapped",
         sql("UPDATE kloC_StateQuad SET stepName = CASE \"##OID\" WHEN 0 THEN 'Step-2' ELSE 'Step-1' END "
             "WHERE \"##OID\" IN (0, 1)"),
         "check", history + "its record 1 is for step \"Step-2\" where the model has \"Step-1\" (one record per step, in step order)"},
        {"record-of-another-step",
         sql("UPDATE kloC_StateQuad SET \"procedure#ClassID\" = " + classOf + "'kprC_StaticStep'), \"procedure#OID\" = 0 "
             "WHERE \"##OID\" = 1"),
         "show", history + "its record for step \"Step-2\" is for a Static, General step where the model's is a Frequency step"},
        {"modified-without-creation", sql("UPDATE kloC_StateQuad SET status = 'MODIFIED' WHERE \"##OID\" = 0"), "check",
         history + "step \"Step-1\" shows MODIFIED where propagating its definitions gives CREATED"},
        {"created-twice", sql("UPDATE kloC_StateQuad SET status = 'CREATED' WHERE \"##OID\" = 2"), "show",
         history + "step \"Step-3\" shows CREATED where propagating its definitions gives MODIFIED"},
        {"deactivated-in-frequency", sql("UPDATE kloC_StateQuad SET status = 'DEACTIVATED' WHERE \"##OID\" = 11"), "check",
         "the history of load \"Pressure\" does not fit the steps: step \"Step-2\" shows DEACTIVATED where "
         "propagating its definitions gives BUILT_INTO_BASE_STATE"},
        {"unknown-status", sql("UPDATE kloC_StateQuad SET status = 'SOMETIMES' WHERE \"##OID\" = 4"), "show",
         "bad value in table \"kloC_StateQuad\", row 4, column \"status\": holds \"SOMETIMES\", which is not one of "
         "NOT_YET_CREATED, CREATED, PROPAGATED, MODIFIED, DEACTIVATED, INACTIVE, NOT_VALID_IN_STEP, "
         "OUTSIDE_PERTURBATION_STEP, BUILT_INTO_BASE_STATE, PROPAGATED_FROM_BASE_STATE, MODIFIED_FROM_BASE_STATE"},
        {"duplicate-load-names", sql("UPDATE kloC_LoadContainer SET map = replace(map, '\"Moment\"', '\"Force\"')"), "show",
         "bad value in table \"kloC_LoadContainer\", row 0, column \"map\": holds the key \"Force\" twice"},
        {"abstract-load",
         sql("UPDATE kloC_LoadContainer SET map = replace(map, '[' || " + classOf + "'kloC_Moment') || ',', '[' || " +
             classOf + "'kloC_Load') || ',')"),
         "show", "bad value in table \"kloC_LoadContainer\", row 0, column \"map\": refers to kloC_Load, an abstract class"},
        {"load-without-object",
         sql("UPDATE kloC_LoadContainer SET map = replace(map, '[\"Force\",{\"ref\":[' || " + classOf +
             "'kloC_ConcentratedForce') || ',0]}]', '[\"Force\",null]')"),
         "check", "the model member \"loads\" holds no object under \"Force\""},
        {"load-step-list", sql("UPDATE kloC_LoadContainer SET procedures = json_remove(procedures, '$[4]')"), "check",
         "the load container follows the steps \"Step-1\", \"Step-2\", \"Step-3\", \"Step-4\" where the model's analysis "
         "steps are \"Step-1\", \"Step-2\", \"Step-3\", \"Step-4\", \"Step-5\""},
        {"steps-of-another-class",
         sql("UPDATE \"##roots\" SET classId = (SELECT classId FROM \"##roots\" WHERE name = 'loads') WHERE name = 'steps'"),
         "show", "the model member \"steps\" is a kloC_LoadContainer where a kprC_StepContainer is expected"},
        {"order-twice",
         sql("UPDATE kprC_StepContainer SET \"order\" = replace(\"order\", '\"Step-2\"', '\"Step-1\"')"), "check",
         "bad object in table \"kprC_StepContainer\", row 0: Invalid step container: the order names step \"Step-1\" twice"},
        {"initial-not-first",
         sql("UPDATE kprC_StepContainer SET \"order\" = '[\"Step-1\",\"Initial\",\"Step-2\",\"Step-3\",\"Step-4\",\"Step-5\"]'"),
         "show",
         "bad object in table \"kprC_StepContainer\", row 0: Invalid step container: its first step \"Step-1\" is not an "
         "Initial step"},
        {"infinite-time-period", sql("UPDATE kprC_StaticStep SET timePeriod = 9e999 WHERE \"##OID\" = 0"), "show --json",
         "bad value in table \"kprC_StaticStep\", row 0, column \"timePeriod\": holds +infinity where a finite number is "
         "expected"},
        {"view-of-a-class-table",
         sql("ALTER TABLE kloC_StateQuad RENAME TO q; CREATE VIEW kloC_StateQuad AS SELECT * FROM q"), "check",
         "class 42467344 (\"kloC_StateQuad\"): table \"kloC_StateQuad\" is a view, not a plain table"},
        {"invalid-utf8-name",
         sql("UPDATE kloC_LoadContainer SET map = replace(map, '\"Moment\"', '\"M' || CAST(X'FF' AS TEXT) || 'oment\"')"),
         "show --json", "stepwise: cannot write JSON: the load name \"M\\xFFoment\" is not valid UTF-8\n", 1},
    };
}
