// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/controls/kprC_LinearCtrl.h"

CLS_DEFINE(kprC_LinearCtrl)
