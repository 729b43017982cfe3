#include "module/kpr/kprC_Module.h"

#include "module/kpr/controls/kprC_ContactControls.h"
#include "module/kpr/controls/kprC_Controls.h"
#include "module/kpr/controls/kprC_LinearCtrl.h"
#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Monitor.h"
#include "module/kpr/output/kprC_Restart.h"
#include "module/kpr/steps/general/kprC_AnnealStep.h"
#include "module/kpr/steps/general/kprC_CoupledTempDisplacementStep.h"
#include "module/kpr/steps/general/kprC_CoupledThermalElectricStep.h"
#include "module/kpr/steps/general/kprC_GeostaticStep.h"
#include "module/kpr/steps/general/kprC_HeatTransferStep.h"
#include "module/kpr/steps/general/kprC_MassDiffusionStep.h"
#include "module/kpr/steps/general/kprC_SoilsStep.h"
#include "module/kpr/steps/general/kprC_StaticRiksStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/general/kprC_ViscoStep.h"
#include "module/kpr/steps/kprC_InitialStep.h"
#include "platform/cls/cls_MetadataRegistrar.h"

namespace {
constexpr unsigned metadataMask = 7;

template <class... Classes>
void Register() {
    (cls_MetadataRegistrar::initClassMetadata(Classes::InitializeMetadata, metadataMask), ...);
}
}  // namespace

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kprC_RegisterMetadata() {
    Register<kprC_Restart, kprC_Monitor, kprC_DiagnosticPrint, kprC_ContactControls, kprC_Controls, kprC_LinearCtrl,
             kprC_Step, kprC_InitialStep, kprC_AnalysisStep>();
    Register<kprC_StaticStep, kprC_StaticRiksStep, kprC_ViscoStep, kprC_SoilsStep, kprC_GeostaticStep,
             kprC_CoupledTempDisplacementStep, kprC_CoupledThermalElectricStep, kprC_HeatTransferStep,
             kprC_MassDiffusionStep, kprC_AnnealStep>();
}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {}
