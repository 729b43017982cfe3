#include "include/mdl_PropAttr.h"
#include "module/kpr/kprC_Module.h"
#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Monitor.h"
#include "module/kpr/output/kprC_Restart.h"
#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "platform/cls/cls_RegisterClasses.h"

// Registers the metadata function of every class of the module with the metadata registrar.
void kprC_RegisterMetadata() {
    cls_RegisterClasses<kprC_Restart, kprC_StandardRestart, kprC_ExplicitRestart, kprC_Monitor, kprC_StandardMonitor,
                        kprC_ExplicitMonitor, kprC_DiagnosticPrint, kprC_StandardDiagnosticPrint,
                        kprC_ExplicitDiagnosticPrint, kprC_PerturbationDiagnosticPrint, kprC_TimePoint,
                        kprC_TimePointCont>(7);
    // The propagating attributes that the per-step states of loads and constraints hold.
    cls_RegisterClasses<mdl_PropAttr<double>, mdl_PropAttr<cow_String>, mdl_PropAttr<int>, mdl_PropAttr<bool>>(7);
}

// Registers one reader per older stored class version with the old-class registrar.
void kprC_RegisterOldVersions() {}
