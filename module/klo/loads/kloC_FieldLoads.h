#pragma once
// The loads of the non-mechanical fields: heat flux, electric charge and current,
// concentration flux, pore fluid flow, hydrostatic fluid flux and the acoustic inward
// volume acceleration. Each is a single magnitude on points or regions (kloC_Scalar) or
// a distributed one on surfaces and bodies (kloC_Distributed), and differs from the
// others of its base only in its identity, names, step compatibility and whether load
// cases take it.
#include "module/klo/loads/kloC_Distributed.h"
#include "module/klo/loads/kloC_Scalar.h"

// A field load type with its state: the load class kloC_<Name> on kloC_<Base>, created by
// scripts as `constructor`, its state type named `constructor`State.
#define KLOC_FIELD_LOAD(Name, Base, constructor, loadCase)                                        \
    KLOC_PLAIN_STATE(Name, Base, constructor "State")                                             \
    class kloC_##Name : public kloC_##Base {                                                      \
        KLOC_LOAD_TYPE(Name, Base, 203, CLS_NO_ATTRIBUTES, constructor)                           \
        bool AllowedInALoadCase() const override { return loadCase; }                             \
    };

KLOC_PLAIN_STATE(ConcentratedHeatFlux, Scalar, "ConcentratedHeatFluxState")

// A new heat flux acts on the first heat transfer degree of freedom, 11.
#define KLOC_CONCENTRATEDHEATFLUX_ATTRIBUTES(A) A(int, dof, 11)

class kloC_ConcentratedHeatFlux : public kloC_Scalar {
    KLOC_LOAD_TYPE(ConcentratedHeatFlux, Scalar, 203, KLOC_CONCENTRATEDHEATFLUX_ATTRIBUTES, "ConcentratedHeatFlux")
    // The base checks, then a degree of freedom from 11 to 31 (40).
    void AssertValid() const override;
};

// X(Name, Base, constructor, whether load cases take it). No procedure admits a
// hydrostatic fluid flux strictly, so its creation is always refused (error 34); it is
// carried only in the base state of perturbation procedures.
#define KLOC_FIELD_LOADS(X)                                                   \
    X(SurfaceHeatFlux, Distributed, "SurfaceHeatFlux", true)                  \
    X(BodyHeatFlux, Distributed, "BodyHeatFlux", true)                        \
    X(ConcentratedCharge, Scalar, "ConcCharge", false)                        \
    X(SurfaceCharge, Scalar, "SurfaceCharge", false)                          \
    X(BodyCharge, Scalar, "BodyCharge", false)                                \
    X(ConcentratedCurrent, Scalar, "ConcCurrent", false)                      \
    X(SurfaceCurrent, Scalar, "SurfaceCurrent", false)                        \
    X(BodyCurrent, Scalar, "BodyCurrent", false)                              \
    X(ConcentratedConcentrationFlux, Scalar, "ConcConcFlux", false)           \
    X(SurfaceConcentrationFlux, Distributed, "SurfaceConcentrationFlux", true) \
    X(BodyConcentrationFlux, Distributed, "BodyConcentrationFlux", true)      \
    X(ConcentratedPoreFluid, Scalar, "ConcPoreFluid", true)                   \
    X(SurfacePoreFluid, Distributed, "SurfacePoreFluid", true)                \
    X(HydroFluidFlow, Scalar, "HydroFluidFlow", false)                        \
    X(InwardVolAccel, Scalar, "InwardVolAccel", true)

KLOC_FIELD_LOADS(KLOC_FIELD_LOAD)
