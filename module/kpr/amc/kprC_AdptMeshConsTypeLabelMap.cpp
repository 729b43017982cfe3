// The labels of the adaptive mesh constraint types and the procedures that admit them.
#include "module/kpr/amc/kprC_AdptMeshConsTypeLabelMap.h"

#include <algorithm>
#include <utility>

#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/procedures/kprC_Procedures.h"

namespace {
// In the order of the type lists.
constexpr std::pair<unsigned, char const*> constraintTypes[] = {
    {kprC_DispAdptMeshCons_TypeId, "Displacement/Rotation"},
    {kprC_VelAdptMeshCons_TypeId, "Velocity/Angular velocity"},
};
}  // namespace

kprC_AdptMeshConsTypeLabelMap::kprC_AdptMeshConsTypeLabelMap() : typ_LabelMap(constraintTypes) {}

cow_List<cow_String> kprC_getMechanicalAdptMeshConsTypesforStep(int procedureType) {
    cow_List<cow_String> labels;
    if (procedureType > 0 && kprC_ProcedureIs(unsigned(procedureType), kprC_AMC_ADMITTED))
        for (auto const& [typeId, label] : constraintTypes) labels.push_back(label);
    return labels;
}

cow_List<cow_String> kprC_getOtherAdptMeshConsTypesforStep(int) { return {}; }

bool kprC_isValidAdptMeshConsTypeforStep(int typeCode, int procedureType) {
    cow_String const label = kprC_AdptMeshConsTypeLabelMap::Instance().Label(unsigned(typeCode));
    if (label.empty()) return false;
    if (procedureType == 0) return true;
    auto holds = [&](cow_List<cow_String> const& list) { return std::ranges::find(list, label) != list.end(); };
    return holds(kprC_getMechanicalAdptMeshConsTypesforStep(procedureType)) ||
           holds(kprC_getOtherAdptMeshConsTypesforStep(procedureType));
}
