#include "module/klo/loads/kloC_Traction.h"

bool kloC_Traction::CheckForZero(cow_String const& stepName) const {
    if (distType_ == DistribTypeEnum::USER_DEFINED) return false;
    return MagnitudeIsZero<kloC_TractionState>(stepName, useComplex_, complexMagReal_, complexMagImag_);
}

void kloC_Traction::AssertTraction(bool general, bool directionNeeded) const {
    kloC_Load::AssertValid();
    kloC_Assert(follower_ || general, kloC_FOLLOWER_DISABLED);
    kloC_Assert(!directionNeeded || !directionVector_.IsZeroLength(), kloC_ZERO_DIRECTION);
}

void kloC_SurfaceTraction::AssertValid() const {
    if (IsSuppressed()) return;
    AssertTraction(traction_ == SurfaceTractionEnm::GENERAL, true);
}

void kloC_ShellEdgeLoad::AssertValid() const {
    if (IsSuppressed()) return;
    bool const general = traction_ == ShellEdgeLoadTractionEnm::GENERAL;
    AssertTraction(general, general);
}

CLS_DEFINE(kloC_TractionState)
CLS_DEFINE(kloC_Traction)
CLS_DEFINE(kloC_SurfaceTractionState)
CLS_DEFINE(kloC_SurfaceTraction)
CLS_DEFINE(kloC_ShellEdgeLoadState)
CLS_DEFINE(kloC_ShellEdgeLoad)
