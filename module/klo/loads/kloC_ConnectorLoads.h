#pragma once
// Forces and moments on connectors: three components. Load cases do not take them yet
// (error 55).
#include "module/klo/loads/kloC_Vector.h"

class kloC_ConnectorForceState : public kloC_VectorState {
    CLS_PERSISTENT(kloC_ConnectorForceState, kloC_VectorState, kloC_ConnectorForceState_TypeId, 203, CLS_NO_ATTRIBUTES)
    KLOC_NAME(pythonTypeName, "ConnectorForceState")
    CLS_SCRIPT_NAMES("c1", "f1", "c2", "f2", "c3", "f3")
    using kloC_VectorState::kloC_VectorState;
    kloC_ConnectorForceState() = default;
    kloC_ConnectorForceState(kloC_ConnectorForceState const&) = default;
};

class kloC_ConnectorForce : public kloC_Vector {
    KLOC_LOAD_TYPE(ConnectorForce, Vector, 860, CLS_NO_ATTRIBUTES, "ConnectorForce")
    KLOC_NAME(connectorsCmd, "connectors")

    bool AllowedInALoadCase() const override { return true; }
    bool NYIForLoadCase() const override { return true; }
};

class kloC_ConnectorMomentState : public kloC_VectorState {
    CLS_PERSISTENT(kloC_ConnectorMomentState, kloC_VectorState, kloC_ConnectorMomentState_TypeId, 203, CLS_NO_ATTRIBUTES)
    KLOC_NAME(pythonTypeName, "ConnectorMomentState")
    CLS_SCRIPT_NAMES("c1", "m1", "c2", "m2", "c3", "m3")
    using kloC_VectorState::kloC_VectorState;
    kloC_ConnectorMomentState() = default;
    kloC_ConnectorMomentState(kloC_ConnectorMomentState const&) = default;
};

class kloC_ConnectorMoment : public kloC_Vector {
    KLOC_LOAD_TYPE(ConnectorMoment, Vector, 860, CLS_NO_ATTRIBUTES, "ConnectorMoment")
    KLOC_NAME(connectorsCmd, "connectors")

    bool AllowedInALoadCase() const override { return true; }
    bool NYIForLoadCase() const override { return true; }
};
