// The demo model, built through the same commands as the Python module uses, so that the
// two cannot drift apart.
#include "host/hst_Session.h"
#include "tools/stepwise/stw_Commands.h"

ddr_Model stw_DemoModel() {
    hst_Session model;
    auto addStatic = [&](char const* name, char const* previous, char const* nlgeom, double timePeriod,
                         char const* description) {
        model.CreateStep("StaticStep", {{"name", name}, {"previous", previous}, {"nlgeom", nlgeom},
                                        {"timePeriod", timePeriod}, {"initialInc", 0.1 * timePeriod},
                                        {"description", description}});
    };
    addStatic("Step-1", "Initial", "ON", 1.0, "Preload");
    model.CreateStep("FrequencyStep", {{"name", "Step-2"}, {"previous", "Step-1"}, {"numEigen", 10},
                                       {"description", "Natural frequencies about the preloaded state"}});
    addStatic("Step-3", "Step-2", "OFF", 2.0, "Service load");
    model.CreateStep("StaticLinearPerturbationStep", {{"name", "Step-4"}, {"previous", "Step-3"},
                                                      {"description", "Stiffness about the service state"}});
    addStatic("Step-5", "Step-4", "OFF", 1.0, "Unload");

    // A force created in Step-1 and modified in Step-3, a pressure created in Step-1 and
    // deactivated in Step-3, a moment created in the perturbation Step-4.
    model.CreateLoad("ConcentratedForce", {{"name", "Force"}, {"createStepName", "Step-1"}, {"region", "Tip"},
                                           {"cf1", 0.0}, {"cf2", -100.0}, {"cf3", 0.0}});
    model.SetLoadValuesInStep("Force", "Step-3", {{"cf1", 0.0}, {"cf2", -250.0}, {"cf3", 0.0}});
    model.CreateLoad("Pressure", {{"name", "Pressure"}, {"createStepName", "Step-1"}, {"region", "Top"},
                                  {"magnitude", 2.5}});
    model.DeactivateLoad("Pressure", "Step-3");
    model.CreateLoad("Moment", {{"name", "Moment"}, {"createStepName", "Step-4"}, {"region", "Tip"},
                                {"cm1", 0.0}, {"cm2", 0.0}, {"cm3", 10.0}});
    return model.Model();
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
