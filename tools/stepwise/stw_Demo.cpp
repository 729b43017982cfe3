#include "host/hst_StepFlow.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_StaticLinearPerturbationStep.h"
#include "tools/stepwise/stw_Commands.h"

namespace {
kprC_StaticStep Static(kprC_Step::NlgeomEnm nlgeom, double timePeriod, char const* description) {
    kprC_StaticStep step;
    step.nlgeom(nlgeom);
    step.timePeriod(timePeriod);
    step.initialInc(0.1 * timePeriod), step.minInc(1e-5 * timePeriod), step.maxInc(timePeriod);
    step.description(description);
    return step;
}
}  // namespace

ddr_Model stw_DemoModel() {
    ddr_Model model;
    model.Extension<kprC_StepContainer>(ddr_Model::stepCmd()).SetInitialStep(kprC_Step::initialCmd().String(),
                                                                             kprC_InitialStep());
    hst_StepFlow flow(model);
    using Nlgeom = kprC_Step::NlgeomEnm;
    flow.InsertAfter("Initial", "Step-1", Static(Nlgeom::ON, 1.0, "Preload"));
    kprC_FrequencyStep frequency;
    frequency.numEigen(10);
    frequency.description("Natural frequencies about the preloaded state");
    flow.InsertAfter("Step-1", "Step-2", frequency);
    flow.InsertAfter("Step-2", "Step-3", Static(Nlgeom::OFF, 2.0, "Service load"));
    kprC_StaticLinearPerturbationStep perturbation;
    perturbation.description("Stiffness about the service state");
    flow.InsertAfter("Step-3", "Step-4", perturbation);
    flow.InsertAfter("Step-4", "Step-5", Static(Nlgeom::OFF, 1.0, "Unload"));
    stw_AddDemoLoads(model);
    return model;
}

int stw_Demo(std::string const& path, bool force, bool colour, std::ostream& out) {
    ddr_Model const model = stw_DemoModel();
    if (auto const problems = stw_Problems(model); !problems.empty())
        throw stw_Failure("the demo model is not valid: " + problems.front().kind + " '" + problems.front().name +
                              "': " + problems.front().message,
                          stw_INVALID);
    stw_Save(model, path, force);
    ddr_Model const read = stw_Open(path);
    stw_View const view = stw_BuildView(read);
    if (stw_Image(read) != stw_Image(model) || view != stw_BuildView(model))
        throw stw_Failure("'" + path + "' does not read back as it was written", stw_INVALID);
    out << "Saved the demo model to '" << path << "', read it back and found it unchanged.\n\n"
        << stw_Render(view, colour);
    return stw_OK;
}
