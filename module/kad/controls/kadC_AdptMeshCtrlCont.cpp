#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"

#include "platform/nex/nex_Exception.h"

void kadC_AdptMeshCtrlCont::Set(cow_String const& name, kadC_AdptMeshCtrl const& control) {
    control.AssertValid();
    adaptiveMeshControls_[name] = cow_COW<kadC_AdptMeshCtrl>(control.Copy());
}

CLS_DEFINE(kadC_AdptMeshCtrlCont)
