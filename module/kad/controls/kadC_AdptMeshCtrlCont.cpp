#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"

#include "platform/nex/nex_Exception.h"

cow_List<cow_String> kadC_AdptMeshCtrlCont::Keys() const {
    cow_List<cow_String> keys;
    for (auto const& [name, control] : adaptiveMeshControls_) keys.push_back(name);
    return keys;
}

kadC_AdptMeshCtrl const& kadC_AdptMeshCtrlCont::Get(cow_String const& name) const {
    auto it = adaptiveMeshControls_.find(name);
    if (it == adaptiveMeshControls_.end() || it->second.IsNull()) throw omu_KeyErrorException(name);
    return *it->second;
}

void kadC_AdptMeshCtrlCont::Set(cow_String const& name, kadC_AdptMeshCtrl const& control) {
    control.AssertValid();
    adaptiveMeshControls_[name] = cow_COW<kadC_AdptMeshCtrl>(control.Copy());
}

CLS_DEFINE(kadC_AdptMeshCtrlCont)
