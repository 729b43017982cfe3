// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/output/kprC_Monitor.h"

CLS_DEFINE(kprC_Monitor)
CLS_DEFINE(kprC_StandardMonitor)
CLS_DEFINE(kprC_ExplicitMonitor)
