#include "tools/stepwise/stw_Loads.h"

#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"

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
