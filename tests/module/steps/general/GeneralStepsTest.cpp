// The general analysis steps: initial values in stored order, registration, answers
// before and after their attributes change, and round trips of every attribute.
#include "StepTestSupport.h"
#include "module/kpr/steps/general/kprC_AnnealStep.h"
#include "module/kpr/steps/general/kprC_CoupledTempDisplacementStep.h"
#include "module/kpr/steps/general/kprC_CoupledThermalElectricStep.h"
#include "module/kpr/steps/general/kprC_GeostaticStep.h"
#include "module/kpr/steps/general/kprC_HeatTransferStep.h"
#include "module/kpr/steps/general/kprC_MassDiffusionStep.h"
#include "module/kpr/steps/general/kprC_SoilsStep.h"
#include "module/kpr/steps/general/kprC_StaticRiksStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/general/kprC_ViscoStep.h"
#include "module/kpr/steps/kprC_InitialStep.h"

namespace {

StepClass const generalClasses[] = {
    {"StaticStep", 0x023C0073, 851, "SOLVER_DEFAULT",
     "nlgeom=OFF adiabatic=false timePeriod=1.0 stabilizationMethod=NONE stabilizationMagnitude=UNSET "
     "timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 minInc=0.0 maxInc=0.0 amplitude=RAMP "
     "extrapolation=LINEAR noStop=false fullyPlastic='' contactSolutions=1.0 contactIterations=30 "
     "applyContactIterations=false useLongTermSolution=false solutionTechnique=FULL_NEWTON reformKernel=8",
     "nlgeom, adiabatic, timePeriod, stabilizationMagnitude, stabilizationMethod, timeIncrementationMethod, "
     "maxNumInc, initialInc, minInc, maxInc, amplitude, extrapolation, noStop, fullyPlastic, "
     "applyContactIterations, contactSolutions, contactIterations, useLongTermSolution, reformKernel, "
     "solutionTechnique", "", "aD", "NOT_APPLICABLE OFF>ON FULL_NEWTON>SEPARATED"},
    {"StaticRiksStep", 0x023C0074, 831, "SOLVER_DEFAULT",
     "nlgeom=OFF adiabatic=false timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialArcInc=0.0 "
     "totalArcLength=1.0 minArcInc=0.0 maxArcInc=1.0e36 maxLPF=UNSET extrapolation=LINEAR noStop=false "
     "fullyPlastic='' monitorNodeOn=false region=REGION monitorDof=0 monitorDisplacement=0.0 timePeriod=0.0 "
     "contactSolutions=1.0 contactIterations=30 applyContactIterations=false useLongTermSolution=false",
     "nlgeom, adiabatic, timeIncrementationMethod, maxNumInc, initialArcInc, totalArcLength, minArcInc, "
     "maxArcInc, maxLPF, extrapolation, noStop, fullyPlastic, monitorNodeOn, region, monitorDof, "
     "monitorDisplacement, timePeriod, applyContactIterations, contactSolutions, contactIterations, "
     "useLongTermSolution",
     "monitorNodeOn=nodeOn monitorDof=dof monitorDisplacement=maximumDisplacement", "a",
     "NOT_APPLICABLE OFF>ON FULL_NEWTON"},
    {"ViscoStep", 0x023C007A, 851, "SOLVER_DEFAULT",
     "nlgeom=OFF integration=IMPLICIT_EXPLICIT cetol=0.0 timePeriod=1.0 stabilizationMethod=NONE "
     "stabilizationMagnitude=UNSET timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 "
     "minInc=0.0 maxInc=0.0 amplitude=STEP extrapolation=LINEAR contactSolutions=1.0 contactIterations=30 "
     "applyContactIterations=false solutionTechnique=FULL_NEWTON reformKernel=8",
     "nlgeom, integration, cetol, timePeriod, stabilizationMagnitude, stabilizationMethod, "
     "timeIncrementationMethod, maxNumInc, initialInc, minInc, maxInc, amplitude, extrapolation, "
     "applyContactIterations, contactSolutions, contactIterations, reformKernel, solutionTechnique",
     "", "", "NOT_APPLICABLE OFF>ON FULL_NEWTON>SEPARATED"},
    {"SoilsStep", 0x023C0072, 851, "SOLVER_DEFAULT",
     "nlgeom=OFF response=CONSOLIDATION end=UNSET timePeriod=1.0 stabilizationMethod=NONE "
     "stabilizationMagnitude=UNSET timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 "
     "minInc=0.0 maxInc=0.0 creepBehavior=true cetol=0.0 utol=0.0 amplitude=STEP extrapolation=LINEAR "
     "contactSolutions=1.0 contactIterations=30 applyContactIterations=false solutionTechnique=FULL_NEWTON "
     "reformKernel=8",
     "nlgeom, response, end, timePeriod, stabilizationMagnitude, stabilizationMethod, "
     "timeIncrementationMethod, maxNumInc, initialInc, minInc, maxInc, creepBehavior, cetol, utol, "
     "amplitude, extrapolation, applyContactIterations, contactSolutions, contactIterations, reformKernel, "
     "solutionTechnique", "creepBehavior=creep", "LD", "TRANSIENT>STEADY_STATE OFF>ON FULL_NEWTON>SEPARATED"},
    {"GeostaticStep", 0x023C006B, 851, "SOLVER_DEFAULT",
     "nlgeom=OFF timePeriod=0.0 contactSolutions=1.0 contactIterations=30 applyContactIterations=false "
     "solutionTechnique=FULL_NEWTON reformKernel=8",
     "nlgeom, timePeriod, applyContactIterations, contactSolutions, contactIterations, reformKernel, "
     "solutionTechnique", "", "", "NOT_APPLICABLE OFF>ON FULL_NEWTON>SEPARATED"},
    {"CoupledTempDisplacementStep", 0x023C0067, 831, "DIRECT_UNSYMMETRIC",
     "nlgeom=OFF response=TRANSIENT timePeriod=1.0 stabilizationMethod=NONE stabilizationMagnitude=UNSET "
     "timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 minInc=0.0 maxInc=0.0 deltmx=0.0 "
     "cetol=0.0 creepIntegration=CREEP_OFF amplitude=STEP extrapolation=LINEAR solutionTechnique=FULL_NEWTON "
     "contactIterations=30 contactSolutions=1.0",
     "nlgeom, response, timePeriod, stabilizationMagnitude, stabilizationMethod, timeIncrementationMethod, "
     "maxNumInc, initialInc, minInc, maxInc, deltmx, cetol, creepIntegration, amplitude, extrapolation, "
     "solutionTechnique, contactIterations, contactSolutions",
     "", "D", "TRANSIENT>STEADY_STATE OFF>ON FULL_NEWTON>SEPARATED"},
    {"CoupledThermalElectricStep", 0x023C0068, 831, "DIRECT_UNSYMMETRIC",
     "response=TRANSIENT end=UNSET timePeriod=1.0 timeIncrementationMethod=AUTOMATIC maxNumInc=100 "
     "initialInc=0.0 minInc=0.0 maxInc=0.0 deltmx=0.0 mxdem=0.1 amplitude=STEP extrapolation=LINEAR "
     "solutionTechnique=FULL_NEWTON", "", "", "N", "TRANSIENT>STEADY_STATE NOT_AVAILABLE FULL_NEWTON>SEPARATED"},
    {"HeatTransferStep", 0x023C006C, 851, "SOLVER_DEFAULT",
     "response=TRANSIENT end=UNSET timePeriod=1.0 timeIncrementationMethod=AUTOMATIC maxNumInc=100 "
     "initialInc=0.0 minInc=0.0 maxInc=0.0 deltmx=0.0 mxdem=0.1 amplitude=STEP extrapolation=LINEAR "
     "solutionTechnique=FULL_NEWTON reformKernel=8",
     "response, end, timePeriod, timeIncrementationMethod, maxNumInc, initialInc, minInc, maxInc, deltmx, "
     "mxdem, amplitude, extrapolation, reformKernel, solutionTechnique",
     "", "N", "TRANSIENT>STEADY_STATE NOT_AVAILABLE FULL_NEWTON>SEPARATED"},
    {"MassDiffusionStep", 0x023C006E, 831, "DIRECT_UNSYMMETRIC",
     "response=TRANSIENT end=0.0 timePeriod=1.0 timeIncrementationMethod=AUTOMATIC maxNumInc=100 "
     "initialInc=0.0 minInc=0.0 maxInc=0.0 dcmax=0.0 amplitude=STEP extrapolation=LINEAR",
     "", "", "N", "TRANSIENT>STEADY_STATE NOT_AVAILABLE FULL_NEWTON"},
    {"AnnealStep", 0x023C0065, 831, "SOLVER_DEFAULT", "refTemp=UNSET timePeriod=0.0", "", "", "X",
     "NOT_APPLICABLE NOT_AVAILABLE FULL_NEWTON"},
};

using GeneralSteps = StepTest;

TEST_F(GeneralSteps, InitialValuesRegistrationAnswersAndRoundTrips) {
    for (auto const& c : generalClasses) ExpectStepClass(c);
    auto const* analysis = cls_MetadataRegistrar::Find(kprC_AnalysisStep::TypeId());
    ASSERT_TRUE(analysis);
    EXPECT_EQ(analysis->Version(), 867);
    EXPECT_EQ(analysis->BaseId(), kprC_Step::TypeId());
    std::vector<std::pair<int, std::string>> keys;
    for (auto const& a : analysis->Attributes()) keys.emplace_back(a.ordinal, a.name);
    EXPECT_EQ(keys, (std::vector<std::pair<int, std::string>>{{0, "restart"}, {1, "monitor"}, {2, "diagnosticPrint"},
                                                              {3, "contactControls"}, {-1, "lcc"}, {-1, "amd"},
                                                              {6, "controls"}, {7, "linearCtrl"}, {8, "matrixSolver"},
                                                              {9, "convertSDI"}}));
    EXPECT_EQ(cls_MetadataRegistrar::Find(kprC_Step::TypeId())->Version(), 439);
    EXPECT_EQ(cls_MetadataRegistrar::Find(kprC_InitialStep::TypeId())->Version(), 207);
    for (auto name : {kprC_StaticStep::stabilizationCmd(), kprC_ViscoStep::stabilizationCmd(),
                      kprC_SoilsStep::stabilizationCmd()})
        EXPECT_EQ(std::string(name), "stabilization");
}

TEST_F(GeneralSteps, StabilizationAnswersReadTheAttributes) {
    kprC_StaticStep st;
    EXPECT_EQ(Text(st.StabilizationMethod()), "NONE");
    EXPECT_EQ(st.StabilizationMagnitude(), std::numeric_limits<double>::max());
    st.stabilizationMethod(kprC_StaticStep::StabilizationEnm::DISSIPATED_ENERGY_FRACTION), st.stabilizationMagnitude(0.5);
    EXPECT_EQ(Text(st.StabilizationMethod()), "DISSIPATED_ENERGY_FRACTION");
    EXPECT_EQ(st.StabilizationMagnitude(), 0.5);
    // The first argument of MinimumDef does not enter.
    for (auto minimumDef : {&kprC_StaticStep::MinimumDef, &kprC_StaticRiksStep::MinimumDef, &kprC_ViscoStep::MinimumDef,
                            &kprC_SoilsStep::MinimumDef, &kprC_CoupledTempDisplacementStep::MinimumDef,
                            &kprC_CoupledThermalElectricStep::MinimumDef, &kprC_HeatTransferStep::MinimumDef})
        EXPECT_DOUBLE_EQ(minimumDef(99.0, 2.0), 2.0e-5);
}

}  // namespace
