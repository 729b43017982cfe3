#pragma once
// Everything the program asks of the model's loads, kept in one place: the rows of the
// loading-history matrix, the problems of `check`, and the loads of the demo model.
#include <string>
#include <vector>

#include "tools/stepwise/stw_View.h"

// One refusal found by `check`: the kind and name of the object, the exact message, and
// a line that explains it further (empty when the message says it all).
struct stw_Problem {
    std::string kind;  // "step" or "load"
    std::string name;
    std::string message;
    std::string detail = {};
    bool operator==(stw_Problem const&) const = default;
};

// One row per load, its statuses placed by the names of `steps` (the analysis steps); a
// step the load has no record for shows stw_NoRecord.
std::vector<stw_LoadRow> stw_LoadRows(ddr_Model const& model, std::vector<std::string> const& steps);
std::vector<stw_Problem> stw_LoadProblems(ddr_Model const& model);
// Over the demo's steps: a force created in Step-1 and modified in Step-3, a pressure
// created in Step-1 and deactivated in Step-3, a moment created in the perturbation Step-4.
void stw_AddDemoLoads(ddr_Model& model);
