// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/output/kprC_Restart.h"

CLS_DEFINE(kprC_Restart)
CLS_DEFINE(kprC_StandardRestart)
CLS_DEFINE(kprC_ExplicitRestart)
