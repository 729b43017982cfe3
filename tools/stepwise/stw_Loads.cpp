#include "tools/stepwise/stw_Loads.h"

#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/amc/kprC_AdptMeshConsTypeLabelMap.h"

namespace {
// One row per member of the container, its statuses placed by step name.
template <class Container, class Label>
std::vector<stw_LoadRow> Rows(Container const& members, std::vector<std::string> const& steps, Label label) {
    std::vector<stw_LoadRow> rows;
    for (auto const& name : members.Keys()) {
        auto const& member = members.ConstGet(name);
        stw_LoadRow row{name, label(member.DynTypeId()), member.IsSuppressed(), {}};
        for (auto const& step : steps) {
            try {
                row.statuses.push_back(member.HasStepRecord(step) ? mdl_Value(member.Status(step)) : stw_NoRecord);
            } catch (omu_KeyErrorException const&) {
                row.statuses.push_back(stw_NoRecord);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}
}  // namespace

std::vector<stw_LoadRow> stw_LoadRows(ddr_Model const& model, std::vector<std::string> const& steps) {
    return Rows(model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd()), steps,
                [](std::uint32_t type) { return kloC_LoadTypeLabelMap::Instance().Label(type); });
}

std::vector<stw_LoadRow> stw_ConstraintRows(ddr_Model const& model, std::vector<std::string> const& steps) {
    return Rows(model.Extension<kprC_AdptMeshConsCont>(ddr_Model::adaptiveMeshConstraintCmd()), steps,
                [](std::uint32_t type) { return kprC_AdptMeshConsTypeLabelMap::Instance().Label(type); });
}
