#pragma once
// Everything the program asks of the model's loads and adaptive mesh constraints, kept in
// one place: the rows of the loading-history matrix.
#include <string>
#include <vector>

#include "host/hst_Problems.h"
#include "tools/stepwise/stw_View.h"

// One refusal found by `check`.
using stw_Problem = hst_Problem;

// One row per load, its statuses placed by the names of `steps` (the analysis steps); a
// step the load has no record for shows stw_NoRecord.
std::vector<stw_LoadRow> stw_LoadRows(ddr_Model const& model, std::vector<std::string> const& steps);
// The same for the adaptive mesh constraints, over `steps` the Initial step included.
std::vector<stw_LoadRow> stw_ConstraintRows(ddr_Model const& model, std::vector<std::string> const& steps);
