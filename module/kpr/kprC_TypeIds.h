#pragma once
// Type identifiers of the procedures module (module 572): one constant
// kprC_<Class>_TypeId per class of its class table, current and retired.
#include "platform/typ/typ_Entry.h"
#include "platform/typ/typ_PlatformTable.h"

inline constexpr unsigned kprC_ModuleNumber = 572;  // 0x023C
inline constexpr unsigned kprC_ClassTableSize = 143;

// X(kind, class, index, parent type id). Retired classes stay reserved (kind 0) unless
// they are still registered for reading old models. kprC_Controls, kprC_PrimaryControls,
// kprC_InactiveControls, kprC_LinearCtrl, the contact controls (the standard kind at 0x40), kprC_AdptMeshConsCont,
// kprC_RetainedDofs, the step shortcut and wrapper instances (0x49-0x4F), the damping
// classes (0x54-0x5A, 0x87-0x8D) and the frequency and spectrum records (0x5E-0x62) have
// no fixed index elsewhere; theirs are chosen here.
#define KPRC_CLASSES(X) \
    X(typ_KindReserved, Procedure, 0x01, typ_NoParent) \
    X(typ_KindClass, StepNameProcedurePair, 0x02, typ_NoParent) \
    X(typ_KindReserved, PerturbationProcedure, 0x03, kprC_Procedure_TypeId) \
    X(typ_KindClass, GeneralProcedure, 0x04, kprC_Procedure_TypeId) \
    X(typ_KindReserved, Anneal, 0x05, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, Buckle, 0x06, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, CoupledTempDisplacement, 0x07, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, CoupledThermalElectric, 0x08, kprC_GeneralProcedure_TypeId) \
    X(typ_KindClass, ExplicitDynamics, 0x09, kprC_GeneralProcedure_TypeId) \
    X(typ_KindClass, RetainedDofs, 0x0B, typ_NoParent) \
    X(typ_KindReserved, Frequency, 0x10, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, Geostatic, 0x11, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, HeatTransfer, 0x12, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, ImplicitDynamics, 0x13, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, MassDiffusion, 0x14, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, ModalDynamics, 0x15, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, RandomResponse, 0x17, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, ResponseSpectrum, 0x19, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, Soils, 0x1A, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, Static, 0x1B, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, StaticRiks, 0x1C, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, StaticLinearPerturbation, 0x1D, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, SteadyStateDirect, 0x1F, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, SteadyStateModal, 0x21, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindReserved, SubspaceDynamics, 0x22, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, UsaAddedMassGeneration, 0x23, kprC_GeneralProcedure_TypeId) \
    X(typ_KindReserved, Visco, 0x24, kprC_GeneralProcedure_TypeId) \
    X(typ_KindClass, MassScaling, 0x25, typ_NoParent) \
    X(typ_KindReserved, DynamicTempDisplacement, 0x26, kprC_GeneralProcedure_TypeId) \
    X(typ_KindClass, DdbStep, 0x27, typ_NoParent) \
    X(typ_KindReserved, DdbInitialStep, 0x28, kprC_DdbStep_TypeId) \
    X(typ_KindReserved, DdbAnalysisStep, 0x29, kprC_DdbStep_TypeId) \
    X(typ_KindClass, StepContainer, 0x2A, kprC_StepRepositoryBase_TypeId) \
    X(typ_KindReserved, SubstructureGenerate, 0x2B, kprC_Procedure_TypeId) \
    X(typ_KindClass, Step, 0x2C, typ_NoParent) \
    X(typ_KindClass, InitialStep, 0x2D, kprC_Step_TypeId) \
    X(typ_KindClass, AnalysisStep, 0x2E, kprC_Step_TypeId) \
    X(typ_KindClass, StepRepositoryBase, 0x2F, mdl_Repository_TypeId) \
    X(typ_KindClass, Restart, 0x30, typ_NoParent) \
    X(typ_KindClass, StandardRestart, 0x31, kprC_Restart_TypeId) \
    X(typ_KindClass, ExplicitRestart, 0x32, kprC_Restart_TypeId) \
    X(typ_KindClass, DiagnosticPrint, 0x33, typ_NoParent) \
    X(typ_KindClass, StandardDiagnosticPrint, 0x34, kprC_DiagnosticPrint_TypeId) \
    X(typ_KindClass, ExplicitDiagnosticPrint, 0x35, kprC_DiagnosticPrint_TypeId) \
    X(typ_KindClass, PerturbationDiagnosticPrint, 0x36, kprC_DiagnosticPrint_TypeId) \
    X(typ_KindClass, Monitor, 0x37, typ_NoParent) \
    X(typ_KindClass, StandardMonitor, 0x38, kprC_Monitor_TypeId) \
    X(typ_KindClass, ExplicitMonitor, 0x39, kprC_Monitor_TypeId) \
    X(typ_KindClass, Controls, 0x3A, typ_NoParent) \
    X(typ_KindClass, PrimaryControls, 0x3B, kprC_Controls_TypeId) \
    X(typ_KindClass, InactiveControls, 0x3C, kprC_Controls_TypeId) \
    X(typ_KindClass, LinearCtrl, 0x3D, typ_NoParent) \
    X(typ_KindClass, ContactControls, 0x3E, typ_NoParent) \
    X(typ_KindClass, ExplicitContactControls, 0x3F, kprC_ContactControls_TypeId) \
    X(typ_KindClass, StandardContactControls, 0x40, kprC_ContactControls_TypeId) \
    X(typ_KindClass, TypicalControls, 0x41, kprC_PrimaryControls_TypeId) \
    X(typ_KindClass, CTDControls, 0x42, kprC_TypicalControls_TypeId) \
    X(typ_KindClass, PoreControls, 0x43, kprC_TypicalControls_TypeId) \
    X(typ_KindClass, MassDiffusionControls, 0x44, kprC_PrimaryControls_TypeId) \
    X(typ_KindClass, HeatTransferControls, 0x45, kprC_PrimaryControls_TypeId) \
    X(typ_KindClass, CTEControls, 0x46, kprC_HeatTransferControls_TypeId) \
    X(typ_KindClass, ElectricalControls, 0x47, kprC_TypicalControls_TypeId) \
    X(typ_KindReserved, ComplexFrequency, 0x48, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindClass, StepIMPLSC, 0x49, typ_NoParent) \
    X(typ_KindClass, StepShortcut, 0x4A, typ_NoParent) \
    X(typ_KindClass, StepInStepContainerShortcut, 0x4B, kprC_StepIMPLSC_TypeId) \
    X(typ_KindClass, StepContainerIMPLSC, 0x4C, typ_NoParent) \
    X(typ_KindClass, StepContainerShortcut, 0x4D, typ_NoParent) \
    X(typ_KindClass, StepContainerInModelShortcut, 0x4E, kprC_StepContainerIMPLSC_TypeId) \
    X(typ_KindClass, SCWrapper, 0x4F, mdl_ExtensionWrapper_TypeId) \
    X(typ_KindReserved, SteadyStateSubspace, 0x53, kprC_PerturbationProcedure_TypeId) \
    X(typ_KindClass, DirectDampingByFrequency, 0x54, typ_NoParent) \
    X(typ_KindClass, DirectDampingByFrequencyComponent, 0x55, typ_NoParent) \
    X(typ_KindClass, RayleighDampingByFrequency, 0x56, typ_NoParent) \
    X(typ_KindClass, RayleighDampingByFrequencyComponent, 0x57, typ_NoParent) \
    X(typ_KindClass, StructuralDampingByFrequency, 0x58, typ_NoParent) \
    X(typ_KindClass, StructuralDampingByFrequencyComponent, 0x59, typ_NoParent) \
    X(typ_KindClass, StructuralDampingComponent, 0x5A, typ_NoParent) \
    X(typ_KindClass, TimePoint, 0x5C, typ_NoParent) \
    X(typ_KindClass, TimePointCont, 0x5D, mdl_Repository_TypeId) \
    X(typ_KindClass, SteadyStateDirectFrequency, 0x5E, typ_NoParent) \
    X(typ_KindClass, SteadyStateModalFrequency, 0x5F, typ_NoParent) \
    X(typ_KindClass, SteadyStateSubspaceFrequency, 0x60, typ_NoParent) \
    X(typ_KindClass, RandomResponseFrequency, 0x61, typ_NoParent) \
    X(typ_KindClass, ResponseSpectrumComponent, 0x62, typ_NoParent) \
    X(typ_KindClass, AnnealStep, 0x65, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, BuckleStep, 0x66, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, CoupledTempDisplacementStep, 0x67, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, CoupledThermalElectricStep, 0x68, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, ExplicitDynamicsStep, 0x69, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, FrequencyStep, 0x6A, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, GeostaticStep, 0x6B, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, HeatTransferStep, 0x6C, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, ImplicitDynamicsStep, 0x6D, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, MassDiffusionStep, 0x6E, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, ModalDynamicsStep, 0x6F, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, RandomResponseStep, 0x70, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, ResponseSpectrumStep, 0x71, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, SoilsStep, 0x72, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, StaticStep, 0x73, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, StaticRiksStep, 0x74, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, StaticLinearPerturbationStep, 0x75, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, SteadyStateDirectStep, 0x76, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, SteadyStateModalStep, 0x77, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, SubspaceDynamicsStep, 0x78, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, UsaAddedMassGenerationStep, 0x79, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, ViscoStep, 0x7A, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, TempDisplacementDynamicsStep, 0x7B, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, SubstructureGenerateStep, 0x7C, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, ComplexFrequencyStep, 0x7D, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, SteadyStateSubspaceStep, 0x7E, kprC_AnalysisStep_TypeId) \
    X(typ_KindClass, AdptMeshCons, 0x7F, typ_NoParent) \
    X(typ_KindClass, AdptMeshConsCont, 0x80, mdl_Repository_TypeId) \
    X(typ_KindClass, AdptMeshConsState, 0x81, typ_NoParent) \
    X(typ_KindClass, StateQuad, 0x82, typ_NoParent) \
    X(typ_KindClass, DispAdptMeshCons, 0x83, kprC_AdptMeshCons_TypeId) \
    X(typ_KindClass, DispAdptMeshConsState, 0x84, kprC_AdptMeshConsState_TypeId) \
    X(typ_KindClass, VelAdptMeshCons, 0x85, kprC_AdptMeshCons_TypeId) \
    X(typ_KindClass, VelAdptMeshConsState, 0x86, kprC_AdptMeshConsState_TypeId) \
    X(typ_KindClass, DirectDamping, 0x87, typ_NoParent) \
    X(typ_KindClass, DirectDampingComponent, 0x88, typ_NoParent) \
    X(typ_KindClass, CompositeDamping, 0x89, typ_NoParent) \
    X(typ_KindClass, CompositeDampingComponent, 0x8A, typ_NoParent) \
    X(typ_KindClass, RayleighDamping, 0x8B, typ_NoParent) \
    X(typ_KindClass, RayleighDampingComponent, 0x8C, typ_NoParent) \
    X(typ_KindClass, StructuralDamping, 0x8D, typ_NoParent)

#define KPRC_TYPE_ID(kind, name, index, parent) \
    inline constexpr unsigned kprC_##name##_TypeId = typ_MakeId(kprC_ModuleNumber, index);
KPRC_CLASSES(KPRC_TYPE_ID)
#undef KPRC_TYPE_ID
