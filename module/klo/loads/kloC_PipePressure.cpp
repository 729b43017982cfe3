#include "module/klo/loads/kloC_PipePressure.h"

void kloC_PipePressure::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Pressure::AssertValid();
    kloC_Assert(diameter_ > 0.0, kloC_PIPE_DIAMETER_NOT_POSITIVE);
}

CLS_DEFINE(kloC_PipePressureState)
CLS_DEFINE(kloC_PipePressure)
