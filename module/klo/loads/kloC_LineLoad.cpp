#include "module/klo/loads/kloC_LineLoad.h"

void kloC_LineLoad::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Assert(distType_ != DistribTypeEnum::FIELD, kloC_FIELDS_NOT_ENABLED);
    kloC_Vector::AssertValid();
}

void kloC_LineLoad::SetStateStatusChecks() {
    int const space = region().modelSpace();
    bool const c1 = !(space == rgnC_TWO_D && system_ == SystemTypeEnum::LOCAL);
    bool const c3 = space == rgnC_THREE_D && system_ == SystemTypeEnum::GLOBAL;
    for (auto& r : MutableRecords()) {
        if (!r.HasState()) continue;
        auto const& s = dynamic_cast<kloC_LineLoadState const&>(*r.state());
        if (s.useC1() == c1 && s.useC3() == c3) continue;
        auto& m = dynamic_cast<kloC_LineLoadState&>(r.MutableState());
        m.useC1(c1);
        m.useC3(c3);
    }
}

bool kloC_LineLoad::CheckForZero(cow_String const& stepName) const {
    return distType_ != DistribTypeEnum::USER_DEFINED && kloC_Vector::CheckForZero(stepName);
}

CLS_DEFINE(kloC_LineLoadState)
CLS_DEFINE(kloC_LineLoad)
