#pragma once
// The tractions on surfaces and shell edges: a magnitude per step acting along a
// direction, as a general traction, a shear, or (on edges) a normal, transverse or moment
// load, optionally following the deformation.
#include "module/datum/dtmC_DatumRef.h"
#include "module/klo/loads/kloC_Load.h"
#include "platform/gsl/gsl_ModelSegment.h"

KLOC_MAGNITUDE_STATE(kloC_TractionState, 409)

// A new traction follows the deformation (only a general traction may stop following)
// and acts along the first axis.
#define KLOC_TRACTION_ATTRIBUTES(A)                                                                   \
    A(bool, useComplex, false)                                                                        \
    A(double, complexMagReal, 0.0)                                                                    \
    A(double, complexMagImag, 0.0)                                                                    \
    A(dtmC_DatumRef, csys, {}, .Script("localCsys"))                                                  \
    A(cow_String, userCsys, "")                                                                       \
    A(double, angle, 0.0)                                                                             \
    A(kloC_Traction_AxisEnm, axis, kloC_Traction_AxisEnm::AXIS_1)                                     \
    A(gsl_ModelSegment, directionVector, (gsl_ModelSegment({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0})))        \
    A(bool, follower, true)                                                                           \
    A(bool, resultant, false)                                                                         \
    A(kloC_Load_DistribTypeEnum, distType, kloC_Load_DistribTypeEnum::UNIFORM, .Script("distributionType"))

class kloC_Traction : public kloC_Load {
    CLS_ABSTRACT_PERSISTENT(kloC_Traction, kloC_Load, kloC_Traction_TypeId, 891, KLOC_TRACTION_ATTRIBUTES)
    using AxisEnm = kloC_Traction_AxisEnm;

    kloC_Traction() = default;
    kloC_Traction(kloC_Traction const&) = default;
    kloC_Traction* Copy() const override = 0;

    bool AllowedInALoadCase() const override { return true; }
    bool UsesField(cow_String& name) const override { return FieldNameIf(distType_ == DistribTypeEnum::FIELD, name); }
    KLOC_COMPLEX_MAGNITUDE(kloC_TractionState)

protected:
    using kloC_Load::kloC_Load;
    // The scalar test; a user-defined distribution takes its magnitude from a user subroutine.
    bool CheckForZero(cow_String const& stepName) const override;
    // The base checks; then the follower may be off only for a general traction (67), and
    // the direction must have a length where `directionNeeded` (65).
    void AssertTraction(bool general, bool directionNeeded) const;
};

KLOC_PLAIN_STATE(SurfaceTraction, Traction, "SurfaceTractionState")

#define KLOC_SURFACETRACTION_ATTRIBUTES(A) \
    A(kloC_SurfaceTraction_SurfaceTractionEnm, traction, kloC_SurfaceTraction_SurfaceTractionEnm::GENERAL)

class kloC_SurfaceTraction : public kloC_Traction {
    KLOC_LOAD_TYPE(SurfaceTraction, Traction, 409, KLOC_SURFACETRACTION_ATTRIBUTES, "SurfaceTraction")
    using SurfaceTractionEnm = kloC_SurfaceTraction_SurfaceTractionEnm;

    void AssertValid() const override;
};

KLOC_PLAIN_STATE(ShellEdgeLoad, Traction, "ShellEdgeLoadState")

#define KLOC_SHELLEDGELOAD_ATTRIBUTES(A) \
    A(kloC_ShellEdgeLoad_ShellEdgeLoadTractionEnm, traction, kloC_ShellEdgeLoad_ShellEdgeLoadTractionEnm::NORMAL)

class kloC_ShellEdgeLoad : public kloC_Traction {
    KLOC_LOAD_TYPE(ShellEdgeLoad, Traction, 414, KLOC_SHELLEDGELOAD_ATTRIBUTES, "ShellEdgeLoad")
    using ShellEdgeLoadTractionEnm = kloC_ShellEdgeLoad_ShellEdgeLoadTractionEnm;

    void AssertValid() const override;
};
