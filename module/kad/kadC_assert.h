#pragma once
// The adaptive meshing module's assertion: turns a kadC_ErrorEnm code of an adaptive
// mesh control or domain check into a nex_TextException carrying the code's raw message.
#include "platform/cow/cow_String.h"

// X(name, code, message), shared by adaptive mesh controls and domains.
#define KADC_ERRORS(X) \
    X(FREQUENCY_NOT_POSITIVE, 0, "Frequency value must be greater than zero.") \
    X(INITIAL_SWEEPS_NOT_POSITIVE, 1, "Initial remeshing sweeps must be greater than zero.") \
    X(SWEEPS_PER_INCREMENT_NOT_POSITIVE, 2, "Sweeps per increment must be greater than zero.") \
    X(UPWINDING_FACTOR_RANGE, 3, "Free boundary upwinding factor must be greater than or equal to zero and less than or equal to one.") \
    X(INITIAL_FEATURE_ANGLE_RANGE, 4, "Initial feature angle must be greater than or equal to zero and less than or equal to 180.") \
    X(TRANSITION_FEATURE_ANGLE_RANGE, 5, "Transition feature angle must be greater than or equal to zero and less than or equal to 180.") \
    X(VOLUMETRIC_WEIGHT_NEGATIVE, 6, "Volumetric smoothing weight must be greater than or equal to zero.") \
    X(LAPLACIAN_WEIGHT_NEGATIVE, 7, "Laplacian smoothing weight must be greater than or equal to zero.") \
    X(EQUIPOTENTIAL_WEIGHT_NEGATIVE, 8, "Equipotential smoothing weight must be greater than or equal to zero.") \
    X(MESH_CONSTRAINT_ANGLE_RANGE, 9, "Mesh constraint angle must be greater than or equal to zero and less than or equal to 180.") \
    X(WEIGHT_SUM_ABOVE_ONE, 10, "The sum of smoothing weights must be less than or equal to one.") \
    X(REGION_REQUIRED, 11, "A region must be specified.") \
    X(CURVATURE_REFINEMENT_NEGATIVE, 12, "Curvature refinement must be greater than or equal to zero.") \
    X(PROJECTION_WEIGHT_NEGATIVE, 13, "Original configuration projection weight must be greater than or equal to zero.")

// Codes 0 to 13; the underlying type is fixed so that any number converts safely.
enum kadC_ErrorEnm : int {
#define KADC_ENUMERATOR(name, code, message) kadC_##name = code,
    KADC_ERRORS(KADC_ENUMERATOR)
#undef KADC_ENUMERATOR
};

// The raw message of `code`; empty for a code outside the table.
cow_String kadC_ErrorMessage(kadC_ErrorEnm code);

// Throws nex_TextException with kadC_ErrorMessage(code) when `condition` is false.
void kadC_Assert(bool condition, kadC_ErrorEnm code);
