#include "tools/stepwise/stw_Commands.h"

namespace {
std::string Count(std::size_t n, std::string const& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}
}  // namespace

std::vector<stw_Problem> stw_Problems(ddr_Model const& model) { return hst_Problems(model); }

int stw_Check(std::string const& path, std::ostream& out) {
    ddr_Model const model = stw_Open(path);
    auto const problems = stw_Problems(model);
    for (auto const& p : problems) {
        out << p.kind << " '" << p.name << "': " << p.message << "\n";
        if (!p.detail.empty()) out << "  " << p.detail << "\n";
    }
    if (!problems.empty()) {
        out << Count(problems.size(), "problem") << " in '" << path << "'.\n";
        return stw_INVALID;
    }
    stw_View const view = stw_BuildView(model);
    out << "'" << path << "' is valid: " << Count(view.steps.size(), "step") << ", "
        << Count(view.loads.size(), "load") << ".\n";
    return stw_OK;
}
