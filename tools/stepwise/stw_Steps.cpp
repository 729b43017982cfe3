#include <algorithm>

#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "module/kpr/sequencer/kprC_StepSequencer.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "tools/stepwise/stw_Commands.h"

int stw_Steps(std::string const& path, std::optional<std::string> const& after, std::ostream& out) {
    ddr_Model const model = stw_Open(path);
    auto const& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    auto const names = steps.Keys();
    // A model without steps may still be opened: it behaves as the Initial step alone.
    std::string const name = after.value_or(names.empty() ? kprC_Step::initialCmd().c_str() : names.back());
    if ((after || !names.empty()) && std::ranges::find(names, name) == names.end())
        throw stw_Failure("there is no step named '" + name + "' in '" + path + "'", stw_USAGE);

    kprC_StepSequencer sequencer(steps, false);
    try {
        sequencer.Run(name, false);
    } catch (std::exception const& e) {
        out << "The steps up to '" << name << "' are not a valid sequence: " << e.what() << "\n";
        return stw_INVALID;
    }
    auto const& labels = thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance().TranslatedLabels();
    out << "Procedures that may follow '" << name << "':\n";
    auto list = [&](char const* title, cow_List<unsigned int> const& codes) {
        out << "\n" << title << "\n";
        if (codes.empty()) out << "  (none)\n";
        for (unsigned code : codes) out << "  " << labels.at(code) << "\n";
    };
    list("General", sequencer.AppendableGeneral());
    list("Perturbation", sequencer.AppendablePerturbation());
    return stw_OK;
}
