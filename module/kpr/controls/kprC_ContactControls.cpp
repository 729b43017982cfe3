// The stored form of the classes declared in the header, compiled once here.
#include "module/kpr/controls/kprC_ContactControls.h"

CLS_DEFINE(kprC_ContactControls)
