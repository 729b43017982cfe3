#pragma once
// The loads of a rotating body, given by a magnitude (the angular velocity or
// acceleration) about an axis through two points: the rotational body force
// (centrifugal or rotary acceleration) and the Coriolis force. Each axis point is picked
// in the model or entered as coordinates, as its selection says.
#include "module/klo/loads/kloC_Scalar.h"
#include "platform/gsl/gsl_ModelSegment.h"

using kloC_Coordinates = std::vector<double>;

// The axis, stored the same way by both loads.
#define KLOC_ROTATION_AXIS_ATTRIBUTES(A, Selection)                                          \
    A(gsl_PickedPoint, pickedAxisPt1, {}, .Script("point1"))                                  \
    A(gsl_PickedPoint, pickedAxisPt2, {}, .Script("point2"))                                  \
    A(kloC_Coordinates, coordAxisPt1, (kloC_Coordinates{0.0, 0.0, 0.0}), .AsArray().MinSize(3)) \
    A(kloC_Coordinates, coordAxisPt2, (kloC_Coordinates{0.0, 0.0, 0.0}), .AsArray().MinSize(3)) \
    A(Selection, axisSelPoint1, Selection::PICKEDPOINTS)                                       \
    A(Selection, axisSelPoint2, Selection::PICKEDPOINTS)

// The checks of an axis by the model space of the load's region: distinct points in
// three dimensions (57), an axis normal to the plane in two (45), the axis (0,0,0),
// (0,1,0) when axisymmetric (44).
void kloC_AssertRotationAxis(int modelSpace, std::array<double, 3> const& p1, std::array<double, 3> const& p2);

// The axis point an axis selection names.
template <class Load>
std::array<double, 3> kloC_AxisPoint(Load const& load, int i) {
    bool const picked = (i == 1 ? load.axisSelPoint1() : load.axisSelPoint2()) == Load::AxisSelectionEnum::PICKEDPOINTS;
    if (picked) return (i == 1 ? load.pickedAxisPt1() : load.pickedAxisPt2()).Coordinates();
    // A stored list shorter than three (the reader takes what the file holds) reads as zeros.
    auto const& c = i == 1 ? load.coordAxisPt1() : load.coordAxisPt2();
    std::array<double, 3> xyz{};
    for (std::size_t k = 0; k < 3 && k < c.size(); ++k) xyz[k] = c[k];
    return xyz;
}

KLOC_PLAIN_STATE(RotationalBodyForce, Scalar, "RotationalBodyForceState")

#define KLOC_ROTATIONALBODYFORCE_ATTRIBUTES(A)                                   \
    KLOC_ROTATION_AXIS_ATTRIBUTES(A, kloC_RotationalBodyForce_AxisSelectionEnum) \
    A(bool, centrifugal, false)                                                  \
    A(bool, rotaryAcceleration, false)

class kloC_RotationalBodyForce : public kloC_Scalar {
    KLOC_LOAD_TYPE(RotationalBodyForce, Scalar, 203, KLOC_ROTATIONALBODYFORCE_ATTRIBUTES, "RotationalBodyForce")
    using AxisSelectionEnum = kloC_RotationalBodyForce_AxisSelectionEnum;

    bool AllowedInALoadCase() const override { return true; }
    // The base checks; exactly one sub-category (43); the axis; and only the centrifugal
    // load when axisymmetric (46).
    void AssertValid() const override;
};

KLOC_PLAIN_STATE(CoriolisForce, Scalar, "CoriolisForceState")

#define KLOC_CORIOLISFORCE_ATTRIBUTES(A) KLOC_ROTATION_AXIS_ATTRIBUTES(A, kloC_CoriolisForce_AxisSelectionEnum)

class kloC_CoriolisForce : public kloC_Scalar {
    KLOC_LOAD_TYPE(CoriolisForce, Scalar, 824, KLOC_CORIOLISFORCE_ATTRIBUTES, "CoriolisForce")
    using AxisSelectionEnum = kloC_CoriolisForce_AxisSelectionEnum;

    bool AllowedInALoadCase() const override { return true; }
    // The base checks, then the axis.
    void AssertValid() const override;
};
