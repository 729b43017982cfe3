// The stored form of the classes declared in the header, compiled once here.
#include "module/klc/loadcases/klcC_LoadCase.h"

CLS_DEFINE(klcC_LoadCase)
