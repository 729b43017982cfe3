#pragma once
// The loads module's assertion: turns a kloC_ErrorEnm code into the exception of that
// code (omu_ValueErrorException or nex_TextException) carrying its translated message.
// Exported for the command layer, which raises some of the codes itself.
#include "platform/cow/cow_String.h"

// X(name, code, message): the loads module's codes with a message. Codes 0 to 71 not
// listed here carry no message.
#define KLOC_ERRORS(X) \
    X(DEFINED_IN_INITIAL_STEP, 2, "A load cannot be defined in the Initial step.") \
    X(NAME_EXISTS, 5, "Load by this name already exists.") \
    X(CANNOT_DEACTIVATE, 7, "Load cannot be deactivated.") \
    X(DEACTIVATE_IN_BASE_STATE, 8, "Load defined in a previous base state cannot be deactivated.") \
    X(NOT_ACTIVE, 9, "Load is not active.") \
    X(READ_ONLY_IN_STEP, 12, "Load parameters are read-only in this step.") \
    X(MOVE_NOT_ACTIVE, 13, "Load to be moved must be active.") \
    X(NOTHING_TO_MOVE, 14, "There is no load modification to move in the indicated step.") \
    X(RESET_IN_CREATE_STEP, 15, "Cannot reset a load in the step it was created.") \
    X(IN_ANNEAL_STEP, 18, "No loads are allowed in an Anneal step.") \
    X(HYDROSTATIC_IN_EXPLICIT_STEP, 19, "distribution=HYDROSTATIC is not allowed in an VELMOR/Explicit step.") \
    X(HYDROSTATIC_ELEVATIONS_EQUAL, 20, "The zero pressure elevation (z0) and the reference\npressure elevation (z1) must be distinct.") \
    X(MOVE_INTERMEDIATE, 22, "Cannot move the load because an intermediate step is Created, Modified, or Deactivated.") \
    X(MOVE_DESTINATION, 23, "Cannot move the load because the destination step is Created, Modified, or Deactivated.") \
    X(MOVE_FROM_PERTURBATION, 24, "Cannot move a load defined in a perturbation step.") \
    X(MOVE_INTO_PERTURBATION, 25, "Cannot move a load into a perturbation step.") \
    X(MOVE_INTO_ANNEAL, 26, "Cannot move a load into an Anneal step.") \
    X(MOVE_INTO_MODAL_DYNAMICS, 27, "Cannot move a load into a Modal Dynamics step.") \
    X(MOVE_INTO_RANDOM_RESPONSE, 28, "Cannot move a load into a Random Response step.") \
    X(MOVE_INTO_RESPONSE_SPECTRUM, 29, "Cannot move a load into a Response Spectrum step.") \
    X(MOVE_INTO_SSD_MODAL, 30, "Cannot move a load into a Modal Steady State Dynamics step.") \
    X(NO_SUCH_STEP, 31, "The specified step either does not exist or is the Initial step.") \
    X(NOT_IN_STEP, 32, "The load does not exist in the specifed step or is suppressed or inactive.") \
    X(MOVE_TYPE_INVALID, 33, "The specified type of load cannot be moved to this type of step.") \
    X(TYPE_INVALID_IN_STEP, 34, "The specified type of load cannot be created or resumed in this type of step.") \
    X(BOLT_DEACTIVATE, 35, "Bolt loads cannot be de-activated, there is no on/off behavior.") \
    X(BOLT_MOVE_CREATION, 36, "The creation of a bolt load cannot be moved.") \
    X(BOLT_NOT_IN_FIRST_STEP, 37, "A bolt load can only be created in the first analysis step which must also be a general step.") \
    X(BOLT_FIXED_AT_CREATION, 38, "A bolt load cannot be created with type 'Fixed'.") \
    X(HEAT_FLUX_DOF_RANGE, 40, "DOF for concentrated heat flux must between 11 and 31.") \
    X(ZERO_MAGNITUDE, 41, "Load must be created with a non-zero magnitudes unless utilizing a user subroutine.") \
    X(PIPE_DIAMETER_NOT_POSITIVE, 42, "Effective pipe diameter must be greater than zero") \
    X(ROTATIONAL_SUB_CATEGORY, 43, "Rotational Inertial load sub-category must be atleast either centrifugal or\nrotary acceleration, but not both.") \
    X(AXISYMMETRIC_AXIS, 44, "Axis of rotation must be defined by (0,0,0), (0,1,0)") \
    X(TWO_D_AXIS, 45, "Invalid axis of rotation for two-dimensional space.") \
    X(AXISYMMETRIC_SUB_CATEGORY, 46, "Load sub-category for axisymmetric space must be centrifugal.") \
    X(AXISYMMETRIC_GRAVITY, 47, "A gravity load specified on an axisymmetric model can have only a 2-component") \
    X(UNKNOWN_PROPAGATION_STATUS, 48, "Unknown load propagation status.") \
    X(TWO_D_FREE_DIRECTIONS, 49, "Invalid free directions for two-dimensional space.") \
    X(AXISYMMETRIC_FREE_DIRECTIONS, 50, "Invalid free directions for axisymmetric space.") \
    X(INERTIA_RELIEF_LOCAL_ORIENTATION, 51, "Local orientation cannot be used when inertia relief load is specified \nin all free directions.") \
    X(INERTIA_RELIEF_FIXED_AT_CREATION, 52, "Inertia relief cannot be fixed in the load creation step.") \
    X(NOT_ACTIVE_FOR_LOAD_CASE, 53, "Not all specified loads exist as active valid types for a load case.") \
    X(TYPE_NOT_ALLOWED_IN_LOAD_CASE, 54, "Invalid type of load. Flux, charge, current, and flow loads not allowed in a load case.") \
    X(CONNECTOR_IN_LOAD_CASE, 55, "Connector loads and moments are not yet supported by load cases.") \
    X(AXIS_POINTS_COINCIDENT, 57, "Points defining the axis of rotation may not be coincident.") \
    X(SUPPRESSED_EDIT, 61, "Suppressed loads cannot be edited.") \
    X(UNKNOWN_STATUS, 62, "Unknown load status. Please report this error.") \
    X(INVALID_MODIFIED_STATE, 63, "Invalid modified load state or create flag. Please report this error.") \
    X(INVALID_PROPAGATOR_FLAG, 64, "Invalid load propagator error flag. Please report this error.") \
    X(ZERO_DIRECTION, 65, "Direction vector cannot have zero length") \
    X(FOLLOWER_DISABLED, 67, "Follower cannot be disabled unless traction is GENERAL.") \
    X(RESET_NOT_DEACTIVATED, 68, "Reset can only be used in the deactivated step.") \
    X(FIELDS_NOT_ENABLED, 69, "Fields not enabled yet") \
    X(FIELD_NAME_REQUIRED, 70, "A field name must be supplied when the distribution type is set to FIELD.")

// Codes 0 to 71; the underlying type is fixed so that any number converts safely.
enum kloC_ErrorEnm : int {
#define KLOC_ENUMERATOR(name, code, message) kloC_##name = code,
    KLOC_ERRORS(KLOC_ENUMERATOR)
#undef KLOC_ENUMERATOR
    kloC_LAST_ERROR = 71
};

// The translated message of `code`; empty for a code without a message.
cow_String kloC_ErrorMessage(kloC_ErrorEnm code);

// Throws when `condition` is false: omu_ValueErrorException for codes 2, 5, 17, 19, 20,
// 21, 31, 32, 37, 38, 39, 40 and 42, nex_TextException for every other code.
void kloC_Assert(bool condition, kloC_ErrorEnm code);
