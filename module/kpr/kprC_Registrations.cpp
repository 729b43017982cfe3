#include "platform/mdl/mdl_PropAttr.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/controls/kprC_ContactControls.h"
#include "module/kpr/controls/kprC_Controls.h"
#include "module/kpr/controls/kprC_FieldControls.h"
#include "module/kpr/controls/kprC_LinearCtrl.h"
#include "module/kpr/damping/kprC_Damping.h"
#include "module/kpr/kprC_Module.h"
#include "module/kpr/massscaling/kprC_MassScaling.h"
#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Monitor.h"
#include "module/kpr/output/kprC_Restart.h"
#include "module/kpr/shortcuts/kprC_StepShortcuts.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "module/kpr/steps/general/kprC_AnnealStep.h"
#include "module/kpr/steps/general/kprC_CoupledTempDisplacementStep.h"
#include "module/kpr/steps/general/kprC_CoupledThermalElectricStep.h"
#include "module/kpr/steps/general/kprC_ExplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_GeostaticStep.h"
#include "module/kpr/steps/general/kprC_HeatTransferStep.h"
#include "module/kpr/steps/general/kprC_ImplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_MassDiffusionStep.h"
#include "module/kpr/steps/general/kprC_SoilsStep.h"
#include "module/kpr/steps/general/kprC_StaticRiksStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/general/kprC_SubspaceDynamicsStep.h"
#include "module/kpr/steps/general/kprC_TempDisplacementDynamicsStep.h"
#include "module/kpr/steps/general/kprC_ViscoStep.h"
#include "module/kpr/steps/kprC_InitialStep.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "module/kpr/steps/perturbation/kprC_BuckleStep.h"
#include "module/kpr/steps/perturbation/kprC_ComplexFrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_ModalDynamicsStep.h"
#include "module/kpr/steps/perturbation/kprC_RandomResponseStep.h"
#include "module/kpr/steps/perturbation/kprC_ResponseSpectrumStep.h"
#include "module/kpr/steps/perturbation/kprC_StaticLinearPerturbationStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateDirectStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateModalStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateSubspaceStep.h"
#include "module/kpr/steps/perturbation/kprC_SubstructureGenerateStep.h"
#include "module/kpr/steps/perturbation/kprC_UsaAddedMassGenerationStep.h"
#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "module/kpr/upgrade/kprC_ControlsVersions.h"
#include "module/kpr/upgrade/kprC_UpgradeVersions.h"
#include "platform/cls/cls_RegisterClasses.h"

// Registers the metadata function of every class of the module with the metadata registrar.
void kprC_RegisterMetadata() {
    cls_RegisterClasses<kprC_Step, kprC_InitialStep, kprC_AnalysisStep, kprC_StepNameProcedurePair,
                        kprC_StepRepositoryBase, kprC_StepContainer, kprC_AdptMeshConsCont>(7);
    cls_RegisterClasses<kprC_StaticStep, kprC_StaticRiksStep, kprC_ViscoStep, kprC_SoilsStep, kprC_GeostaticStep,
                        kprC_CoupledTempDisplacementStep, kprC_CoupledThermalElectricStep, kprC_HeatTransferStep,
                        kprC_MassDiffusionStep, kprC_AnnealStep>(7);
    // The shortcut and model-extension wrapper instances.
    cls_RegisterClasses<kprC_StepIMPLSC, kprC_StepShortcut, kprC_StepInStepContainerShortcut, kprC_StepContainerIMPLSC,
                        kprC_StepContainerShortcut, kprC_StepContainerInModelShortcut, kprC_SCWrapper>(4);
    cls_RegisterClasses<kprC_FrequencyStep, kprC_BuckleStep, kprC_ComplexFrequencyStep,
                        kprC_StaticLinearPerturbationStep, kprC_UsaAddedMassGenerationStep>(7);
    cls_RegisterClasses<kprC_SubstructureGenerateStep, kprC_RetainedDofs>(4);
    cls_RegisterClasses<kprC_ExplicitDynamicsStep, kprC_TempDisplacementDynamicsStep, kprC_ImplicitDynamicsStep,
                        kprC_SubspaceDynamicsStep, kprC_ModalDynamicsStep, kprC_SteadyStateDirectStep,
                        kprC_SteadyStateModalStep, kprC_RandomResponseStep, kprC_ResponseSpectrumStep,
                        kprC_SteadyStateDirectFrequency, kprC_SteadyStateModalFrequency, kprC_MassScaling>(7);
    cls_RegisterClasses<kprC_SteadyStateSubspaceStep, kprC_SteadyStateSubspaceFrequency, kprC_RandomResponseFrequency,
                        kprC_ResponseSpectrumComponent>(3);
    cls_RegisterClasses<kprC_DirectDamping, kprC_DirectDampingComponent, kprC_RayleighDamping,
                        kprC_RayleighDampingComponent>(7);
    cls_RegisterClasses<kprC_CompositeDamping, kprC_CompositeDampingComponent, kprC_StructuralDamping,
                        kprC_StructuralDampingComponent, kprC_DirectDampingByFrequency,
                        kprC_DirectDampingByFrequencyComponent, kprC_RayleighDampingByFrequency,
                        kprC_RayleighDampingByFrequencyComponent, kprC_StructuralDampingByFrequency,
                        kprC_StructuralDampingByFrequencyComponent>(3);
    cls_RegisterClasses<kprC_Restart, kprC_StandardRestart, kprC_ExplicitRestart, kprC_Monitor, kprC_StandardMonitor,
                        kprC_ExplicitMonitor, kprC_DiagnosticPrint, kprC_StandardDiagnosticPrint,
                        kprC_ExplicitDiagnosticPrint, kprC_PerturbationDiagnosticPrint, kprC_TimePoint,
                        kprC_TimePointCont>(7);
    cls_RegisterClasses<kprC_ContactControls, kprC_StandardContactControls, kprC_ExplicitContactControls,
                        kprC_Controls, kprC_InactiveControls, kprC_PrimaryControls, kprC_TypicalControls,
                        kprC_CTDControls, kprC_PoreControls, kprC_ElectricalControls, kprC_MassDiffusionControls,
                        kprC_HeatTransferControls, kprC_CTEControls, kprC_LinearCtrl>(7);
    cls_RegisterClasses<kprC_StateQuad, kprC_AdptMeshConsState, kprC_DispAdptMeshConsState,
                        kprC_VelAdptMeshConsState, kprC_AdptMeshCons, kprC_DispAdptMeshCons,
                        kprC_VelAdptMeshCons>(7);
    // The propagating attributes that the per-step states of loads and constraints hold.
    cls_RegisterClasses<mdl_PropAttr<double>, mdl_PropAttr<cow_String>, mdl_PropAttr<int>, mdl_PropAttr<bool>>(7);
}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {
    kprC_RegisterUpgrade(5);
    kprC_RegisterControlsVersions(5);
}
