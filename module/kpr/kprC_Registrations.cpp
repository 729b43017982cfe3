#include "module/kpr/kprC_Module.h"
#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Monitor.h"
#include "module/kpr/output/kprC_Restart.h"
#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "platform/cls/cls_MetadataRegistrar.h"

// Registers the metadata function of every class of the module with the metadata
// registrar; filled in as the classes gain their stored form.
void kprC_RegisterMetadata() {
    cls_MetadataRegistrar::initClassMetadata(kprC_Restart::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_StandardRestart::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_ExplicitRestart::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_Monitor::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_StandardMonitor::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_ExplicitMonitor::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_DiagnosticPrint::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_StandardDiagnosticPrint::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_ExplicitDiagnosticPrint::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_PerturbationDiagnosticPrint::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_TimePoint::InitializeMetadata, 7);
    cls_MetadataRegistrar::initClassMetadata(kprC_TimePointCont::InitializeMetadata, 7);
}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {}
