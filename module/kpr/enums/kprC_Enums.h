#pragma once
// The enumerations of the procedures module with their permitted strings.
// An enumeration that belongs to a class is declared here at namespace scope as
// <Class>_<Enumeration> (kprC_Step_NlgeomEnm), so that it exists before its class; the
// class then adopts it with `using NlgeomEnm = kprC_Step_NlgeomEnm;`. Enumerators are
// the permitted strings, valued 0, 1, 2, ... in order (kprC_Step_NlgeomEnm::ON == 1).
#include "platform/omu/omu_PrimEnum.h"

// Shared by many step classes (kprC_Step).
OMU_PRIM_ENUM(kprC_Step_TimeIncrementationMethodEnm, AUTOMATIC, FIXED)
OMU_PRIM_ENUM(kprC_Step_NlgeomEnm, OFF, ON, NOT_AVAILABLE)
OMU_PRIM_ENUM(kprC_Step_EigensolverEnm, SUBSPACE, LANCZOS, AMS)
OMU_PRIM_ENUM(kprC_Step_DefaultEnm, DEFAULT)
OMU_PRIM_ENUM(kprC_Step_ConvertSDIEnm, CONVERT_SDI_OFF, CONVERT_SDI_ON, PROPAGATED)
OMU_PRIM_ENUM(kprC_Step_MatrixSolverEnm, DIRECT_SYMMETRIC, DIRECT_UNSYMMETRIC, SOLVER_DEFAULT, DDM_ITERATIVE, SYMMETRIC, UNSYMMETRIC)
OMU_PRIM_ENUM(kprC_Step_ResponseEnm, STEADY_STATE, TRANSIENT, NOT_APPLICABLE)
OMU_PRIM_ENUM(kprC_Step_ExtrapolationEnm, LINEAR, PARABOLIC, NONE)
OMU_PRIM_ENUM(kprC_Step_AmplitudeEnm, STEP, RAMP)
OMU_PRIM_ENUM(kprC_Step_ReplacementPolicyEnm, DO_NOT_REPLACE, SUBSTITUTE, DELETE, SUBSTITUTE_DELETE)
OMU_PRIM_ENUM(kprC_Step_SolutionTechniqueEnm, FULL_NEWTON, SEPARATED, CONTACT_ITERATIONS, QUASI_NEWTON)

// Step classes.
OMU_PRIM_ENUM(kprC_AnnealStep_MaintainCurrentEnm, MAINTAIN_CURRENT)
OMU_PRIM_ENUM(kprC_ComplexFrequencyStep_AllEnm, ALL)
OMU_PRIM_ENUM(kprC_CoupledTempDisplacementStep_StabilizationMethodEnm, NONE, DISSIPATED_ENERGY_FRACTION, DAMPING_FACTOR)
OMU_PRIM_ENUM(kprC_CoupledTempDisplacementStep_CreepIntegrationEnm, IMPLICIT_EXPLICIT, EXPLICIT, CREEP_OFF, IMPLICIT)
OMU_PRIM_ENUM(kprC_ExplicitDynamicsStep_TimeIncrementationMethodEnm, AUTOMATIC_GLOBAL, FIXED_USER_DEFINED_INC, AUTOMATIC_EBE, FIXED_EBE)
OMU_PRIM_ENUM(kprC_FrequencyStep_AllEigenEnm, ALL)
OMU_PRIM_ENUM(kprC_FrequencyStep_NormalizationEnm, DISPLACEMENT, MASS)
OMU_PRIM_ENUM(kprC_RandomResponseStep_ScaleEnm, LOGARITHMIC, LINEAR)
OMU_PRIM_ENUM(kprC_ResponseSpectrumStep_SummationEnm, ABS, CQC, NRL, SRSS, TENP)
OMU_PRIM_ENUM(kprC_ResponseSpectrumStep_CompEnm, SINGLE_DIRECTION, MULTIPLE_DIRECTION_ABSOLUTE_SUM, MULTIPLE_DIRECTION_SRSS_SUM)
OMU_PRIM_ENUM(kprC_SoilsStep_SoilsResponseEnm, CONSOLIDATION, STEADY_STATE)
OMU_PRIM_ENUM(kprC_SoilsStep_StabilizationMethodEnm, NONE, DISSIPATED_ENERGY_FRACTION, DAMPING_FACTOR)
OMU_PRIM_ENUM(kprC_StaticStep_StabilizationEnm, NONE, DISSIPATED_ENERGY_FRACTION, DAMPING_FACTOR)
OMU_PRIM_ENUM(kprC_SteadyStateDirectStep_ScaleEnm, LOGARITHMIC, LINEAR)
OMU_PRIM_ENUM(kprC_SteadyStateDirectStep_FactorizationEnm, REAL_ONLY, COMPLEX)
OMU_PRIM_ENUM(kprC_SteadyStateModalStep_ScaleEnm, LOGARITHMIC, LINEAR)
OMU_PRIM_ENUM(kprC_SteadyStateSubspaceStep_ScaleEnm, LOGARITHMIC, LINEAR)
OMU_PRIM_ENUM(kprC_SteadyStateSubspaceStep_ProjectionEnm, ALL_FREQUENCIES, CONSTANT, EIGENFREQUENCY, PROPERTY_CHANGE)
OMU_PRIM_ENUM(kprC_SteadyStateSubspaceStep_FactorizationEnm, REAL_ONLY, COMPLEX)
OMU_PRIM_ENUM(kprC_SubspaceDynamicsStep_SubspaceAllEnm, ALL, SPECIFIED_MODES)
OMU_PRIM_ENUM(kprC_TempDisplacementDynamicsStep_TimeIncrementationMethodEnm, AUTOMATIC_GLOBAL, FIXED_USER_DEFINED_INC, AUTOMATIC_EBE, FIXED_EBE)
OMU_PRIM_ENUM(kprC_ViscoStep_StabilizationMethodEnm, NONE, DISSIPATED_ENERGY_FRACTION, DAMPING_FACTOR)
OMU_PRIM_ENUM(kprC_ViscoStep_IntegrationEnm, IMPLICIT_EXPLICIT, EXPLICIT_ONLY)
OMU_PRIM_ENUM(kprC_BucklingCaseEnm, NOT_APPLICABLE, STRESS_PERTURBATION, BUCKLING_MODES, PERTURBATION_AND_BUCKLING)

// Records owned by steps.
OMU_PRIM_ENUM(kprC_Controls_DefaultEnm, DEFAULT, PROPAGATED)
OMU_PRIM_ENUM(kprC_LinearCtrl_DefaultEnm, DEFAULT, PROPAGATED)
OMU_PRIM_ENUM(kprC_ExplicitContactControls_DefaultEnm, DEFAULT, INC_VALUE)
OMU_PRIM_ENUM(kprC_MassScaling_MassScalingOccursEnm, AT_BEGINNING, THROUGHOUT_STEP)
OMU_PRIM_ENUM(kprC_MassScaling_MassScalingPreviousStepEnm, PREVIOUS_STEP, ARRAY)
OMU_PRIM_ENUM(kprC_MassScaling_MassScalingModelEnm, MODEL)
OMU_PRIM_ENUM(kprC_MassScaling_MassScalingDirectionEnm, GLOBAL_X, GLOBAL_Y, GLOBAL_Z, GLOBAL_NONE)
OMU_PRIM_ENUM(kprC_MassScaling_MassScalingTypeEnm, UNIFORM, BELOW_MIN, SET_EQUAL_DT, ROLLING)
OMU_PRIM_ENUM(kprC_MassScaling_MassScalingObjectiveEnm, SEMI_AUTOMATIC, AUTOMATIC, REINITIALIZE, DISABLE_THROUGHOUT_STEP)

// Adaptive mesh constraints.
OMU_PRIM_ENUM(kprC_AdptMeshCons_CategoryEnm, MECHANICAL, THERMAL, FLUID, ELECTRICAL, MASS_DIFFUSION, ACOUSTIC, OTHER)
OMU_PRIM_ENUM(kprC_AdptMeshCons_MotionTypeEnum, INDEPENDENT, FOLLOW, USER_DEFINED)
