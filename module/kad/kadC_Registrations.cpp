#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "module/kad/domains/kadC_AdptMeshDomain.h"
#include "module/kad/kadC_Module.h"
#include "platform/cls/cls_RegisterClasses.h"

// Registers the metadata function of every class of the module with the metadata registrar.
void kadC_RegisterMetadata() { cls_RegisterClasses<kadC_AdptMeshCtrl, kadC_AdptMeshCtrlCont, kadC_AdptMeshDomain>(7); }

// Registers one reader per older stored class version with the old-class registrar.
void kadC_RegisterOldVersions() {}
