// The checks of the field loads and the stored form of their classes.
#include "module/klo/loads/kloC_FieldLoads.h"

void kloC_Distributed::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Assert(distType_ != DistribTypeEnum::FIELD, kloC_FIELDS_NOT_ENABLED);
    kloC_Load::AssertValid();
}

bool kloC_Distributed::CheckForZero(cow_String const& stepName) const {
    if (distType_ == DistribTypeEnum::USER_DEFINED) return false;
    return dynamic_cast<kloC_DistributedState const&>(StateIn(stepName)).magnitude().value() == 0.0;
}

void kloC_ConcentratedHeatFlux::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Scalar::AssertValid();
    kloC_Assert(dof_ >= 11 && dof_ <= 31, kloC_HEAT_FLUX_DOF_RANGE);
}

CLS_DEFINE(kloC_DistributedState)
CLS_DEFINE(kloC_Distributed)
CLS_DEFINE(kloC_ConcentratedHeatFluxState)
CLS_DEFINE(kloC_ConcentratedHeatFlux)
#define KLOC_DEFINE_FIELD_LOAD(Name, ...) CLS_DEFINE(kloC_##Name##State) CLS_DEFINE(kloC_##Name)
KLOC_FIELD_LOADS(KLOC_DEFINE_FIELD_LOAD)
#undef KLOC_DEFINE_FIELD_LOAD
