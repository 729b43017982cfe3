#include "tools/stepwise/stw_Loads.h"

std::vector<stw_LoadRow> stw_LoadRows(ddr_Model const&) { return {}; }

std::vector<stw_Problem> stw_LoadProblems(ddr_Model const&) { return {}; }

void stw_ListenWithLoads(hst_StepFlow&, ddr_Model&) {}

void stw_AddDemoLoads(ddr_Model&) {}
