#pragma once
// The declaration order of every stored class of the library, written down independently
// of the classes themselves, so that a test can tell when a class numbers an attribute
// other than by its place in that order (an attribute's ordinal is its position counted
// from 0; an attribute stored by name only, marked '-', keeps its place but has ordinal
// -1). Own attributes only: a base class's attributes are on the base class's line.
// Compared with the registered metadata, which every file's "##attributes" table copies.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/typ/typ_Entry.h"
#include "platform/typ/typ_PlatformTable.h"

struct tst_DeclaredClass {
    std::string_view name;
    std::string_view attributes;  // names separated by single blanks, in declaration order
};

inline constexpr tst_DeclaredClass tst_DeclaredClasses[] = {
    // Step base classes, container and records.
    {"kprC_Step", "solverInput description stepId"}, {"kprC_InitialStep", ""},
    {"kprC_LinearCtrl", "allowPropagation resetDefaultValues relativeTolerance maxIterations numDomains"},
    {"kprC_AnalysisStep",
     "restart monitor diagnosticPrint contactControls -amd -lcc controls linearCtrl matrixSolver convertSDI"},
    {"kprC_StepRepositoryBase", "nameToID IDToObj lastID"}, {"kprC_StepContainer", "order"},
    {"kprC_StepNameProcedurePair", "stepName procedure"}, {"kprC_RetainedDofs", "region dofs"}, {"kprC_StepIMPLSC", ""},
    {"kprC_StepShortcut", "impl"}, {"kprC_StepInStepContainerShortcut", "name parent"},
    {"kprC_StepContainerIMPLSC", ""}, {"kprC_StepContainerShortcut", "impl"},
    {"kprC_StepContainerInModelShortcut", "parent"},
    // Controls.
    {"kprC_ContactControls", ""}, {"kprC_StandardContactControls", ""},
    {"kprC_ExplicitContactControls", "cpset fastLocalTracking inc warpCheckPeriod warpCutOff penalty"},
    {"kprC_Controls", "allowPropagation resetDefaultValues"}, {"kprC_InactiveControls", ""},
    {"kprC_PrimaryControls", "discontinuous constraints lineSearch timeIncrementation"},
    {"kprC_TypicalControls", "displacementField hydrostaticFluidPressureField rotationField"},
    {"kprC_CTDControls", "temperatureField"}, {"kprC_PoreControls", "poreFluidPressureField"},
    {"kprC_ElectricalControls", "electricalPotentialField"}, {"kprC_MassDiffusionControls", "concentrationField"},
    {"kprC_HeatTransferControls", "temperatureField"}, {"kprC_CTEControls", "electricalPotentialField"},
    // Time points and output settings.
    {"kprC_TimePoint", "points"}, {"kprC_Restart", "overlay"},
    {"kprC_StandardRestart", "frequency numberIntervals timeMarks"},
    {"kprC_ExplicitRestart", "numberIntervals timeMarks"}, {"kprC_Monitor", "dof node"},
    {"kprC_StandardMonitor", "frequency"}, {"kprC_ExplicitMonitor", ""}, {"kprC_DiagnosticPrint", ""},
    {"kprC_StandardDiagnosticPrint", "contact frequency modelChange adaptiveMesh plasticity residual solve"},
    {"kprC_ExplicitDiagnosticPrint", "allke criticalElement etotal dmass"},
    {"kprC_PerturbationDiagnosticPrint", "frequency solve"},
    // General steps.
    {"kprC_StaticStep",
     "nlgeom adiabatic timePeriod stabilizationMethod stabilizationMagnitude timeIncrementationMethod maxNumInc "
     "initialInc minInc maxInc amplitude extrapolation noStop fullyPlastic contactSolutions contactIterations "
     "applyContactIterations useLongTermSolution solutionTechnique reformKernel"},
    {"kprC_StaticRiksStep",
     "nlgeom adiabatic timeIncrementationMethod maxNumInc initialArcInc totalArcLength minArcInc maxArcInc maxLPF "
     "extrapolation noStop fullyPlastic monitorNodeOn region monitorDof monitorDisplacement timePeriod "
     "contactSolutions contactIterations applyContactIterations useLongTermSolution"},
    {"kprC_ViscoStep",
     "nlgeom integration cetol timePeriod stabilizationMethod stabilizationMagnitude timeIncrementationMethod "
     "maxNumInc initialInc minInc maxInc amplitude extrapolation contactSolutions contactIterations "
     "applyContactIterations solutionTechnique reformKernel"},
    {"kprC_SoilsStep",
     "nlgeom response end timePeriod stabilizationMethod stabilizationMagnitude timeIncrementationMethod maxNumInc "
     "initialInc minInc maxInc creepBehavior cetol utol amplitude extrapolation contactSolutions contactIterations "
     "applyContactIterations solutionTechnique reformKernel"},
    {"kprC_GeostaticStep",
     "nlgeom timePeriod contactSolutions contactIterations applyContactIterations solutionTechnique reformKernel"},
    {"kprC_CoupledTempDisplacementStep",
     "nlgeom response timePeriod stabilizationMethod stabilizationMagnitude timeIncrementationMethod maxNumInc "
     "initialInc minInc maxInc deltmx cetol creepIntegration amplitude extrapolation solutionTechnique "
     "contactIterations contactSolutions"},
    {"kprC_CoupledThermalElectricStep",
     "response end timePeriod timeIncrementationMethod maxNumInc initialInc minInc maxInc deltmx mxdem amplitude "
     "extrapolation solutionTechnique"},
    {"kprC_HeatTransferStep",
     "response end timePeriod timeIncrementationMethod maxNumInc initialInc minInc maxInc deltmx mxdem amplitude "
     "extrapolation solutionTechnique reformKernel"},
    {"kprC_MassDiffusionStep",
     "response end timePeriod timeIncrementationMethod maxNumInc initialInc minInc maxInc dcmax amplitude "
     "extrapolation"},
    {"kprC_AnnealStep", "refTemp timePeriod"},
    // Eigenvalue and linear perturbation steps.
    {"kprC_FrequencyStep",
     "numEigen maxEigen shift vectors maxIterations eigensolver minEigen blockSize maxBlocks timePeriod "
     "normalization propertyEvaluationFrequency acousticCoupling numberInterval intervalBias intervalBoundaries "
     "residualModes substructureCutoffMultiplier firstCutoffMultiplier secondCutoffMultiplier residualModeRegion "
     "residualModeDof limitSavedEigenvectorRegion"},
    {"kprC_BuckleStep", "numEigen maxEigen vectors maxIterations eigensolver minEigen blockSize maxBlocks timePeriod"},
    {"kprC_ComplexFrequencyStep",
     "numEigen shift timePeriod frictionDamping minEigen maxEigen propertyEvaluationFrequency"},
    {"kprC_StaticLinearPerturbationStep", "timePeriod"},
    {"kprC_SubstructureGenerateStep", "timePeriod retainedDofsList eliminatedDofsList retainedEigenmodes"},
    {"kprC_UsaAddedMassGenerationStep", "nlgeom timePeriod"},
    // Dynamic and steady-state dynamic steps, their records, damping and mass scaling.
    {"kprC_ExplicitDynamicsStep",
     "nlgeom timeIncrementationMethod adiabatic timePeriod userDefinedInc maxIncrement scaleFactor "
     "linearBulkViscosity quadBulkViscosity massScaling"},
    {"kprC_TempDisplacementDynamicsStep",
     "nlgeom timeIncrementationMethod timePeriod userDefinedInc maxIncrement scaleFactor linearBulkViscosity "
     "quadBulkViscosity massScaling"},
    {"kprC_ImplicitDynamicsStep",
     "nlgeom adiabatic timePeriod timeIncrementationMethod maxNumInc initialInc minInc maxInc haftol nohaf "
     "initialConditions amplitude extrapolation alpha noStop solutionTechnique reformKernel"},
    {"kprC_SubspaceDynamicsStep", "nlgeom vectors timePeriod incSize maxNumInc amplitude"},
    {"kprC_ModalDynamicsStep",
     "continueAnalysis timePeriod incSize amplitude directDamping compositeDamping rayleighDamping "
     "directDampingByFrequency rayleighDampingByFrequency"},
    {"kprC_SteadyStateDirectStep", "factorization frequencyRange scale timePeriod subdivideUsingEigenfrequencies"},
    {"kprC_SteadyStateSubspaceStep",
     "factorization frequencyRange scale timePeriod subdivideUsingEigenfrequencies projection maxDampingChange "
     "maxStiffnessChange"},
    {"kprC_SteadyStateModalStep",
     "frequencyRange scale subdivideUsingEigenfrequencies directDamping compositeDamping rayleighDamping "
     "structuralDamping directDampingByFrequency rayleighDampingByFrequency structuralDampingByFrequency timePeriod"},
    {"kprC_RandomResponseStep",
     "freq scale directDamping compositeDamping rayleighDamping structuralDamping directDampingByFrequency "
     "rayleighDampingByFrequency structuralDampingByFrequency timePeriod"},
    {"kprC_ResponseSpectrumStep",
     "comp summation components directDamping compositeDamping rayleighDamping directDampingByFrequency "
     "rayleighDampingByFrequency timePeriod"},
    {"kprC_SteadyStateDirectFrequency", "upper lower nPoints bias"},
    {"kprC_SteadyStateSubspaceFrequency", "upper lower nPoints bias"},
    {"kprC_SteadyStateModalFrequency", "upper lower nPoints bias"},
    {"kprC_RandomResponseFrequency", "upper lower nCalcs bias"},
    {"kprC_ResponseSpectrumComponent", "spectrum x y z scale"},
    {"kprC_MassScaling",
     "objective region occurs factor dt type frequency numberInterval feedRate extrudedLength crossSection direction"},
    {"kprC_DirectDamping", "components"}, {"kprC_CompositeDamping", "components"},
    {"kprC_RayleighDamping", "components"}, {"kprC_StructuralDamping", "components"},
    {"kprC_DirectDampingByFrequency", "components"}, {"kprC_RayleighDampingByFrequency", "components"},
    {"kprC_StructuralDampingByFrequency", "components"}, {"kprC_DirectDampingComponent", "start end fraction"},
    {"kprC_CompositeDampingComponent", "start end"}, {"kprC_RayleighDampingComponent", "start end alpha beta"},
    {"kprC_StructuralDampingComponent", "start end factor"},
    {"kprC_DirectDampingByFrequencyComponent", "frequency fraction"},
    {"kprC_RayleighDampingByFrequencyComponent", "frequency alpha beta"},
    {"kprC_StructuralDampingByFrequencyComponent", "frequency factor"},
    // Datum references.
    {"dtmC_DatumRef", "_ownerNames _datumId _instanceId _axisId"},
    // Loads, their states, records and container.
    {"kloC_Load", "region suppress fieldName states"}, {"kloC_LoadState", "deactivate amplitude"},
    {"kloC_StateQuad", "stepName status state procedure"}, {"kloC_LoadContainer", "procedures map danglingRegions"},
    {"kloC_Vector", "useComplex complexC1Real complexC1Imag complexC2Real complexC2Imag complexC3Real complexC3Imag"},
    {"kloC_VectorState", "c1 c2 c3"}, {"kloC_Scalar", "useComplex complexMagReal complexMagImag"},
    {"kloC_ScalarState", "magnitude"},
    {"kloC_Pressure", "distType useComplex complexMagReal complexMagImag referencePoint"},
    {"kloC_PressureState", "magnitude hZero hReference useHydrostatic"}, {"kloC_ConcentratedForce", "follower csys"},
    {"kloC_ConcentratedForceState", ""}, {"kloC_Moment", "follower csys"}, {"kloC_MomentState", ""},
    {"kloC_Distributed", "distType"}, {"kloC_DistributedState", "magnitude"},
    {"kloC_Traction", "useComplex complexMagReal complexMagImag csys userCsys angle axis directionVector follower resultant distType"},
    {"kloC_TractionState", "magnitude"}, {"kloC_BodyForce", "distType"}, {"kloC_LineLoad", "system distType"},
    {"kloC_LineLoadState", "useC1 useC3"}, {"kloC_PipePressure", "side endCondition diameter"},
    {"kloC_SurfaceTraction", "traction"}, {"kloC_ShellEdgeLoad", "traction"}, {"kloC_BoltLoad", "dtmReference"},
    {"kloC_BoltLoadState", "boltMethod"},
    {"kloC_RotationalBodyForce", "pickedAxisPt1 pickedAxisPt2 coordAxisPt1 coordAxisPt2 axisSelPoint1 axisSelPoint2 centrifugal rotaryAcceleration"},
    {"kloC_CoriolisForce", "pickedAxisPt1 pickedAxisPt2 coordAxisPt1 coordAxisPt2 axisSelPoint1 axisSelPoint2"},
    {"kloC_InertiaRelief", "localCsys"},
    {"kloC_InertiaReliefState", "fixed u1 u2 u3 ur1 ur2 ur3 referencePoint isReferencePointDefined"},
    {"kloC_PressurePenetration", "interaction"}, {"kloC_PressurePenetrationState", "p1 p2"},
    {"kloC_ConcentratedHeatFlux", "dof"}, {"kloC_BodyForceState", ""}, {"kloC_PipePressureState", ""},
    {"kloC_SurfaceTractionState", ""}, {"kloC_ShellEdgeLoadState", ""}, {"kloC_RotationalBodyForceState", ""},
    {"kloC_CoriolisForceState", ""}, {"kloC_ConcentratedHeatFluxState", ""}, {"kloC_ConnectorForce", ""},
    {"kloC_ConnectorForceState", ""}, {"kloC_ConnectorMoment", ""}, {"kloC_ConnectorMomentState", ""},
    {"kloC_Gravity", ""}, {"kloC_GravityState", ""}, {"kloC_PEGLoad", ""}, {"kloC_PEGLoadState", ""},
    {"kloC_SurfaceHeatFlux", ""}, {"kloC_SurfaceHeatFluxState", ""}, {"kloC_BodyHeatFlux", ""},
    {"kloC_BodyHeatFluxState", ""}, {"kloC_ConcentratedCharge", ""}, {"kloC_ConcentratedChargeState", ""},
    {"kloC_SurfaceCharge", ""}, {"kloC_SurfaceChargeState", ""}, {"kloC_BodyCharge", ""}, {"kloC_BodyChargeState", ""},
    {"kloC_ConcentratedCurrent", ""}, {"kloC_ConcentratedCurrentState", ""}, {"kloC_SurfaceCurrent", ""},
    {"kloC_SurfaceCurrentState", ""}, {"kloC_BodyCurrent", ""}, {"kloC_BodyCurrentState", ""},
    {"kloC_ConcentratedConcentrationFlux", ""}, {"kloC_ConcentratedConcentrationFluxState", ""},
    {"kloC_SurfaceConcentrationFlux", ""}, {"kloC_SurfaceConcentrationFluxState", ""},
    {"kloC_BodyConcentrationFlux", ""}, {"kloC_BodyConcentrationFluxState", ""}, {"kloC_ConcentratedPoreFluid", ""},
    {"kloC_ConcentratedPoreFluidState", ""}, {"kloC_SurfacePoreFluid", ""}, {"kloC_SurfacePoreFluidState", ""},
    {"kloC_HydroFluidFlow", ""}, {"kloC_HydroFluidFlowState", ""}, {"kloC_InwardVolAccel", ""},
    {"kloC_InwardVolAccelState", ""},
    // Load cases.
    {"klcC_LoadCase", "boundaryConditions fields loads includeActiveBaseStateBC"},
    // Adaptive mesh constraint states and records.
    {"kprC_AdptMeshConsState", "deactivate amplitude"},
    {"kprC_DispAdptMeshConsState",
     "u1 u2 u3 ur1 ur2 ur3 cU1real cU1imag cU2real cU2imag cU3real cU3imag cUR1real cUR1imag cUR2real cUR2imag "
     "cUR3real cUR3imag buckleCase"},
    {"kprC_VelAdptMeshConsState", "v1 v2 v3 vr1 vr2 vr3"}, {"kprC_StateQuad", "stepName status state procedure"},
    {"kprC_AdptMeshCons", "suppress region csys motionType states"}, {"kprC_DispAdptMeshCons", ""},
    {"kprC_VelAdptMeshCons", ""}, {"kprC_AdptMeshConsCont", "procedures map danglingRegions"},
    // Adaptive mesh controls and domains.
    {"kadC_AdptMeshCtrl",
     "advection smoothingAlgorithm smoothingPriority initialFeatureAngle transitionFeatureAngle momentumAdvection "
     "remeshPredictor curvatureRefinement volumetricSmoothingWeight standardVolumetricSmoothingWeight "
     "laplacianSmoothingWeight equipotentialSmoothingWeight originalConfigurationProjectionWeight meshConstraintAngle"},
    {"kadC_AdptMeshDomain", "region controls frequency initialRemeshingSweeps sweepsPerIncrement"},
};

// Instances of platform templates whose stored attributes are the template's own.
inline constexpr std::string_view tst_PlatformTemplateClasses[] = {
    "kprC_SCWrapper", "kprC_TimePointCont", "kadC_AdptMeshCtrlCont", "kloC_PropAttrBoltMethod",
};

// Whether a registered class is left out of the comparison: classes of the platform,
// test-only classes and the instances of platform templates.
inline bool tst_OrdinalsSkipped(std::string_view name, std::uint32_t typeId) {
    return typ_ModuleOf(typeId) == typ_PlatformModuleNumber || name.starts_with("tst_") ||
           std::ranges::find(tst_PlatformTemplateClasses, name) != std::end(tst_PlatformTemplateClasses);
}

using tst_Ordinals = std::vector<std::pair<std::string, int>>;  // (attribute name, ordinal)

inline tst_DeclaredClass const* tst_FindDeclared(std::string_view name) {
    for (auto const& c : tst_DeclaredClasses)
        if (c.name == name) return &c;
    return nullptr;
}

// The (name, ordinal) pairs that a table line declares.
inline tst_Ordinals tst_DeclaredOrdinals(tst_DeclaredClass const& c) {
    tst_Ordinals out;
    std::istringstream words{std::string(c.attributes)};
    for (std::string w; words >> w;) {
        int const position = int(out.size());
        out.emplace_back(w[0] == '-' ? w.substr(1) : w, w[0] == '-' ? -1 : position);
    }
    return out;
}

// One line per disagreement between a class's actual (name, ordinal) pairs and its
// declared ones; empty when they agree. Order within `actual` does not matter.
inline std::vector<std::string> tst_OrdinalMismatches(std::string_view className, tst_Ordinals const& actual) {
    std::string const cls(className);
    auto const* declared = tst_FindDeclared(className);
    if (!declared) return {cls + " is not in the table of declared classes"};
    tst_Ordinals const expected = tst_DeclaredOrdinals(*declared);
    std::map<std::string, int> const want(expected.begin(), expected.end()), have(actual.begin(), actual.end());
    std::vector<std::string> out;
    for (auto const& [name, ordinal] : actual) {
        auto const at = want.find(name);
        std::string const line = cls + "::" + name + " has ordinal " + std::to_string(ordinal);
        if (at == want.end())
            out.push_back(line + " but is not declared");
        else if (at->second != ordinal)
            out.push_back(line + ", declared " + std::to_string(at->second));
    }
    for (auto const& [name, ordinal] : expected)
        if (!have.contains(name))
            out.push_back(cls + "::" + name + " is declared with ordinal " + std::to_string(ordinal) + " but missing");
    return out;
}
