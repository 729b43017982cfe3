#include "module/klo/loads/kloC_RotationalLoads.h"

void kloC_AssertRotationAxis(int modelSpace, std::array<double, 3> const& p1, std::array<double, 3> const& p2) {
    switch (modelSpace) {
        case rgnC_THREE_D: kloC_Assert(p1 != p2, kloC_AXIS_POINTS_COINCIDENT); break;
        case rgnC_TWO_D: kloC_Assert(p1[0] == p2[0] && p1[1] == p2[1], kloC_TWO_D_AXIS); break;
        case rgnC_AXISYMMETRIC:
            kloC_Assert(p1 == std::array{0.0, 0.0, 0.0} && p2 == std::array{0.0, 1.0, 0.0}, kloC_AXISYMMETRIC_AXIS);
            break;
        default: break;
    }
}

void kloC_RotationalBodyForce::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Scalar::AssertValid();
    kloC_Assert(centrifugal_ != rotaryAcceleration_, kloC_ROTATIONAL_SUB_CATEGORY);
    int const space = region().modelSpace();
    kloC_AssertRotationAxis(space, kloC_AxisPoint(*this, 1), kloC_AxisPoint(*this, 2));
    kloC_Assert(space != rgnC_AXISYMMETRIC || !rotaryAcceleration_, kloC_AXISYMMETRIC_SUB_CATEGORY);
}

void kloC_CoriolisForce::AssertValid() const {
    if (IsSuppressed()) return;
    kloC_Scalar::AssertValid();
    kloC_AssertRotationAxis(region().modelSpace(), kloC_AxisPoint(*this, 1), kloC_AxisPoint(*this, 2));
}

CLS_DEFINE(kloC_RotationalBodyForceState)
CLS_DEFINE(kloC_RotationalBodyForce)
CLS_DEFINE(kloC_CoriolisForceState)
CLS_DEFINE(kloC_CoriolisForce)
