// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/controls/kprC_Controls.h"

CLS_DEFINE(kprC_Controls)
