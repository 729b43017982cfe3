#pragma once
// The field loads on surfaces and bodies: one magnitude per step, distributed uniformly
// or by a user subroutine (an analytical field is not enabled yet).
#include "module/klo/loads/kloC_Load.h"

KLOC_MAGNITUDE_STATE(kloC_DistributedState, 203)

#define KLOC_DISTRIBUTED_ATTRIBUTES(A) \
    A(kloC_Load_DistribTypeEnum, distType, kloC_Load_DistribTypeEnum::UNIFORM, .Script("distributionType"))

class kloC_Distributed : public kloC_Load {
    CLS_ABSTRACT_PERSISTENT(kloC_Distributed, kloC_Load, kloC_Distributed_TypeId, 203, KLOC_DISTRIBUTED_ATTRIBUTES)

    kloC_Distributed() = default;
    kloC_Distributed(kloC_Distributed const&) = default;
    kloC_Distributed* Copy() const override = 0;

    bool AllowedInALoadCase() const override { return true; }
    bool UsesField(cow_String& name) const override { return FieldNameIf(distType_ == DistribTypeEnum::FIELD, name); }
    // No FIELD distribution (69), then the base checks.
    void AssertValid() const override;

protected:
    using kloC_Load::kloC_Load;
    // False for a user-defined distribution; else whether the magnitude is 0.0.
    bool CheckForZero(cow_String const& stepName) const override;
};
