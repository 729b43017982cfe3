#include "module/kpr/kprC_Module.h"

#include "module/kpr/steps/perturbation/kprC_BuckleStep.h"
#include "module/kpr/steps/perturbation/kprC_ComplexFrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_StaticLinearPerturbationStep.h"
#include "module/kpr/steps/perturbation/kprC_SubstructureGenerateStep.h"
#include "module/kpr/steps/perturbation/kprC_UsaAddedMassGenerationStep.h"
#include "platform/cls/cls_MetadataRegistrar.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kprC_RegisterMetadata() {
    cls_MetadataRegistrar::initClassMetadata(kprC_Step::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_AnalysisStep::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_FrequencyStep::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_BuckleStep::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_ComplexFrequencyStep::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_StaticLinearPerturbationStep::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_SubstructureGenerateStep::InitializeMetadata, 4);
    cls_MetadataRegistrar::initClassMetadata(kprC_RetainedDofs::InitializeMetadata, 4);
    cls_MetadataRegistrar::initClassMetadata(kprC_UsaAddedMassGenerationStep::InitializeMetadata, 7);
}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {}
