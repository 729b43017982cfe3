// The dynamic and steady-state dynamic steps: initial values in their stored order,
// class registration, the classification answers, round trips with every record they
// own, and each step's rules in order with their messages.
#include <memory>

#include "general/StepTestSupport.h"
#include "module/kpr/procedures/kprC_StepClassification.h"
#include "module/kpr/steps/general/kprC_ExplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_ImplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_SubspaceDynamicsStep.h"
#include "module/kpr/steps/general/kprC_TempDisplacementDynamicsStep.h"
#include "module/kpr/steps/perturbation/kprC_ModalDynamicsStep.h"
#include "module/kpr/steps/perturbation/kprC_RandomResponseStep.h"
#include "module/kpr/steps/perturbation/kprC_ResponseSpectrumStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateDirectStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateModalStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateSubspaceStep.h"
#include "platform/cls/cls_MetadataRegistrar.h"

namespace dynamic_steps_test {
using Solver = kprC_Step::MatrixSolverEnm;

template <class Kind, class Component>
cow_COW<Kind> Damping(std::initializer_list<Component> components) {
    auto* kind = new Kind;
    kind->components(components);
    return cow_COW<Kind>(kind);
}
template <class C>
C Record(std::function<void(C&)> f) {
    C c;
    f(c);
    return c;
}

kprC_MassScaling Throughout() {
    return Record<kprC_MassScaling>([](auto& m) {
        m.occurs(kprC_MassScaling::MassScalingOccursEnm::THROUGHOUT_STEP), m.dt(0.01), m.frequency(5);
    });
}

char const* const NA = "NOT_APPLICABLE NOT_AVAILABLE FULL_NEWTON";

StepClass const dynamicClasses[] = {
    {"ExplicitDynamicsStep", 0x023C0069, 831, "SOLVER_DEFAULT",
     "nlgeom=ON timeIncrementationMethod=AUTOMATIC_GLOBAL adiabatic=false timePeriod=1.0 userDefinedInc=UNSET "
     "maxIncrement=UNSET scaleFactor=1.0 linearBulkViscosity=0.06 quadBulkViscosity=1.2 massScaling=[]",
     "", "", "DXa", "NOT_APPLICABLE ON>OFF FULL_NEWTON"},
    {"TempDisplacementDynamicsStep", 0x023C007B, 831, "SOLVER_DEFAULT",
     "nlgeom=ON timeIncrementationMethod=AUTOMATIC_GLOBAL timePeriod=1.0 userDefinedInc=UNSET maxIncrement=UNSET "
     "scaleFactor=1.0 linearBulkViscosity=0.06 quadBulkViscosity=1.2 massScaling=[]",
     "", "", "DX", "NOT_APPLICABLE ON>OFF FULL_NEWTON"},
    {"ImplicitDynamicsStep", 0x023C006D, 851, "SOLVER_DEFAULT",
     "nlgeom=OFF adiabatic=false timePeriod=1.0 timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 "
     "minInc=0.0 maxInc=0.0 haftol=0.0 nohaf=false initialConditions=true amplitude=STEP extrapolation=LINEAR "
     "alpha=-0.05 noStop=false reformKernel=8 solutionTechnique=FULL_NEWTON",
     "", "", "a", "NOT_APPLICABLE OFF>ON FULL_NEWTON>SEPARATED"},
    {"SubspaceDynamicsStep", 0x023C0078, 831, "SOLVER_DEFAULT",
     "nlgeom=OFF vectors=0 timePeriod=1.0 incSize=0.0 maxNumInc=100 amplitude=STEP", "", "", "",
     "NOT_APPLICABLE OFF>ON FULL_NEWTON"},
    {"ModalDynamicsStep", 0x023C006F, 831, "SOLVER_DEFAULT",
     "continueAnalysis=false timePeriod=1.0 incSize=0.0 amplitude=STEP compositeDamping=null directDamping=null "
     "rayleighDamping=null directDampingByFrequency=null rayleighDampingByFrequency=null",
     "compositeDamping, continueAnalysis, timePeriod, incSize, amplitude, directDamping, rayleighDamping, "
     "directDampingByFrequency, rayleighDampingByFrequency", "", "P", NA},
    {"SteadyStateDirectStep", 0x023C0076, 831, "SOLVER_DEFAULT",
     "frequencyRange=[] scale=LOGARITHMIC factorization=COMPLEX timePeriod=0.0 subdivideUsingEigenfrequencies=false",
     "", "", "LP", NA},
    {"SteadyStateSubspaceStep", 0x023C007E, 831, "SOLVER_DEFAULT",
     "frequencyRange=[] scale=LOGARITHMIC factorization=COMPLEX projection=ALL_FREQUENCIES timePeriod=0.0 "
     "maxDampingChange=0.1 maxStiffnessChange=0.1 subdivideUsingEigenfrequencies=true", "", "", "LP", NA},
    {"SteadyStateModalStep", 0x023C0077, 831, "SOLVER_DEFAULT",
     "compositeDamping=null frequencyRange=[] scale=LOGARITHMIC directDamping=null rayleighDamping=null "
     "structuralDamping=null timePeriod=0.0 subdivideUsingEigenfrequencies=true directDampingByFrequency=null "
     "rayleighDampingByFrequency=null structuralDampingByFrequency=null",
     "frequencyRange, scale, compositeDamping, directDamping, rayleighDamping, structuralDamping, timePeriod, "
     "subdivideUsingEigenfrequencies, directDampingByFrequency, rayleighDampingByFrequency, "
     "structuralDampingByFrequency", "", "P", NA},
    {"RandomResponseStep", 0x023C0070, 831, "SOLVER_DEFAULT",
     "freq=[] scale=LOGARITHMIC compositeDamping=null directDamping=null rayleighDamping=null structuralDamping=null "
     "timePeriod=0.0 directDampingByFrequency=null rayleighDampingByFrequency=null structuralDampingByFrequency=null",
     "", "", "P", NA},
    {"ResponseSpectrumStep", 0x023C0071, 831, "SOLVER_DEFAULT",
     "compositeDamping=null comp=SINGLE_DIRECTION summation=ABS components=[] directDamping=null "
     "rayleighDamping=null timePeriod=0.0 directDampingByFrequency=null rayleighDampingByFrequency=null",
     "comp, summation, components, directDamping, rayleighDamping, compositeDamping, directDampingByFrequency, "
     "rayleighDampingByFrequency, timePeriod", "summation=sum", "P", NA},
};

class DynamicSteps : public StepTest {};

TEST_F(DynamicSteps, InitialValuesRegistrationAnswersAndRoundTrips) {
    for (auto const& c : dynamicClasses) ExpectStepClass(c);
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_SteadyStateSubspaceStep::InitializeMetadata), 3u);
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_ResponseSpectrumStep::InitializeMetadata), 7u);
    EXPECT_EQ(kprC_ImplicitDynamicsStep::MinimumDef(7.0, 2.0), 2.0e-5);
    EXPECT_EQ(kprC_RandomResponseStep::randomResponseStepCmd(), std::string("randomResponseStep"));
    // Mass scaling definitions read back equal, as records of their own.
    kprC_ExplicitDynamicsStep e;
    FillLevel(e, e.DynTypeId());
    auto back = cls_ReadVisitor(Written(e)).ReadRoot<kprC_ExplicitDynamicsStep>("step");
    ASSERT_EQ(back->massScaling().size(), 1u);
    EXPECT_EQ(back->massScaling(), e.massScaling());
    EXPECT_NE(back->massScaling()[0].Uid(), e.massScaling()[0].Uid());
}

char const* const OK = "";
char const* const SOLVER = "Invalid solver value for given procedure.";
char const* const PERIOD = "Time period must be greater than zero";
char const* const FIXED = "Invalid fixed increment size";
char const* const NO_RANGE = "No frequency range specified";
char const* const RANGE = "Invalid frequency range values";
char const* const MIXED = "Mode-based damping and frequency-based damping cannot be mixed.";
char const* const MS_56 = "Factor or target time increment must be specified and greater than zero";

using EX = kprC_ExplicitDynamicsStep;
using IM = kprC_ImplicitDynamicsStep;
using SD = kprC_SubspaceDynamicsStep;
using MD = kprC_ModalDynamicsStep;
using SSD = kprC_SteadyStateDirectStep;
using SSS = kprC_SteadyStateSubspaceStep;
using SSM = kprC_SteadyStateModalStep;
using RR = kprC_RandomResponseStep;
using RS = kprC_ResponseSpectrumStep;

auto const validExplicit = Valid<EX>([](auto&) {});
auto const validImplicit = Valid<IM>([](auto& s) { s.initialInc(0.1), s.minInc(1e-5), s.maxInc(1.0), s.haftol(10.0); });
auto const validSubspace = Valid<SD>([](auto& s) { s.incSize(0.1); });
auto const validModal = Valid<MD>([](auto& s) { s.incSize(0.1); });
auto const validDirect = Valid<SSD>([](auto& s) { s.frequencyRange({kprC_SteadyStateDirectFrequency()}); });
auto const validSubspaceSS = Valid<SSS>([](auto& s) { s.frequencyRange({kprC_SteadyStateSubspaceFrequency()}); });
auto const validModalSS = Valid<SSM>([](auto& s) { s.frequencyRange({kprC_SteadyStateModalFrequency()}); });
auto const validRandom = Valid<RR>([](auto&) {});
auto const validSpectrum = Valid<RS>([](auto&) {});

kprC_SteadyStateDirectFrequency Range(double lower, double upper, int points, double bias = 1.0) {
    return Record<kprC_SteadyStateDirectFrequency>(
        [&](auto& f) { f.lower(lower), f.upper(upper), f.nPoints(points), f.bias(bias); });
}
kprC_ResponseSpectrumComponent Spectrum(char const* name) {
    return Record<kprC_ResponseSpectrumComponent>([&](auto& c) { c.spectrum(name); });
}
auto const direct = [](int start, int end) {
    return Damping<kprC_DirectDamping>(
        {Record<kprC_DirectDampingComponent>([&](auto& c) { c.start(start), c.end(end), c.fraction(0.02); })});
};
auto const rayleighByFrequency = Damping<kprC_RayleighDampingByFrequency>(
    {Record<kprC_RayleighDampingByFrequencyComponent>([](auto& c) { c.frequency(1.0); })});
auto const composite = Damping<kprC_CompositeDamping, kprC_CompositeDampingComponent>({});

TEST_F(DynamicSteps, RulesInOrderWithTheirMessages) {
    ExpectRules({
        // Explicit (both steps share them), then each mass scaling definition in list order.
        {validExplicit, {}, OK},
        {validExplicit, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validExplicit, On<EX>([](auto& s) { s.timePeriod(0.0), s.maxIncrement(-1.0); }), PERIOD},
        {validExplicit, On<EX>([](auto& s) { s.maxIncrement(-1.0), s.scaleFactor(0.0); }), "Maximum increment must be greater than zero"},
        {validExplicit, On<EX>([](auto& s) { s.maxIncrement(0.0); }), OK},
        {validExplicit, On<EX>([](auto& s) { s.scaleFactor(0.0), s.userDefinedInc(0.0); }), "Invalid increment size scaling factor"},
        {validExplicit, On<EX>([](auto& s) { s.userDefinedInc(0.0), s.linearBulkViscosity(-1.0); }), FIXED},
        {validExplicit, On<EX>([](auto& s) { s.userDefinedInc(2.0), s.timeIncrementationMethod(EX::TimeIncrementationMethodEnm::FIXED_USER_DEFINED_INC); }), FIXED},
        {validExplicit, On<EX>([](auto& s) { s.userDefinedInc(2.0); }), OK},
        {validExplicit, On<EX>([](auto& s) { s.linearBulkViscosity(-0.1), s.quadBulkViscosity(-1.0); }), "Invalid linear bulk viscosity value"},
        {validExplicit, On<EX>([](auto& s) { s.quadBulkViscosity(-1.0), s.massScaling({kprC_MassScaling()}); }), "Invalid quadratic bulk viscosity value"},
        {validExplicit, On<EX>([](auto& s) { s.massScaling({Throughout(), kprC_MassScaling()}); }), MS_56},
        {Valid<kprC_TempDisplacementDynamicsStep>([](auto&) {}), On<kprC_TempDisplacementDynamicsStep>([](auto& s) { s.massScaling({kprC_MassScaling()}); }), MS_56},
        // Implicit.
        {validImplicit, {}, OK},
        {validImplicit, Solve(Solver::DDM_ITERATIVE), SOLVER},
        {validImplicit, On<IM>([](auto& s) { s.initialInc(0.0); }), "Initial increment must be greater than zero"},
        {validImplicit, On<IM>([](auto& s) { s.nohaf(true), s.haftol(0.0); }), "Half step residuals are required for automatic incrementation"},
        {validImplicit, On<IM>([](auto& s) { s.haftol(0.0), s.minInc(0.0); }), "Maximum half step residual must be given for automatic incrementation"},
        {validImplicit, On<IM>([](auto& s) { s.minInc(0.0); }), "Minimum increment must be greater than zero"},
        {validImplicit, On<IM>([](auto& s) { s.minInc(0.0), s.nohaf(true), s.timeIncrementationMethod(IM::TimeIncrementationMethodEnm::FIXED); }), OK},
        {validImplicit, On<IM>([](auto& s) { s.alpha(-0.333); }), OK},
        {validImplicit, On<IM>([](auto& s) { s.alpha(0.0); }), OK},
        {validImplicit, On<IM>([](auto& s) { s.alpha(-0.34); }), "The numerical damping control parameter must be greater than or equal to -0.333 and less than or equal to zero."},
        {validImplicit, On<IM>([](auto& s) { s.alpha(0.01); }), "The numerical damping control parameter must be greater than or equal to -0.333 and less than or equal to zero."},
        {validImplicit, On<IM>([](auto& s) { s.solutionTechnique(kprC_Step::SolutionTechniqueEnm::QUASI_NEWTON), s.matrixSolver(Solver::DIRECT_UNSYMMETRIC); }), SOLVER},
        // Subspace dynamics: zero vectors pass.
        {validSubspace, {}, OK},
        {validSubspace, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validSubspace, On<SD>([](auto& s) { s.vectors(-1), s.timePeriod(0.0); }), "Number of modes to use for subspace dynamics must be greater than zero"},
        {validSubspace, On<SD>([](auto& s) { s.timePeriod(0.0), s.incSize(0.0); }), PERIOD},
        {validSubspace, On<SD>([](auto& s) { s.incSize(0.0), s.maxNumInc(0); }), FIXED},
        {validSubspace, On<SD>([](auto& s) { s.maxNumInc(0); }), "Invalid number of increments"},
        // Modal dynamics, with the damping rules.
        {validModal, {}, OK},
        {validModal, Solve(Solver::DIRECT_UNSYMMETRIC), SOLVER},
        {validModal, On<MD>([](auto& s) { s.timePeriod(0.0); }), PERIOD},
        {validModal, On<MD>([](auto& s) { s.incSize(2.0); }), FIXED},
        {validModal, On<MD>([](auto& s) { s.incSize(0.0); }), FIXED},
        {validModal, On<MD>([](auto& s) { s.directDamping(direct(0, 5)), s.rayleighDampingByFrequency(rayleighByFrequency); }), "Invalid start mode for damping"},
        {validModal, On<MD>([](auto& s) { s.directDamping(direct(1, 5)), s.rayleighDampingByFrequency(rayleighByFrequency); }), MIXED},
        {validModal, On<MD>([](auto& s) { s.directDamping(direct(1, 5)), s.compositeDamping(composite); }), OK},
        {validModal, On<MD>([](auto& s) { s.rayleighDampingByFrequency(rayleighByFrequency); }), OK},
        // Steady-state direct and subspace, with the range rules.
        {validDirect, {}, OK},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({}); }), NO_RANGE},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(10.0, 0.0, 0)}); }), OK},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(10.0, 5.0, 20)}); }), RANGE},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(1.0, 20.0, 1, 0.0)}); }), "Invalid number of frequency range calculation points"},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(1.0, 20.0, 20, 0.0)}); }), "A nonzero bias parameter must be specified."},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(1.0, 20.0, 20), Range(30.0, 20.0, 20)}); }), RANGE},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(30.0, 20.0, 20)}), s.matrixSolver(Solver::DDM_ITERATIVE); }), RANGE},
        {validDirect, Solve(Solver::DDM_ITERATIVE), SOLVER},
        {validSubspaceSS, On<SSS>([](auto& s) { s.frequencyRange({}); }), NO_RANGE},
        {validSubspaceSS, On<SSS>([](auto& s) { s.matrixSolver(Solver::DDM_ITERATIVE), s.maxDampingChange(0.0); }), SOLVER},
        {validSubspaceSS, On<SSS>([](auto& s) { s.maxDampingChange(0.0), s.maxStiffnessChange(0.0); }), "Maximum damping change must be greater than zero"},
        {validSubspaceSS, On<SSS>([](auto& s) { s.maxStiffnessChange(0.0); }), "Maximum stiffness change must be greater than zero"},
        // Steady-state modal, random response and response spectrum.
        {validModalSS, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validModalSS, On<SSM>([](auto& s) { s.frequencyRange({}); }), NO_RANGE},
        {validModalSS, On<SSM>([](auto& s) { s.frequencyRange({Record<kprC_SteadyStateModalFrequency>([](auto& f) { f.upper(5.0), f.nPoints(1); })}); }), "Invalid number of calculation points between eigenfrequencies"},
        {validModalSS, On<SSM>([](auto& s) { s.compositeDamping(composite), s.structuralDampingByFrequency(Damping<kprC_StructuralDampingByFrequency, kprC_StructuralDampingByFrequencyComponent>({})); }), MIXED},
        {validRandom, {}, OK},
        {validRandom, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validRandom, On<RR>([](auto& s) { s.freq({Record<kprC_RandomResponseFrequency>([](auto& f) { f.lower(9.0), f.upper(5.0); })}); }), "Invalid frequency range in random response analysis"},
        {validRandom, On<RR>([](auto& s) { s.structuralDamping(Damping<kprC_StructuralDamping>({Record<kprC_StructuralDampingComponent>([](auto& c) { c.start(1), c.end(1), c.factor(-1.0); })})); }), "Invalid value for structural damping"},
        {validSpectrum, {}, OK},
        {validSpectrum, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validSpectrum, On<RS>([](auto& s) { s.components({Spectrum("A"), Spectrum("B"), Spectrum(""), Spectrum("D")}); }), "Only three response spectrum components are allowed"},
        {validSpectrum, On<RS>([](auto& s) { s.components({Spectrum("A"), Spectrum(""), Spectrum("C")}); }), "Invalid response spectrum name"},
        {validSpectrum, On<RS>([](auto& s) { s.rayleighDamping(Damping<kprC_RayleighDamping, kprC_RayleighDampingComponent>({})), s.directDampingByFrequency(Damping<kprC_DirectDampingByFrequency, kprC_DirectDampingByFrequencyComponent>({})); }), MIXED},
    });
}

TEST_F(DynamicSteps, FixedImplicitIncrementationMakesTimeMarksInconsistent) {
    kprC_ImplicitDynamicsStep s;
    EXPECT_TRUE(kprC_TimeMarksConsistency(s, false));
    s.timeIncrementationMethod(kprC_Step::TimeIncrementationMethodEnm::FIXED);
    EXPECT_FALSE(kprC_TimeMarksConsistency(s, true));
    EXPECT_FALSE(kprC_TimeMarksIsAllowed(s, true));
}
}  // namespace dynamic_steps_test
