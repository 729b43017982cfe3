#pragma once
// The procedures module's error codes and their messages, as lists of
// X(name, code, message). Each entry yields the enumerator kprC_<name> (kprC_assert.h)
// and one case of the message table (kprC_assert.cpp), where a code listed twice
// fails to compile.

// Codes with fixed numbers that other libraries of the host raise by number.
#define KPRC_PUBLISHED_ERRORS(X) \
    X(INVALID_STEP_CONTAINER, 45, "Invalid step container") \
    X(INVALID_STEP, 46, "Invalid step") \
    X(INVALID_STEP_SEQUENCE, 50, "Invalid sequence of steps") \
    X(INVALID_STEP_INDEX, 51, "Invalid step index") \
    X(NLGEOM_TURNED_OFF, 53, "Nlgeom cannot be turned off once it has been turned on") \
    X(MS_TARGET_INC_NOT_POSITIVE, 55, "Target time increment must be greater than zero") \
    X(MS_FACTOR_OR_TARGET_INC_REQUIRED, 56, "Factor or target time increment must be specified and greater than zero") \
    X(FREQUENCY_OR_INTERVALS_REQUIRED, 57, "Frequency or number interval must be specified and greater than zero") \
    X(MS_FEED_RATE_NOT_POSITIVE, 58, "Feed rate must be greater than zero") \
    X(MS_EXTRUDED_LENGTH_NOT_POSITIVE, 59, "Extruded element length must be greater than zero") \
    X(MS_CROSS_SECTION_NODES_NOT_POSITIVE, 60, "Nodes in cross-section must be greater than zero") \
    X(NO_STEP_BY_THAT_NAME, 81, "There is no step by that name") \
    X(INITIAL_STEP_EXISTS, 82, "Initial step already exists") \
    X(FREQUENCY_NEGATIVE, 117, "Frequency value must be greater than or equal to zero.") \
    X(INTERVALS_NOT_POSITIVE, 118, "Number of intervals must be greater than zero.") \
    X(DOF_NOT_POSITIVE, 119, "Degree of freedom must be greater than zero.") \
    X(MAINTAIN_ATTRIBUTES_WITHOUT_REPLACE, 139, "maintainAttributes can only be used when replacing a step.") \
    X(INITIAL_STEP_NOT_REPLACEABLE, 143, "The Initial step cannot be replaced.") \
    X(TIME_POINT_ENTRY_COUNT, 163, "Each time point in the 2D sequence must contain one or three entries, for example ((.4,),(.5,)).") \
    X(TIME_POINTS_EMPTY, 164, "Time points cannot be empty.") \
    X(TIME_POINTS_NOT_ASCENDING, 165, "Time points must be in ascending order.") \
    X(FREQUENCY_AND_INTERVALS_BOTH_SET, 166, "Frequency and number of intervals cannot both be used together.  One must have a value of zero.") \
    X(TIME_POINT_START_AFTER_END, 167, "Time point start value must be less than or equal to the end value.") \
    X(OVERLAY_NOT_ALLOWED, 168, "Overlay cannot be used with frequency or buckle procedures.") \
    X(TIME_MARKS_NOT_ALLOWED, 169, "Time marks cannot be used with this procedure.") \
    X(NUMBER_INTERVALS_NOT_ALLOWED, 170, "Number intervals cannot be used with this procedure.") \
    X(MESH_CTRL_INITIAL_SWEEPS, 171, "Initial remeshing sweeps must be greater than zero.") \
    X(MESH_CTRL_SWEEPS_PER_INCREMENT, 172, "Sweeps per increment must be greater than zero.") \
    X(MESH_CTRL_UPWINDING_FACTOR, 173, "Free boundary upwinding factor must be greater than or equal to zero and less than or equal to one.") \
    X(MESH_CTRL_INITIAL_FEATURE_ANGLE, 174, "Initial feature angle must be greater than or equal to zero and less than or equal to 180.") \
    X(MESH_CTRL_TRANSITION_FEATURE_ANGLE, 175, "Transition feature angle must be greater than or equal to zero and less than or equal to 180.") \
    X(MESH_CTRL_VOLUMETRIC_WEIGHT, 176, "Volumetric smoothing weight must be greater than or equal to zero and less than or equal to one.") \
    X(MESH_CTRL_LAPLACIAN_WEIGHT, 177, "Laplacian smoothing weight must be greater than or equal to zero and less than or equal to one.") \
    X(MESH_CTRL_EQUIPOTENTIAL_WEIGHT, 178, "Equipotential smoothing weight must be greater than or equal to zero And less than or equal to one.") \
    X(MESH_CTRL_CONSTRAINT_ANGLE, 179, "Mesh constraint angle must be greater than or equal to zero and less than or equal to 180.") \
    X(MESH_CTRL_WEIGHT_SUM, 180, "The sum of smoothing weights must be less than or equal to one.") \
    X(MESH_CTRL_REGION_REQUIRED, 181, "A region must be specified.") \
    X(MESH_CTRL_CURVATURE_REFINEMENT, 182, "Curvature refinement must be greater than or equal to zero.") \
    X(AMC_NOT_IN_STEP, 183, "The adaptive mesh constraint does not exist in the specifed step or is suppressed or inactive.") \
    X(AMC_NONE, 184, "There are no adaptive mesh constraints.") \
    X(AMC_UNKNOWN_STEP_TYPE, 185, "Unknown step type.") \
    X(AMC_INVALID_MECHANICAL, 186, "Invalid mechanical adaptive mesh constraint.") \
    X(AMC_NAME_EXISTS, 187, "Adaptive mesh constraint by that name already exists.") \
    X(AMC_NONZERO_IN_INITIAL_STEP, 188, "Non-zero adaptive mesh constraint in initial step.") \
    X(AMC_STEP_DOES_NOT_EXIST, 189, "The specified step does not exist.") \
    X(AMC_COMPONENT_PROPAGATED, 190, "Component state cannot be set to propagated.") \
    X(AMC_NOT_ACTIVE, 191, "Adaptive mesh constraint is not active in this step.") \
    X(AMC_ALREADY_DEACTIVATED, 192, "Adaptive mesh constraint has already been deactivated.") \
    X(AMC_DEACTIVATE_IN_BASE_STATE, 193, "Adaptive mesh constraint in the base state cannot be deactivated.") \
    X(AMC_ALREADY_ACTIVE, 194, "Adaptive mesh constraint is already active.") \
    X(AMC_REACTIVATE_FROM_BASE_STATE, 195, "Adaptive mesh constraint deactivated in the base state cannot be reactivated.") \
    X(AMC_CANNOT_REACTIVATE, 196, "Adaptive mesh constraint cannot be reactivated in this step.") \
    X(AMC_PARAMETER_IN_PROPAGATED_STEP, 197, "This parameter cannot be changed in a propagated step.") \
    X(AMC_PRESCRIBE_FIXED, 198, "Cannot prescribe a displacement when it is to be fixed.") \
    X(AMC_MOVE_NOT_ACTIVE, 199, "Adaptive mesh constraint to be moved must be active.") \
    X(AMC_NOTHING_TO_MOVE, 200, "There is no adaptive mesh constraint modification to move in the indicated step.") \
    X(AMC_RESET_IN_CREATE_STEP, 201, "Cannot reset a adaptive mesh constraint in the step it was created.") \
    X(AMC_CREATE_VALUE_OR_UNSET, 202, "Adaptive mesh constraint must be set to a value or UNSET in the create step.") \
    X(AMC_COMPONENT_FREED_OR_UNSET, 203, "Adaptive mesh constraint component cannot be FREED or UNSET in this step.") \
    X(AMC_COMPONENT_UNSET, 204, "Adaptive mesh constraint component cannot be UNSET in this step.") \
    X(AMC_INVALID_AMPLITUDE_NAME, 205, "Invalid name for an amplitude") \
    X(AMC_IN_ANNEAL_STEP, 206, "No adaptive mesh constraints are allowed in an Anneal step.") \
    X(AMC_FIXED_IN_INITIAL_STEP, 207, "No fixed adaptive mesh constraints are allowed in the initial step.") \
    X(AMC_NONZERO_MOVE_TO_INITIAL, 208, "A non-zero adaptive mesh constraint cannot be moved into the initial step.") \
    X(AMC_MOVE_INTERMEDIATE, 209, "Cannot move the adaptive mesh constraint because an intermediate step is Created, Modified, Deactivated, or Modified from Base State.") \
    X(AMC_MOVE_DESTINATION, 210, "Cannot move the adaptive mesh constraint because the destination step is Created, Modified, or Deactivated.") \
    X(AMC_MOVE_INTO_ANNEAL, 211, "Cannot move a adaptive mesh constraint into an Anneal step.") \
    X(AMC_MOVE_INTO_MODAL_DYNAMICS, 212, "Cannot move a adaptive mesh constraint into a Modal Dynamics step.") \
    X(AMC_MOVE_INTO_RANDOM_RESPONSE, 213, "Cannot move a adaptive mesh constraint into a Random Response step.") \
    X(AMC_MOVE_INTO_RESPONSE_SPECTRUM, 214, "Cannot move a adaptive mesh constraint into a Response Spectrum step.") \
    X(AMC_MOVE_INTO_SSD_MODAL, 215, "Cannot move a adaptive mesh constraint into a Steady-State Dynamics Modal step.") \
    X(AMC_INVALID_FIXED, 216, "Invalid value for fixed parameter.") \
    X(AMC_INVALID_AMPLITUDE, 217, "Invalid value for adaptive mesh constraint amplitude.") \
    X(AMC_INVALID_COMPONENT, 218, "Invalid value for adaptive mesh constraint component.") \
    X(AMC_INVALID_TYPED, 219, "Invalid value for typed adaptive mesh constraint.") \
    X(AMC_MOVE_FROM_PERTURBATION, 220, "Cannot move a adaptive mesh constraint created in a perturbation step.") \
    X(AMC_MOVE_INTO_PERTURBATION, 221, "Cannot move a adaptive mesh constraint into a perturbation step.") \
    X(AMC_DOF_RANGE, 222, "Degree of freedom must be between 11 and 31.") \
    X(AMC_MOVE_TYPE_INVALID, 223, "The specified type of adaptive mesh constraint cannot be moved to this type of step.") \
    X(AMC_TYPE_INVALID_IN_STEP, 224, "The specified type of adaptive mesh constraint cannot be created or resumed in this type of step.") \
    X(AMC_SYMMETRY_IN_PROPAGATED_STEP, 225, "A Symmetry/Antisymmetry/Encastre adaptive mesh constraint cannot be edited in a propagated step") \
    X(AMC_UNKNOWN_PROPAGATION_STATUS, 226, "Unknown adaptive mesh constraint propagation status.") \
    X(AMC_INVALID_FOR_STEP_TYPE, 227, "Invalid adaptive mesh constraint for given step type.") \
    X(AMC_SUPPRESSED_EDIT, 228, "Suppressed adaptive mesh constraints cannot be edited.") \
    X(AMC_UNKNOWN_STATUS, 229, "Unknown adaptive mesh constraint status. Please report this error.") \
    X(AMC_INVALID_MODIFIED_STATE, 230, "Invalid modified adaptive mesh constraint state or create flag. Please report this error.") \
    X(AMC_INVALID_PROPAGATOR_FLAG, 231, "Invalid adaptive mesh constraint propagator error flag. Please report this error.") \
    X(AMC_RESET_NOT_DEACTIVATED, 232, "Reset can only be used in the deactivated step.") \
    X(AMC_FIELDS_NOT_ENABLED, 233, "Fields not enabled yet") \
    X(AMC_USER_SUBROUTINE_EXPLICIT, 240, "The user subroutine option is not available with Explicit adaptive mesh constraints.")

// Numbers this library gives to the validation messages of steps, damping, solution
// controls and step-side commands that have no fixed number. They take, in order, the
// slots below 163 that the list above leaves free, so none falls into the translated
// ranges (163-165, 232-244) and all of them are raised as raw text.
#define KPRC_LOCAL_ERRORS(X) \
    X(TIME_PERIOD_NOT_POSITIVE, 0, "Time period must be greater than zero") \
    X(INVALID_NUMBER_OF_INCREMENTS, 1, "Invalid number of increments") \
    X(INITIAL_INC_NOT_POSITIVE, 2, "Initial increment must be greater than zero") \
    X(INITIAL_INC_ABOVE_TIME_PERIOD, 3, "Initial increment must be less than or equal to time period") \
    X(MIN_INC_NOT_POSITIVE, 4, "Minimum increment must be greater than zero") \
    X(MAX_INC_NOT_POSITIVE, 5, "Maximum increment must be greater than zero") \
    X(MIN_INC_ABOVE_MAX_INC, 6, "Minimum increment must be less than or equal to maximum increment") \
    X(MIN_INC_ABOVE_INITIAL_INC, 7, "Minimum increment must be less than or equal to initial increment") \
    X(INITIAL_INC_ABOVE_MAX_INC, 8, "Initial increment must be less than or equal to maximum increment") \
    X(MAX_INC_ABOVE_TIME_PERIOD, 9, "Maximum increment must be less than or equal to time period") \
    X(INVALID_SOLVER, 10, "Invalid solver value for given procedure.") \
    X(CONTACT_ITERATIONS_NEED_DIRECT_SOLVER, 11, "The contact iterations control can only be used with the direct solver.") \
    X(MULTIPLE_SOLUTION_TECHNIQUES, 12, "Multiple solution techniques are not allowed in a step.") \
    X(ITERATIVE_SOLVER_WITH_STABILIZATION, 13, "Iterative solver cannot be used with stabilization.") \
    X(INVALID_MAX_LPF, 14, "Invalid maximum Load Proportionality Factor") \
    X(TOTAL_ARC_LENGTH_NOT_POSITIVE, 15, "Total arc length must be greater than zero") \
    X(INITIAL_ARC_INC_NOT_POSITIVE, 16, "Initial arc increment must be greater than zero") \
    X(INITIAL_ARC_INC_ABOVE_TOTAL, 17, "Initial arc increment must be less than or equal to total arc length") \
    X(MIN_ARC_INC_NEGATIVE, 18, "Minimum arc increment must be greater than or equal to zero") \
    X(MAX_ARC_INC_NEGATIVE, 19, "Maximum arc increment must be greater than or equal to zero") \
    X(MIN_ARC_INC_ABOVE_MAX_ARC_INC, 20, "Minimum arc increment must be less than or equal to maximum arc increment") \
    X(INVALID_RIKS_MONITOR_NODE, 21, "Invalid Riks monitor node") \
    X(INVALID_RIKS_MONITOR_DOF, 22, "Invalid Riks monitor degree of freedom") \
    X(RIKS_MONITOR_DISPLACEMENT_ZERO, 23, "Riks monitor displacment cannot be zero") \
    X(CETOL_REQUIRED, 24, "CETOL is required for automatic incrementation and must be greater than zero") \
    X(CHANGE_RATE_NOT_POSITIVE, 25, "Change rate must be greater than zero") \
    X(INVALID_FIXED_INC_SIZE, 26, "Invalid fixed increment size") \
    X(CETOL_OR_UTOL_REQUIRED, 27, "CETOL or UTOL are required for automatic incrementation and must be greater than zero") \
    X(UTOL_REQUIRED, 28, "UTOL is required for automatic incrementation with no creep and must be greater than zero") \
    X(INVALID_CREEP_INTEGRATION, 29, "An invalid creepIntegration value was specified.") \
    X(CETOL_OR_DELTMX_REQUIRED, 30, "CETOL or DELTMX must be specified for automatic incrementation and must be greater than zero") \
    X(DELTMX_REQUIRED, 31, "DELTMX is required for automatic incrementation with no creep and must be greater than zero") \
    X(STABILIZATION_METHOD_REQUIRED, 32, "The stabilization method must be specified.") \
    X(INVALID_MXDEM, 33, "Invalid value for maximum allowable emissivity change") \
    X(ITERATIVE_SOLVER_TRANSIENT_HEAT, 34, "Iterative solver cannot be used with Transient heat transfer analysis.") \
    X(DCMAX_REQUIRED, 35, "DCMAX is required for automatic incrementation") \
    X(INVALID_END_RATE, 36, "Invalid value for end rate of change in normalized concentration") \
    X(INVALID_CREEP_STRAIN_DIFFERENCE, 37, "Invalid value for the creep strain difference") \
    X(INVALID_TEMPERATURE_DIFFERENCE, 38, "Invalid value for the temperature difference") \
    X(INVALID_DCMAX, 39, "Invalid value for DCMAX") \
    X(INVALID_FULLY_PLASTIC_SET, 40, "Invalid set for fully plastic region") \
    X(MIN_INC_ABOVE_TIME_PERIOD, 41, "Minimum increment must be less than or equal to time period") \
    X(MIN_ARC_INC_ABOVE_TOTAL, 42, "Minimum arc increment must be less than or equal to total arc length") \
    X(MAX_ARC_INC_ABOVE_TOTAL, 43, "Maximum arc increment must be less than or equal to total arc length") \
    X(INITIAL_ARC_INC_ABOVE_MAX_ARC_INC, 44, "Initial arc increment must be less than or equal to maximum arc increment") \
    X(MIN_ARC_INC_ABOVE_INITIAL_ARC_INC, 47, "Minimum arc increment must be less than or equal to initial arc increment") \
    X(MAX_EIGEN_NOT_POSITIVE, 48, "Maximum eigenvalue must be greater than zero") \
    X(NUM_EIGEN_NOT_POSITIVE, 49, "Number of eigenvalues to extract must be greater than zero") \
    X(PROPERTY_EVALUATION_FREQUENCY, 52, "Property evaluation frequency must be greater than zero or None.") \
    X(SECOND_CUTOFF_NOT_ABOVE_ONE, 54, "Second cutoff frequency multiplier for reduced eigenproblems must be greater than one.") \
    X(FIRST_CUTOFF_ABOVE_SUBSTRUCTURE_CUTOFF, 61, "First cutoff frequency multiplier for reduced eigenproblems must be less than the cutoff frequency multiplier for substructure eigenproblems.") \
    X(SECOND_CUTOFF_ABOVE_FIRST_CUTOFF, 62, "Second cutoff frequency multiplier for reduced eigenproblems must be less than the first cutoff frequency multiplier.") \
    X(RESIDUAL_MODE_COUNT_MISMATCH, 63, "The number of residual mode regions must equal the number of residual mode degree-of-freedom values.") \
    X(RESIDUAL_MODE_REGION_EMPTY, 64, "Region names used when specifying residual modes cannot be empty.") \
    X(RESIDUAL_MODE_DOF_NOT_POSITIVE, 65, "Degrees-of-freedom must be greater than zero.") \
    X(ALL_EIGENVALUES_NEED_MAX_FREQUENCY, 66, "The maximum frequency must be specified when requesting all eigenvalues.") \
    X(BLOCK_SIZE_NOT_POSITIVE, 67, "Block size must be greater than zero.") \
    X(MAX_BLOCKS_NOT_POSITIVE, 68, "Maximum number of blocks must be greater than zero.") \
    X(FREQUENCY_INTERVALS_NOT_POSITIVE, 69, "Number of frequency intervals must be greater than zero.") \
    X(INTERVAL_BIAS_NOT_ONE, 70, "The frequency interval biasing value must be one when interval boundaries are specified.") \
    X(INTERVAL_BOUNDARY_COUNT, 71, "If boundary values are specified, the number of values must be one less than the number of intervals.") \
    X(INTERVAL_BOUNDARY_NOT_POSITIVE, 72, "Frequency interval boundaries must be greater than zero.") \
    X(SUBSPACE_ALL_EIGENVALUES, 73, "ALL may not be used with the subspace eigensolver.") \
    X(VECTORS_NOT_POSITIVE, 74, "Number of vectors must be greater than zero") \
    X(ITERATIONS_NOT_POSITIVE, 75, "Number of iterations must be greater than zero") \
    X(AMS_NORMALIZATION_NOT_MASS, 76, "The AMS eigensolver must normalize eigenvectors by mass.") \
    X(AMS_NEEDS_MAX_FREQUENCY, 77, "The maximum frequency must be specified when using the AMS eigensolver.") \
    X(AMS_RESIDUAL_MODES_NEED_REGIONS, 78, "When using the residual mode option with the AMS eigensolver, residual mode regions must also be specified.") \
    X(EIGENSOLVER_NOT_SELECTED, 79, "The subspace or lanczos eigensolver must be selected.") \
    X(PROPERTY_EVALUATION_NOT_POSITIVE, 80, "Property evaluation must be greater than zero.") \
    X(INVALID_INC_SCALE_FACTOR, 83, "Invalid increment size scaling factor") \
    X(INVALID_LINEAR_BULK_VISCOSITY, 84, "Invalid linear bulk viscosity value") \
    X(INVALID_QUADRATIC_BULK_VISCOSITY, 85, "Invalid quadratic bulk viscosity value") \
    X(HALF_STEP_RESIDUALS_REQUIRED, 86, "Half step residuals are required for automatic incrementation") \
    X(HALF_STEP_RESIDUAL_TOLERANCE_REQUIRED, 87, "Maximum half step residual must be given for automatic incrementation") \
    X(NUMERICAL_DAMPING_RANGE, 88, "The numerical damping control parameter must be greater than or equal to -0.333 and less than or equal to zero.") \
    X(SUBSPACE_MODES_NOT_POSITIVE, 89, "Number of modes to use for subspace dynamics must be greater than zero") \
    X(NO_FREQUENCY_RANGE, 90, "No frequency range specified") \
    X(MAX_DAMPING_CHANGE_NOT_POSITIVE, 91, "Maximum damping change must be greater than zero") \
    X(MAX_STIFFNESS_CHANGE_NOT_POSITIVE, 92, "Maximum stiffness change must be greater than zero") \
    X(TOO_MANY_SPECTRUM_COMPONENTS, 93, "Only three response spectrum components are allowed") \
    X(INVALID_FREQUENCY_RANGE_POINTS, 94, "Invalid number of frequency range calculation points") \
    X(INVALID_EIGENFREQUENCY_POINTS, 95, "Invalid number of calculation points between eigenfrequencies") \
    X(INVALID_FREQUENCY_RANGE, 96, "Invalid frequency range values") \
    X(INVALID_RANDOM_RESPONSE_RANGE, 97, "Invalid frequency range in random response analysis") \
    X(BIAS_REQUIRED, 98, "A nonzero bias parameter must be specified.") \
    X(INVALID_SPECTRUM_NAME, 99, "Invalid response spectrum name") \
    X(MIXED_DAMPING, 100, "Mode-based damping and frequency-based damping cannot be mixed.") \
    X(INVALID_DAMPING_START_MODE, 101, "Invalid start mode for damping") \
    X(INVALID_DAMPING_END_MODE, 102, "Invalid end mode for damping") \
    X(INVALID_DAMPING_MODE_RANGE, 103, "Invalid mode range for damping") \
    X(INVALID_CRITICAL_DAMPING_FRACTION, 104, "Invalid value for fraction of critical damping") \
    X(INVALID_RAYLEIGH_BETA, 105, "Invalid value for Rayleigh beta damping") \
    X(INVALID_STRUCTURAL_DAMPING, 106, "Invalid value for structural damping") \
    X(INVALID_DAMPING_FREQUENCY, 107, "Invalid frequency for damping") \
    X(CONTROLS_PROPAGATION_AND_RESET, 108, "AllowPropagation or resetDefaultValues must have a value of Off.") \
    X(DISCONTINUOUS_IO_CHANGED, 109, "The first time incrementation parameter, I(O), cannot be changed in a discontinuous analysis.") \
    X(DISCONTINUOUS_IR_CHANGED, 110, "The second time incrementation parameter, I(R), cannot be changed in a discontinuous analysis.") \
    X(LINE_SEARCH_ITERATIONS_NOT_INTEGER, 111, "The first line search parameter, maximum number of zero-finding iterations, must be an integer") \
    X(TIME_INCREMENTATION_NOT_INTEGER, 112, "The first ten time incrementation controls must be integers.") \
    X(LINE_SEARCH_ITERATIONS_NEGATIVE, 113, "The first line search parameter, maximum number of zero-finding iterations, must be greater than or equal to zero.") \
    X(TIME_INCREMENTATION_IT_ABOVE_10, 114, "The time incrementation parameter, I(T), must not exceed 10.") \
    X(STABILITY_LIMIT_FRACTION_ABOVE_1, 115, "The time incrementation parameter, fraction of stability limit, must not exceed 1.0.") \
    X(TIME_INCREMENTATION_IO_BELOW_3, 116, "The first time incrementation parameter, I(O), must be greater than 2.") \
    X(TIME_INCREMENTATION_DP_BELOW_1, 120, "The time incrementation parameter Dp must be greater than or equal to 1.0") \
    X(CONTROLS_DATA_NEGATIVE, 121, "General solution controls data must not be negative.") \
    X(CONCENTRATION_FIELD_FLUX, 122, "Concentration field initial and user-defined time average flux cannot both be specified.") \
    X(TEMPERATURE_FIELD_FLUX, 123, "Temperature field initial and user-defined time average flux cannot both be specified.") \
    X(ELECTRICAL_POTENTIAL_FIELD_FLUX, 124, "Electrical potential field initial and user-defined time average flux cannot both be specified.") \
    X(DISPLACEMENT_FIELD_FLUX, 125, "Displacement field initial and user-defined time average flux cannot both be specified.") \
    X(HYDROSTATIC_FLUID_PRESSURE_FIELD_FLUX, 126, "Hydrostatic fluid pressure field initial and user-defined time average flux cannot both be specified.") \
    X(ROTATION_FIELD_FLUX, 127, "Rotation field initial and user-defined time average flux cannot both be specified.") \
    X(PORE_FLUID_PRESSURE_FIELD_FLUX, 128, "Pore fluid pressure field initial and user-defined time average flux cannot both be specified.") \
    X(CONTROLS_NOT_AVAILABLE, 129, "Controls are not available for explicit or perturbation procedures.") \
    X(NUM_DOMAINS_BELOW_TWO, 130, "Number of domains must be greater than one.") \
    X(RELATIVE_TOLERANCE_NEGATIVE, 131, "Relative tolerance for convergence must be positive.") \
    X(MAX_ITERATIONS_NEGATIVE, 132, "Maximum number of iterations must be positive.") \
    X(CONTACT_MAX_INCREMENTS_NOT_POSITIVE, 133, "Maximum number of increments must be greater than zero.") \
    X(WARP_CHECK_PERIOD_NOT_POSITIVE, 134, "Number of increments between warp checks must be greater than zero.") \
    X(WARP_CUTOFF_NOT_POSITIVE, 135, "Highly warped angle definition must be greater than zero.") \
    X(PENALTY_SCALE_NEGATIVE, 136, "Penalty stiffness scaling factor must be greater than or equal to zero.") \
    X(CONTROLS_IN_INITIAL_STEP, 137, "Controls cannot be modified or accessed in the Initial step.") \
    X(CONTROLS_UNAVAILABLE_FOR_STEP, 138, "Controls are unavailable for the given step.") \
    X(CONTROLS_COPY_TO_INITIAL_STEP, 140, "Controls cannot be copied to the Initial step.") \
    X(ADDITIONAL_CONTROLS_NOT_ALLOWED, 141, "Additional controls cannot be specified if allowPropagation or resetDefaultValues are on.") \
    X(SOLVER_CONTROLS_NOT_AVAILABLE, 142, "Solver controls are only available for Static, General; Static, Linear Perturbation and steady-state Heat Transfer steps.") \
    X(STEP_NAME_EXISTS, 144, "A step named '%s' already exists.")
