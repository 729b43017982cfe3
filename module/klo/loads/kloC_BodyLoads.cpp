#include "module/klo/loads/kloC_BodyLoads.h"

void kloC_BodyForce::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Assert(distType_ != DistribTypeEnum::FIELD, kloC_FIELDS_NOT_ENABLED);
    kloC_Vector::AssertValid();
}

bool kloC_BodyForce::CheckForZero(cow_String const& stepName) const {
    return distType_ != DistribTypeEnum::USER_DEFINED && kloC_Vector::CheckForZero(stepName);
}

void kloC_Gravity::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Vector::AssertValid();
    if (region().modelSpace() != rgnC_AXISYMMETRIC) return;
    if (useComplex()) {
        for (int i : {1, 3})
            kloC_Assert(ComplexComponent(i) == std::pair(0.0, 0.0), kloC_AXISYMMETRIC_GRAVITY);
        return;
    }
    for (auto const& r : States()) {
        // The steps that define the load: before it joins a container, its one record.
        bool const defines = IsIllegalMove(r.status()) || r.status() == StatusEnm::NOT_YET_CREATED;
        if (!r.HasState() || !defines) continue;
        auto const& s = dynamic_cast<kloC_VectorState const&>(*r.state());
        kloC_Assert(s.Component(1).value() == 0.0 && s.Component(3).value() == 0.0, kloC_AXISYMMETRIC_GRAVITY);
    }
}

CLS_DEFINE(kloC_BodyForceState)
CLS_DEFINE(kloC_BodyForce)
CLS_DEFINE(kloC_GravityState)
CLS_DEFINE(kloC_Gravity)
CLS_DEFINE(kloC_PEGLoadState)
CLS_DEFINE(kloC_PEGLoad)
