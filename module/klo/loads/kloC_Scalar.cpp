#include "module/klo/loads/kloC_Scalar.h"

void kloC_Scalar::ChangeProcedureType(unsigned int procedureType) {
    if (WantsComplex(procedureType) == useComplex_) return;
    auto& s = dynamic_cast<kloC_ScalarState&>(MutableCreationState());
    SwitchComplex(useComplex_, {{s.MutableMagnitude(), complexMagReal_, complexMagImag_}});
}

bool kloC_Scalar::CheckForZero(cow_String const& stepName) const {
    if (useComplex_) return complexMagReal_ == 0.0 && complexMagImag_ == 0.0;
    return dynamic_cast<kloC_ScalarState const&>(StateIn(stepName)).magnitude().value() == 0.0;
}

CLS_DEFINE(kloC_ScalarState)
CLS_DEFINE(kloC_Scalar)
