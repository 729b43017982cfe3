#pragma once
// Procedure type codes: the class type identifier of the step class that runs each
// procedure, named after that class. The Initial step runs no procedure and reports 1.
// Also the scripting enumeration of the codes, omu_PrimEnum<unsigned int, 602>, in the
// order of the procedure table's scripting ranks.
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/procedures/kprC_Procedures.h"
#include "platform/omu/omu_PrimEnum.h"

inline constexpr unsigned int kprC_INITIAL_STEP_ID = kprC_InitialStep_TypeId;  // its class type identifier

inline constexpr unsigned int kprC_ANNEAL_STEP_ID = kprC_AnnealStep_TypeId;
inline constexpr unsigned int kprC_BUCKLE_STEP_ID = kprC_BuckleStep_TypeId;
inline constexpr unsigned int kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID = kprC_CoupledTempDisplacementStep_TypeId;
inline constexpr unsigned int kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID = kprC_CoupledThermalElectricStep_TypeId;
inline constexpr unsigned int kprC_EXPLICIT_DYNAMICS_STEP_ID = kprC_ExplicitDynamicsStep_TypeId;
inline constexpr unsigned int kprC_FREQUENCY_STEP_ID = kprC_FrequencyStep_TypeId;
inline constexpr unsigned int kprC_GEOSTATIC_STEP_ID = kprC_GeostaticStep_TypeId;
inline constexpr unsigned int kprC_HEAT_TRANSFER_STEP_ID = kprC_HeatTransferStep_TypeId;
inline constexpr unsigned int kprC_IMPLICIT_DYNAMICS_STEP_ID = kprC_ImplicitDynamicsStep_TypeId;
inline constexpr unsigned int kprC_MASS_DIFFUSION_STEP_ID = kprC_MassDiffusionStep_TypeId;
inline constexpr unsigned int kprC_MODAL_DYNAMICS_STEP_ID = kprC_ModalDynamicsStep_TypeId;
inline constexpr unsigned int kprC_RANDOM_RESPONSE_STEP_ID = kprC_RandomResponseStep_TypeId;
inline constexpr unsigned int kprC_RESPONSE_SPECTRUM_STEP_ID = kprC_ResponseSpectrumStep_TypeId;
inline constexpr unsigned int kprC_SOILS_STEP_ID = kprC_SoilsStep_TypeId;
inline constexpr unsigned int kprC_STATIC_STEP_ID = kprC_StaticStep_TypeId;
inline constexpr unsigned int kprC_STATIC_RIKS_STEP_ID = kprC_StaticRiksStep_TypeId;
inline constexpr unsigned int kprC_STATIC_LINEAR_PERTURBATION_STEP_ID = kprC_StaticLinearPerturbationStep_TypeId;
inline constexpr unsigned int kprC_STEADY_STATE_DIRECT_STEP_ID = kprC_SteadyStateDirectStep_TypeId;
inline constexpr unsigned int kprC_STEADY_STATE_MODAL_STEP_ID = kprC_SteadyStateModalStep_TypeId;
inline constexpr unsigned int kprC_SUBSPACE_DYNAMICS_STEP_ID = kprC_SubspaceDynamicsStep_TypeId;
inline constexpr unsigned int kprC_USA_ADDED_MASS_GENERATION_STEP_ID = kprC_UsaAddedMassGenerationStep_TypeId;
inline constexpr unsigned int kprC_VISCO_STEP_ID = kprC_ViscoStep_TypeId;
inline constexpr unsigned int kprC_TEMP_DISPLACEMENT_DYNAMICS_STEP_ID = kprC_TempDisplacementDynamicsStep_TypeId;
inline constexpr unsigned int kprC_SUBSTRUCTURE_GENERATE_STEP_ID = kprC_SubstructureGenerateStep_TypeId;
inline constexpr unsigned int kprC_COMPLEX_FREQUENCY_STEP_ID = kprC_ComplexFrequencyStep_TypeId;
inline constexpr unsigned int kprC_STEADY_STATE_SUBSPACE_STEP_ID = kprC_SteadyStateSubspaceStep_TypeId;

inline constexpr unsigned int kprC_FIRST_PROCEDURE = kprC_ProcedureSet::first;
inline constexpr unsigned int kprC_PROCEDURE_COUNT = kprC_ProcedureSet::count;

// Class type identifiers of the solution-controls classes.
inline constexpr unsigned int kprC_TYPICAL_CONTROLS_ID = kprC_TypicalControls_TypeId;
inline constexpr unsigned int kprC_CTD_CONTROLS_ID = kprC_CTDControls_TypeId;
inline constexpr unsigned int kprC_PORE_CONTROLS_ID = kprC_PoreControls_TypeId;
inline constexpr unsigned int kprC_MASS_DIFFUSION_CONTROLS_ID = kprC_MassDiffusionControls_TypeId;
inline constexpr unsigned int kprC_HEAT_TRANSFER_CONTROLS_ID = kprC_HeatTransferControls_TypeId;
inline constexpr unsigned int kprC_CTE_CONTROLS_ID = kprC_CTEControls_TypeId;
inline constexpr unsigned int kprC_ELECTRICAL_CONTROLS_ID = kprC_ElectricalControls_TypeId;

template <>
struct omu_EnumTable<unsigned int, 602> {
    static constexpr auto storage = kprC_ProcedureScriptEntries();
    static constexpr omu_EnumEntry const* entries = storage.data();
};

using kprC_ProcedureTypeEnum = omu_PrimEnum<unsigned int, 602>;
