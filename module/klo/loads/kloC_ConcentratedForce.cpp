// The stored form of the classes declared in the header, compiled once here.
#include "module/klo/loads/kloC_ConcentratedForce.h"

CLS_DEFINE(kloC_ConcentratedForceState)
CLS_DEFINE(kloC_ConcentratedForce)
