// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/output/kprC_DiagnosticPrint.h"

CLS_DEFINE(kprC_DiagnosticPrint)
CLS_DEFINE(kprC_StandardDiagnosticPrint)
CLS_DEFINE(kprC_ExplicitDiagnosticPrint)
CLS_DEFINE(kprC_PerturbationDiagnosticPrint)
