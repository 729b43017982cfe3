#pragma once
// The per-step status of a propagating object (a load, an adaptive mesh constraint) and
// the attribute state of a propagating attribute, with their scripting strings, which are
// also their stored form.
//
// Statuses 11 to 15 have no name: the propagator tests them (11 behaves like
// NOT_YET_CREATED for deactivation, 12 like BUILT_INTO_BASE_STATE, 13 like MODIFIED, 15
// like DEACTIVATED) but never sets them, so they have no string either; use mdl_Status(n).
#include "platform/omu/omu_PrimEnum.h"

OMU_PRIM_ENUM(mdl_PropagationStatusEnm, NOT_YET_CREATED, CREATED, PROPAGATED, MODIFIED, DEACTIVATED, INACTIVE,
              NOT_VALID_IN_STEP, OUTSIDE_PERTURBATION_STEP, BUILT_INTO_BASE_STATE, PROPAGATED_FROM_BASE_STATE,
              MODIFIED_FROM_BASE_STATE)

OMU_PRIM_ENUM(mdl_PropAttributeStateEnm, UNSET, SET, INHERITED, CLEARED)

constexpr mdl_PropagationStatusEnm mdl_Status(unsigned int value) { return static_cast<mdl_PropagationStatusEnm>(value); }

// The statuses without a name, called after what the propagator treats them like.
inline constexpr mdl_PropagationStatusEnm mdl_STATUS_11_AS_NOT_YET_CREATED = mdl_Status(11);
inline constexpr mdl_PropagationStatusEnm mdl_STATUS_12_AS_BUILT_INTO_BASE_STATE = mdl_Status(12);
inline constexpr mdl_PropagationStatusEnm mdl_STATUS_13_AS_MODIFIED = mdl_Status(13);
inline constexpr mdl_PropagationStatusEnm mdl_STATUS_14_AS_NOT_YET_CREATED = mdl_Status(14);
inline constexpr mdl_PropagationStatusEnm mdl_STATUS_15_AS_DEACTIVATED = mdl_Status(15);
constexpr unsigned int mdl_Value(mdl_PropagationStatusEnm status) { return static_cast<unsigned int>(status); }
