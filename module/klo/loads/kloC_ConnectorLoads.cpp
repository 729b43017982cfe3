// The stored form of the classes declared in the header, compiled once here.
#include "module/klo/loads/kloC_ConnectorLoads.h"

CLS_DEFINE(kloC_ConnectorForceState)
CLS_DEFINE(kloC_ConnectorForce)
CLS_DEFINE(kloC_ConnectorMomentState)
CLS_DEFINE(kloC_ConnectorMoment)
