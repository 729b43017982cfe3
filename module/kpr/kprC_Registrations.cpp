#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/kprC_Module.h"
#include "module/kpr/shortcuts/kprC_StepShortcuts.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "platform/cls/cls_MetadataRegistrar.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kprC_RegisterMetadata() {
    for (auto fn : {kprC_Step::InitializeMetadata, kprC_InitialStep::InitializeMetadata,
                    kprC_AnalysisStep::InitializeMetadata, kprC_StepNameProcedurePair::InitializeMetadata,
                    kprC_StepRepositoryBase::InitializeMetadata, kprC_StepContainer::InitializeMetadata,
                    kprC_TimePointCont::InitializeMetadata, kprC_AdptMeshConsCont::InitializeMetadata})
        cls_MetadataRegistrar::initClassMetadata(fn, 7);
    // The shortcut and model-extension wrapper instances.
    for (auto fn : {kprC_StepIMPLSC::InitializeMetadata, kprC_StepShortcut::InitializeMetadata,
                    kprC_StepInStepContainerShortcut::InitializeMetadata, kprC_StepContainerIMPLSC::InitializeMetadata,
                    kprC_StepContainerShortcut::InitializeMetadata,
                    kprC_StepContainerInModelShortcut::InitializeMetadata, kprC_SCWrapper::InitializeMetadata})
        cls_MetadataRegistrar::initClassMetadata(fn, 4);
}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {}
