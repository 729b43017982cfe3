#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "module/kpr/sequencer/kprC_StepSequencer.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "tools/stepwise/stw_Commands.h"

namespace {
// "'Heat' (Heat transfer) may not follow 'Preload' (Static, General); after 'Preload' may
// come: general 'Static, General', ...; perturbation 'Buckle', ..."
std::string FollowLine(kprC_StepContainer const& steps, std::string const& before, std::string const& step) {
    kprC_StepSequencer sequencer(steps, false);
    sequencer.Run(before, false);
    auto list = [](cow_List<unsigned int> const& codes) {
        std::string out;
        for (unsigned code : codes) out += (out.empty() ? "'" : ", '") + kprC_ProcedureLabel(code) + "'";
        return out.empty() ? std::string("none") : out;
    };
    return "'" + step + "' (" + kprC_ProcedureLabel(steps.ConstGet(step).ProcedureType()) + ") may not follow '" + before + "' (" +
           kprC_ProcedureLabel(steps.ConstGet(before).ProcedureType()) + "); after '" + before + "' may come: general " +
           list(sequencer.AppendableGeneral()) + "; perturbation " + list(sequencer.AppendablePerturbation());
}

std::string Count(std::size_t n, std::string const& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}
}  // namespace

std::vector<stw_Problem> stw_Problems(ddr_Model const& model) {
    std::vector<stw_Problem> problems;
    auto const& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    auto const names = steps.Keys();
    for (std::size_t i = 1; i < names.size(); ++i) {
        try {
            steps.ConstGet(names[i]).AssertValid();
        } catch (std::exception const& e) {
            problems.push_back({"step", names[i], e.what()});
        }
    }
    // The first step that may not follow the ones before it carries the sequence's refusal,
    // and a line saying what may follow the step before it.
    kprC_StepSequencer sequencer(steps, false);
    for (std::size_t i = 1; i < names.size(); ++i) {
        try {
            sequencer.Run(names[i], false);
        } catch (std::exception const& e) {
            problems.push_back({"step", names[i], e.what(), FollowLine(steps, names[i - 1], names[i])});
            break;
        }
    }
    auto const loads = stw_LoadProblems(model);
    problems.insert(problems.end(), loads.begin(), loads.end());
    return problems;
}

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
