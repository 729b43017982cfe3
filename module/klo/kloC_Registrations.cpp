#include "module/klo/kloC_Module.h"
#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_Moment.h"
#include "module/klo/loads/kloC_Pressure.h"
#include "module/klo/loads/kloC_Scalar.h"
#include "platform/cls/cls_RegisterClasses.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kloC_RegisterMetadata() {
    cls_RegisterClasses<kloC_LoadContainer, kloC_StateQuad, kloC_LoadState, kloC_Load, kloC_VectorState, kloC_Vector,
                        kloC_ConcentratedForceState, kloC_ConcentratedForce, kloC_MomentState, kloC_Moment,
                        kloC_ScalarState, kloC_Scalar, kloC_PressureState, kloC_Pressure>(7);
}

// Registers one reader per older stored class version with the old-class registrar.
void kloC_RegisterOldVersions() {}
