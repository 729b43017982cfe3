#pragma once
// The commands of the stepwise program. Each writes its report to `out` and returns the
// exit status; a failure to report in plain words (unreadable file, unknown step) is
// raised as stw_Failure.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/stepwise/stw_Loads.h"
#include "tools/stepwise/stw_Model.h"

// The whole program: parses the command line, runs the command, reports failures on `err`.
int stw_Main(int argc, char const* const* argv, std::ostream& out, std::ostream& err, bool colour);

int stw_Demo(std::string const& path, bool force, bool colour, std::ostream& out);
int stw_Show(std::string const& path, bool colour, bool json, std::ostream& out);
int stw_Check(std::string const& path, std::ostream& out);
int stw_Steps(std::string const& path, std::optional<std::string> const& after, std::ostream& out);
// Writes the model of `from`, converted from its release's stored form, to `to` (replaced
// as stw_Save replaces files); refuses `to` naming `from` itself (stw_USAGE).
int stw_Upgrade(std::string const& from, std::string const& to, bool force, std::ostream& out);

// The sample model of `stepwise demo`, built through the host's command session as scripts build models.
ddr_Model stw_DemoModel();
// Every refusal of the model's steps (each step's own rules, then the sequence) and loads.
std::vector<stw_Problem> stw_Problems(ddr_Model const& model);
