#include "module/klo/loads/kloC_Scalar.h"

bool kloC_Scalar::CheckForZero(cow_String const& stepName) const {
    return MagnitudeIsZero<kloC_ScalarState>(stepName, useComplex_, complexMagReal_, complexMagImag_);
}

CLS_DEFINE(kloC_ScalarState)
CLS_DEFINE(kloC_Scalar)
