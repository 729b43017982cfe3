// The stored form of the classes declared in the header, compiled once here.
#include "module/klo/loads/kloC_Moment.h"

CLS_DEFINE(kloC_MomentState)
CLS_DEFINE(kloC_Moment)
