#include "host/hst_Problems.h"

#include "host/hst_StepControls.h"
#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "module/kpr/sequencer/kprC_StepSequencer.h"
#include "module/kpr/steps/kprC_StepContainer.h"

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

// Each adaptive mesh control in name order, then the domains of each step in history
// order: their own rules, and a domain held by a step that does not allow domains. A
// domain is named by its key; the detail names its step where the key does not.
void AddAdaptiveMeshProblems(ddr_Model const& model, std::vector<hst_Problem>& problems) {
    // The refusal `check` raises, if any, as a problem of the named object.
    auto report = [&](char const* kind, std::string const& name, auto const& check, std::string const& detail) {
        try {
            check();
        } catch (std::exception const& e) {
            problems.push_back({kind, name, e.what(), detail});
        }
    };
    auto const& controls = model.Extension<kadC_AdptMeshCtrlCont>(ddr_Model::adaptiveMeshControlCmd());
    for (auto const& name : controls.Keys())
        report("adaptive mesh control", name, [&] { controls.Get(name).AssertValid(); }, "");
    auto const& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    for (auto const& stepName : steps.Keys()) {
        auto const* step = dynamic_cast<kprC_AnalysisStep const*>(&steps.ConstGet(stepName));
        if (!step) continue;
        for (auto const& entry : step->amd()) {
            // Named, not a structured binding: lambdas cannot capture those in every compiler.
            auto const& name = entry.first;
            auto const& domain = entry.second;
            std::string const detail = name == stepName ? "" : "held by step '" + stepName + "'";
            if (!step->AllowAdaptiveMeshDomains())
                problems.push_back({"adaptive mesh domain", name, hst_NoDomainsMessage(stepName), detail});
            if (domain) report("adaptive mesh domain", name, [&] { domain->AssertValid(); }, detail);
        }
    }
}
}  // namespace

std::string hst_NoDomainsMessage(std::string const& stepName) {
    return "Step '" + stepName + "' does not allow adaptive mesh domains.";
}

std::vector<hst_Problem> hst_Problems(ddr_Model const& model) {
    std::vector<hst_Problem> problems;
    auto const& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    auto const names = steps.Keys();
    for (std::size_t i = 1; i < names.size(); ++i) {
        try {
            hst_AssertStep(steps.ConstGet(names[i]));
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
    auto members = [&](auto const& container, char const* kind) {
        for (auto const& name : container.Keys()) {
            try {
                container.ConstGet(name).AssertValid();
            } catch (std::exception const& e) {
                problems.push_back({kind, name, e.what()});
            }
        }
    };
    members(model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd()), "load");
    members(model.Extension<kprC_AdptMeshConsCont>(ddr_Model::adaptiveMeshConstraintCmd()), "adaptive mesh constraint");
    AddAdaptiveMeshProblems(model, problems);
    return problems;
}
