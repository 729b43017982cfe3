// The stored form of the classes declared in the header, compiled once here.
#include "module/klo/loads/kloC_PressurePenetration.h"

CLS_DEFINE(kloC_PressurePenetrationState)
CLS_DEFINE(kloC_PressurePenetration)
