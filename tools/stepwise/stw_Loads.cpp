#include "tools/stepwise/stw_Loads.h"

#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/klo/loads/kloC_Moment.h"
#include "module/klo/loads/kloC_Pressure.h"

namespace {
kloC_LoadContainer const& Loads(ddr_Model const& model) {
    return model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd());
}
}  // namespace

std::vector<stw_LoadRow> stw_LoadRows(ddr_Model const& model, std::vector<std::string> const& steps) {
    std::vector<stw_LoadRow> rows;
    for (auto const& name : Loads(model).Keys()) {
        kloC_Load const& load = Loads(model).ConstGet(name);
        stw_LoadRow row{name, kloC_LoadTypeLabelMap::Instance().Label(load.DynTypeId()), load.IsSuppressed(), {}};
        for (auto const& step : steps) {
            try {
                row.statuses.push_back(mdl_Value(load.Status(step)));
            } catch (omu_KeyErrorException const&) {
                row.statuses.push_back(stw_NoRecord);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<stw_Problem> stw_LoadProblems(ddr_Model const& model) {
    std::vector<stw_Problem> problems;
    for (auto const& name : Loads(model).Keys()) {
        try {
            Loads(model).ConstGet(name).AssertValid();
        } catch (std::exception const& e) {
            problems.push_back({"load", name, e.what()});
        }
    }
    return problems;
}

void stw_AddDemoLoads(ddr_Model& model) {
    auto& loads = model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd());
    loads.Insert("Force", kloC_ConcentratedForce(rgnC_Region({"Tip"}, 1), "Step-1", kloC_ConcentratedForceState(0.0, -100.0, 0.0)));
    loads.Get("Force").Insert("Step-3", kloC_ConcentratedForceState(0.0, -250.0, 0.0));
    loads.Insert("Pressure", kloC_Pressure(rgnC_Region({"Top"}, 1), "Step-1", kloC_PressureState(2.5)));
    loads.Get("Pressure").Deactivate("Step-3");
    loads.Insert("Moment", kloC_Moment(rgnC_Region({"Tip"}, 1), "Step-4", kloC_MomentState(0.0, 0.0, 10.0)));
}
