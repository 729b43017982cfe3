#include "module/klo/loads/kloC_Pressure.h"

namespace {
kloC_PressureState const& PressureState(kloC_LoadState const& state) {
    return dynamic_cast<kloC_PressureState const&>(state);
}
}  // namespace

bool kloC_Pressure::UsesField(cow_String& name) const {
    bool const uses = distType_ == PressureTypeEnum::FIELD;
    name = uses ? fieldName() : cow_String();
    return uses;
}

void kloC_Pressure::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Assert(distType_ != PressureTypeEnum::FIELD || !fieldName().empty(), kloC_FIELD_NAME_REQUIRED);
    kloC_Load::AssertValid();
    if (distType_ != PressureTypeEnum::HYDROSTATIC) return;
    for (auto const& r : States())
        kloC_Assert(!(r.procedure() && r.procedure()->Explicit()), kloC_HYDROSTATIC_IN_EXPLICIT_STEP);
    for (auto const& r : States()) {
        if (!r.HasState() || !r.state()->IsModified()) continue;
        auto const& s = PressureState(*r.state());
        kloC_Assert(s.hZero().value() != s.hReference().value(), kloC_HYDROSTATIC_ELEVATIONS_EQUAL);
    }
}

void kloC_Pressure::SetStateStatusChecks() {
    bool const hydrostatic = distType_ == PressureTypeEnum::HYDROSTATIC;
    for (auto& r : MutableRecords())
        if (r.HasState() && PressureState(*r.state()).useHydrostatic() != hydrostatic)
            dynamic_cast<kloC_PressureState&>(r.MutableState()).useHydrostatic(hydrostatic);
}

bool kloC_Pressure::CheckForZero(cow_String const& stepName) const {
    if (distType_ == PressureTypeEnum::USER_DEFINED) return false;
    return MagnitudeIsZero<kloC_PressureState>(stepName, useComplex_, complexMagReal_, complexMagImag_);
}

CLS_DEFINE(kloC_PressureState)
CLS_DEFINE(kloC_Pressure)
