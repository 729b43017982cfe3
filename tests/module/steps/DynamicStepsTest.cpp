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
using Step = kprC_AnalysisStep;
using Fields = std::vector<std::pair<std::string, dbs_Value>>;
using Nlgeom = kprC_Step::NlgeomEnm;
using Solver = kprC_Step::MatrixSolverEnm;
constexpr double UNSET = 1.7976931348623157e308;
dbs_Value E(char const* text) { return dbs_EnumString{text}; }
dbs_Value const NONE = dbs_Null{};
dbs_Value const EMPTY = dbs_List{};

struct DynamicClass {
    char const* name;
    StepMaker make;
    int version;
    Fields stored;                     // own attributes with their initial values, in stored order
    std::vector<std::string> schema;   // the registered order, when it differs from the stored one
    bool adiabatic, loadCases, meshDomains, isExplicit, perturbation;
    Nlgeom nlgeom;
    std::function<void(Step&)> fill;   // every own attribute away from its initial value
};

template <class C>
StepMaker const Make = Valid<C>();

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

#define TST_EMPTY_KIND_(name, Kind) \
    if constexpr (requires { s.name(); }) \
        if (!s.name()) s.name(cow_COW<Kind>(new Kind));
// Gives the step an empty container of every damping kind it has and does not hold yet.
template <class S>
void EveryDampingKind(S& s) {
    TST_EMPTY_KIND_(directDamping, kprC_DirectDamping)
    TST_EMPTY_KIND_(compositeDamping, kprC_CompositeDamping)
    TST_EMPTY_KIND_(rayleighDamping, kprC_RayleighDamping)
    TST_EMPTY_KIND_(structuralDamping, kprC_StructuralDamping)
    TST_EMPTY_KIND_(directDampingByFrequency, kprC_DirectDampingByFrequency)
    TST_EMPTY_KIND_(rayleighDampingByFrequency, kprC_RayleighDampingByFrequency)
    TST_EMPTY_KIND_(structuralDampingByFrequency, kprC_StructuralDampingByFrequency)
}

kprC_MassScaling Throughout() {
    return Record<kprC_MassScaling>([](auto& m) {
        m.occurs(kprC_MassScaling::MassScalingOccursEnm::THROUGHOUT_STEP), m.dt(0.01), m.frequency(5);
        m.region(rgnC_Region({"Blank"}, 12));
    });
}

Fields const explicitTail = {{"timePeriod", 1.0},         {"userDefinedInc", UNSET},       {"maxIncrement", UNSET},
                             {"scaleFactor", 1.0},        {"linearBulkViscosity", 0.06},   {"quadBulkViscosity", 1.2},
                             {"massScaling", EMPTY}};
Fields Concat(Fields a, Fields const& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<DynamicClass> const& Classes() {
    static std::vector<DynamicClass> const classes = {
        {"ExplicitDynamics", Make<kprC_ExplicitDynamicsStep>, 831,
         Concat({{"nlgeom", E("ON")}, {"timeIncrementationMethod", E("AUTOMATIC_GLOBAL")}, {"adiabatic", false}},
                explicitTail),
         {}, false, false, true, true, false, Nlgeom::ON, On<kprC_ExplicitDynamicsStep>([](auto& s) {
             s.nlgeom(Nlgeom::OFF), s.timeIncrementationMethod(kprC_ExplicitDynamicsStep::TimeIncrementationMethodEnm::FIXED_EBE);
             s.adiabatic(true), s.timePeriod(2.0), s.userDefinedInc(0.5), s.maxIncrement(0.1), s.scaleFactor(0.9);
             s.linearBulkViscosity(0.1), s.quadBulkViscosity(1.5), s.massScaling({Throughout(), kprC_MassScaling()});
         })},
        {"TempDisplacementDynamics", Make<kprC_TempDisplacementDynamicsStep>, 831,
         Concat({{"nlgeom", E("ON")}, {"timeIncrementationMethod", E("AUTOMATIC_GLOBAL")}}, explicitTail), {}, false,
         false, true, true, false, Nlgeom::ON, On<kprC_TempDisplacementDynamicsStep>([](auto& s) {
             s.nlgeom(Nlgeom::OFF), s.timePeriod(3.0), s.userDefinedInc(0.5), s.maxIncrement(0.2), s.scaleFactor(0.8);
             s.linearBulkViscosity(0.0), s.quadBulkViscosity(0.0), s.massScaling({Throughout()});
             s.timeIncrementationMethod(kprC_TempDisplacementDynamicsStep::TimeIncrementationMethodEnm::AUTOMATIC_EBE);
         })},
        {"ImplicitDynamics", Make<kprC_ImplicitDynamicsStep>, 851,
         {{"nlgeom", E("OFF")}, {"adiabatic", false}, {"timePeriod", 1.0}, {"timeIncrementationMethod", E("AUTOMATIC")},
          {"maxNumInc", 100}, {"initialInc", 0.0}, {"minInc", 0.0}, {"maxInc", 0.0}, {"haftol", 0.0}, {"nohaf", false},
          {"initialConditions", true}, {"amplitude", E("STEP")}, {"extrapolation", E("LINEAR")}, {"alpha", -0.05},
          {"noStop", false}, {"reformKernel", 8}, {"solutionTechnique", E("FULL_NEWTON")}},
         {}, false, false, false, false, false, Nlgeom::OFF, On<kprC_ImplicitDynamicsStep>([](auto& s) {
             s.nlgeom(Nlgeom::ON), s.adiabatic(true), s.timePeriod(2.0), s.maxNumInc(50), s.initialInc(0.1);
             s.timeIncrementationMethod(kprC_Step::TimeIncrementationMethodEnm::FIXED), s.minInc(0.01), s.maxInc(0.2);
             s.haftol(0.5), s.nohaf(true), s.initialConditions(false), s.amplitude(kprC_Step::AmplitudeEnm::RAMP);
             s.extrapolation(kprC_Step::ExtrapolationEnm::NONE), s.alpha(-0.1), s.noStop(true), s.reformKernel(4);
             s.solutionTechnique(kprC_Step::SolutionTechniqueEnm::QUASI_NEWTON);
         })},
        {"SubspaceDynamics", Make<kprC_SubspaceDynamicsStep>, 831,
         {{"nlgeom", E("OFF")}, {"vectors", 0}, {"timePeriod", 1.0}, {"incSize", 0.0}, {"maxNumInc", 100},
          {"amplitude", E("STEP")}},
         {}, false, false, false, false, false, Nlgeom::OFF, On<kprC_SubspaceDynamicsStep>([](auto& s) {
             s.nlgeom(Nlgeom::ON), s.vectors(8), s.timePeriod(2.0), s.incSize(0.1), s.maxNumInc(30);
             s.amplitude(kprC_Step::AmplitudeEnm::RAMP);
         })},
        {"ModalDynamics", Make<kprC_ModalDynamicsStep>, 831,
         {{"continueAnalysis", false}, {"timePeriod", 1.0}, {"incSize", 0.0}, {"amplitude", E("STEP")},
          {"compositeDamping", NONE}, {"directDamping", NONE}, {"rayleighDamping", NONE},
          {"directDampingByFrequency", NONE}, {"rayleighDampingByFrequency", NONE}},
         {"compositeDamping", "continueAnalysis", "timePeriod", "incSize", "amplitude", "directDamping",
          "rayleighDamping", "directDampingByFrequency", "rayleighDampingByFrequency"},
         false, false, false, false, true, Nlgeom::NOT_AVAILABLE, On<kprC_ModalDynamicsStep>([](auto& s) {
             s.continueAnalysis(true), s.timePeriod(2.0), s.incSize(0.1), s.amplitude(kprC_Step::AmplitudeEnm::RAMP);
             s.compositeDamping(Damping<kprC_CompositeDamping>({Record<kprC_CompositeDampingComponent>(
                 [](auto& c) { c.start(1), c.end(4); })}));
             EveryDampingKind(s);
         })},
        {"SteadyStateDirect", Make<kprC_SteadyStateDirectStep>, 831,
         {{"frequencyRange", EMPTY}, {"scale", E("LOGARITHMIC")}, {"factorization", E("COMPLEX")}, {"timePeriod", 0.0},
          {"subdivideUsingEigenfrequencies", false}},
         {}, false, true, false, false, true, Nlgeom::NOT_AVAILABLE, On<kprC_SteadyStateDirectStep>([](auto& s) {
             s.frequencyRange({Record<kprC_SteadyStateDirectFrequency>([](auto& f) { f.lower(1.0), f.upper(50.0); })});
             s.scale(kprC_SteadyStateDirectStep::ScaleEnm::LINEAR), s.timePeriod(1.0);
             s.factorization(kprC_SteadyStateDirectStep::FactorizationEnm::REAL_ONLY);
             s.subdivideUsingEigenfrequencies(true);
         })},
        {"SteadyStateSubspace", Make<kprC_SteadyStateSubspaceStep>, 831,
         {{"frequencyRange", EMPTY}, {"scale", E("LOGARITHMIC")}, {"factorization", E("COMPLEX")},
          {"projection", E("ALL_FREQUENCIES")}, {"timePeriod", 0.0}, {"maxDampingChange", 0.1},
          {"maxStiffnessChange", 0.1}, {"subdivideUsingEigenfrequencies", true}},
         {}, false, true, false, false, true, Nlgeom::NOT_AVAILABLE, On<kprC_SteadyStateSubspaceStep>([](auto& s) {
             s.frequencyRange({Record<kprC_SteadyStateSubspaceFrequency>([](auto& f) { f.lower(2.0), f.bias(2.0); })});
             s.scale(kprC_SteadyStateSubspaceStep::ScaleEnm::LINEAR), s.timePeriod(1.0), s.maxDampingChange(0.2);
             s.factorization(kprC_SteadyStateSubspaceStep::FactorizationEnm::REAL_ONLY), s.maxStiffnessChange(0.3);
             s.projection(kprC_SteadyStateSubspaceStep::ProjectionEnm::CONSTANT), s.subdivideUsingEigenfrequencies(false);
         })},
        {"SteadyStateModal", Make<kprC_SteadyStateModalStep>, 831,
         {{"compositeDamping", NONE}, {"frequencyRange", EMPTY}, {"scale", E("LOGARITHMIC")}, {"directDamping", NONE},
          {"rayleighDamping", NONE}, {"structuralDamping", NONE}, {"timePeriod", 0.0},
          {"subdivideUsingEigenfrequencies", true}, {"directDampingByFrequency", NONE},
          {"rayleighDampingByFrequency", NONE}, {"structuralDampingByFrequency", NONE}},
         {"frequencyRange", "scale", "compositeDamping", "directDamping", "rayleighDamping", "structuralDamping",
          "timePeriod", "subdivideUsingEigenfrequencies", "directDampingByFrequency", "rayleighDampingByFrequency",
          "structuralDampingByFrequency"},
         false, false, false, false, true, Nlgeom::NOT_AVAILABLE, On<kprC_SteadyStateModalStep>([](auto& s) {
             s.frequencyRange({Record<kprC_SteadyStateModalFrequency>([](auto& f) { f.lower(3.0), f.nPoints(7); })});
             s.scale(kprC_SteadyStateModalStep::ScaleEnm::LINEAR), s.timePeriod(1.0);
             s.subdivideUsingEigenfrequencies(false);
             s.structuralDamping(Damping<kprC_StructuralDamping>({Record<kprC_StructuralDampingComponent>(
                 [](auto& c) { c.start(2), c.end(3), c.factor(0.02); })}));
             s.structuralDampingByFrequency(Damping<kprC_StructuralDampingByFrequency>(
                 {Record<kprC_StructuralDampingByFrequencyComponent>([](auto& c) { c.frequency(5.0), c.factor(0.1); })}));
             EveryDampingKind(s);
         })},
        {"RandomResponse", Make<kprC_RandomResponseStep>, 831,
         {{"freq", EMPTY}, {"scale", E("LOGARITHMIC")}, {"compositeDamping", NONE}, {"directDamping", NONE},
          {"rayleighDamping", NONE}, {"structuralDamping", NONE}, {"timePeriod", 0.0},
          {"directDampingByFrequency", NONE}, {"rayleighDampingByFrequency", NONE},
          {"structuralDampingByFrequency", NONE}},
         {}, false, false, false, false, true, Nlgeom::NOT_AVAILABLE, On<kprC_RandomResponseStep>([](auto& s) {
             s.freq({Record<kprC_RandomResponseFrequency>([](auto& f) { f.lower(1.0), f.upper(9.0), f.nCalcs(4); })});
             s.scale(kprC_RandomResponseStep::ScaleEnm::LINEAR), s.timePeriod(1.0);
             s.directDamping(Damping<kprC_DirectDamping>(
                 {Record<kprC_DirectDampingComponent>([](auto& c) { c.start(1), c.end(2), c.fraction(0.05); })}));
             s.rayleighDamping(Damping<kprC_RayleighDamping>({Record<kprC_RayleighDampingComponent>(
                 [](auto& c) { c.start(1), c.end(2), c.alpha(-1.0), c.beta(0.5); })}));
             s.directDampingByFrequency(Damping<kprC_DirectDampingByFrequency>(
                 {Record<kprC_DirectDampingByFrequencyComponent>([](auto& c) { c.frequency(2.0), c.fraction(0.1); })}));
             s.rayleighDampingByFrequency(Damping<kprC_RayleighDampingByFrequency>(
                 {Record<kprC_RayleighDampingByFrequencyComponent>([](auto& c) { c.frequency(3.0), c.beta(0.2); })}));
             EveryDampingKind(s);
         })},
        {"ResponseSpectrum", Make<kprC_ResponseSpectrumStep>, 831,
         {{"compositeDamping", NONE}, {"comp", E("SINGLE_DIRECTION")}, {"summation", E("ABS")}, {"components", EMPTY},
          {"directDamping", NONE}, {"rayleighDamping", NONE}, {"timePeriod", 0.0},
          {"directDampingByFrequency", NONE}, {"rayleighDampingByFrequency", NONE}},
         {"comp", "summation", "components", "directDamping", "rayleighDamping", "compositeDamping",
          "directDampingByFrequency", "rayleighDampingByFrequency", "timePeriod"},
         false, false, false, false, true, Nlgeom::NOT_AVAILABLE, On<kprC_ResponseSpectrumStep>([](auto& s) {
             s.comp(kprC_ResponseSpectrumStep::CompEnm::MULTIPLE_DIRECTION_SRSS_SUM);
             s.summation(kprC_ResponseSpectrumStep::SummationEnm::CQC), s.timePeriod(1.0);
             s.components({Record<kprC_ResponseSpectrumComponent>([](auto& c) { c.spectrum("Quake"), c.x(1.0); })});
             EveryDampingKind(s);
         })},
    };
    return classes;
}

class DynamicSteps : public StepTest {};

TEST_F(DynamicSteps, InitialValuesRegistrationAndAnswers) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        std::uint32_t const id = step->DynTypeId();
        auto db = Written(*step);
        std::vector<std::string> stored;
        for (auto const& [name, value] : c.stored) {
            EXPECT_EQ(Field(db, id, name), value) << name;
            stored.push_back(name);
        }
        ExpectRegistered(id, std::string("kprC_") + c.name + "Step", c.version, c.schema.empty() ? stored : c.schema);
        EXPECT_EQ(step->matrixSolver(), Solver::SOLVER_DEFAULT);
        EXPECT_EQ(step->IsAdiabatic(), c.adiabatic);
        EXPECT_EQ(step->AllowLoadCases(), c.loadCases);
        EXPECT_EQ(step->AllowAdaptiveMeshDomains(), c.meshDomains);
        EXPECT_FALSE(step->Nonmechanical());
        EXPECT_EQ(step->Explicit(), c.isExplicit);
        EXPECT_EQ(step->Perturbation(), c.perturbation);
        EXPECT_EQ(step->Perturbation(), kprC_Step::Perturbation(id));
        EXPECT_EQ(step->Response(), kprC_Step::ResponseEnm::NOT_APPLICABLE);
        EXPECT_EQ(step->Nlgeom(), c.nlgeom);
        EXPECT_EQ(step->TimePeriod(), std::get<double>(Field(db, id, "timePeriod").Raw()));
    }
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_SteadyStateSubspaceStep::InitializeMetadata), 3u);
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_ResponseSpectrumStep::InitializeMetadata), 7u);
    kprC_ExplicitDynamicsStep e;
    e.adiabatic(true);
    EXPECT_TRUE(e.IsAdiabatic());
    kprC_ImplicitDynamicsStep i;
    i.solutionTechnique(kprC_Step::SolutionTechniqueEnm::SEPARATED), i.adiabatic(true), i.nlgeom(Nlgeom::ON);
    EXPECT_EQ(i.SolutionTechnique(), kprC_Step::SolutionTechniqueEnm::SEPARATED);
    EXPECT_TRUE(i.IsAdiabatic());
    EXPECT_EQ(i.Nlgeom(), Nlgeom::ON);
    EXPECT_EQ(kprC_ImplicitDynamicsStep::MinimumDef(7.0, 2.0), 2.0e-5);
    EXPECT_EQ(kprC_RandomResponseStep::randomResponseStepCmd(), std::string("randomResponseStep"));
    EXPECT_EQ(kprC_ResponseSpectrumStep::summationCmd(), std::string("sum"));
}

TEST_F(DynamicSteps, RoundTripKeepsEveryAttributeAndRecord) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        c.fill(*step);
        ExpectEveryAttributeKept(*c.make(), *step);
    }
    kprC_ExplicitDynamicsStep e;
    Classes()[0].fill(e);
    auto back = cls_ReadVisitor(Written(e)).ReadRoot<kprC_ExplicitDynamicsStep>("step");
    EXPECT_EQ(back->massScaling(), e.massScaling());
    EXPECT_EQ(back->massScaling()[0].region(), rgnC_Region({"Blank"}, 12));
    EXPECT_NE(back->massScaling()[0].Uid(), e.massScaling()[0].Uid());
}

char const* const OK = "";
char const* const SOLVER = "Invalid solver value for given procedure.";
char const* const PERIOD = "Time period must be greater than zero";
char const* const MAX_INC = "Maximum increment must be greater than zero";
char const* const FIXED = "Invalid fixed increment size";
char const* const NO_RANGE = "No frequency range specified";
char const* const RANGE = "Invalid frequency range values";
char const* const POINTS = "Invalid number of frequency range calculation points";
char const* const BIAS = "A nonzero bias parameter must be specified.";
char const* const MIXED = "Mode-based damping and frequency-based damping cannot be mixed.";
char const* const START = "Invalid start mode for damping";
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
StepChange Solve(Solver solver) {
    return [solver](Step& s) { s.matrixSolver(solver); };
}

TEST_F(DynamicSteps, RulesInOrderWithTheirMessages) {
    ExpectRules({
        // Explicit (both steps share them), then each mass scaling definition in list order.
        {validExplicit, {}, OK},
        {validExplicit, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validExplicit, On<EX>([](auto& s) { s.timePeriod(0.0), s.maxIncrement(-1.0); }), PERIOD},
        {validExplicit, On<EX>([](auto& s) { s.maxIncrement(-1.0), s.scaleFactor(0.0); }), MAX_INC},
        {validExplicit, On<EX>([](auto& s) { s.maxIncrement(0.0); }), OK},
        {validExplicit, On<EX>([](auto& s) { s.scaleFactor(0.0), s.userDefinedInc(0.0); }),
         "Invalid increment size scaling factor"},
        {validExplicit, On<EX>([](auto& s) { s.userDefinedInc(0.0), s.linearBulkViscosity(-1.0); }), FIXED},
        {validExplicit,
         On<EX>([](auto& s) {
             s.userDefinedInc(2.0), s.timeIncrementationMethod(EX::TimeIncrementationMethodEnm::FIXED_USER_DEFINED_INC);
         }),
         FIXED},
        {validExplicit, On<EX>([](auto& s) { s.userDefinedInc(2.0); }), OK},
        {validExplicit, On<EX>([](auto& s) { s.linearBulkViscosity(-0.1), s.quadBulkViscosity(-1.0); }),
         "Invalid linear bulk viscosity value"},
        {validExplicit, On<EX>([](auto& s) { s.quadBulkViscosity(-1.0), s.massScaling({kprC_MassScaling()}); }),
         "Invalid quadratic bulk viscosity value"},
        {validExplicit, On<EX>([](auto& s) { s.massScaling({Throughout(), kprC_MassScaling()}); }), MS_56},
        {Valid<kprC_TempDisplacementDynamicsStep>([](auto&) {}),
         On<kprC_TempDisplacementDynamicsStep>([](auto& s) { s.massScaling({kprC_MassScaling()}); }), MS_56},
        // Implicit.
        {validImplicit, {}, OK},
        {validImplicit, Solve(Solver::DDM_ITERATIVE), SOLVER},
        {validImplicit, On<IM>([](auto& s) { s.initialInc(0.0); }), "Initial increment must be greater than zero"},
        {validImplicit, On<IM>([](auto& s) { s.nohaf(true), s.haftol(0.0); }),
         "Half step residuals are required for automatic incrementation"},
        {validImplicit, On<IM>([](auto& s) { s.haftol(0.0), s.minInc(0.0); }),
         "Maximum half step residual must be given for automatic incrementation"},
        {validImplicit, On<IM>([](auto& s) { s.minInc(0.0); }), "Minimum increment must be greater than zero"},
        {validImplicit,
         On<IM>([](auto& s) { s.minInc(0.0), s.nohaf(true), s.timeIncrementationMethod(IM::TimeIncrementationMethodEnm::FIXED); }),
         OK},
        {validImplicit, On<IM>([](auto& s) { s.alpha(-0.333); }), OK},
        {validImplicit, On<IM>([](auto& s) { s.alpha(0.0); }), OK},
        {validImplicit, On<IM>([](auto& s) { s.alpha(-0.34); }),
         "The numerical damping control parameter must be greater than or equal to -0.333 and less than or equal to zero."},
        {validImplicit, On<IM>([](auto& s) { s.alpha(0.01); }),
         "The numerical damping control parameter must be greater than or equal to -0.333 and less than or equal to zero."},
        {validImplicit,
         On<IM>([](auto& s) {
             s.solutionTechnique(kprC_Step::SolutionTechniqueEnm::QUASI_NEWTON), s.matrixSolver(Solver::DIRECT_UNSYMMETRIC);
         }),
         SOLVER},
        // Subspace dynamics: zero vectors pass.
        {validSubspace, {}, OK},
        {validSubspace, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validSubspace, On<SD>([](auto& s) { s.vectors(-1), s.timePeriod(0.0); }),
         "Number of modes to use for subspace dynamics must be greater than zero"},
        {validSubspace, On<SD>([](auto& s) { s.timePeriod(0.0), s.incSize(0.0); }), PERIOD},
        {validSubspace, On<SD>([](auto& s) { s.incSize(0.0), s.maxNumInc(0); }), FIXED},
        {validSubspace, On<SD>([](auto& s) { s.maxNumInc(0); }), "Invalid number of increments"},
        // Modal dynamics, with the damping rules.
        {validModal, {}, OK},
        {validModal, Solve(Solver::DIRECT_UNSYMMETRIC), SOLVER},
        {validModal, On<MD>([](auto& s) { s.timePeriod(0.0); }), PERIOD},
        {validModal, On<MD>([](auto& s) { s.incSize(2.0); }), FIXED},
        {validModal, On<MD>([](auto& s) { s.incSize(0.0); }), FIXED},
        {validModal, On<MD>([](auto& s) { s.directDamping(direct(0, 5)), s.rayleighDampingByFrequency(rayleighByFrequency); }),
         START},
        {validModal, On<MD>([](auto& s) { s.directDamping(direct(1, 5)), s.rayleighDampingByFrequency(rayleighByFrequency); }),
         MIXED},
        {validModal, On<MD>([](auto& s) { s.directDamping(direct(1, 5)), s.compositeDamping(composite); }), OK},
        {validModal, On<MD>([](auto& s) { s.rayleighDampingByFrequency(rayleighByFrequency); }), OK},
        // Steady-state direct and subspace, with the range rules.
        {validDirect, {}, OK},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({}); }), NO_RANGE},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(10.0, 0.0, 0)}); }), OK},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(10.0, 5.0, 20)}); }), RANGE},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(1.0, 20.0, 1, 0.0)}); }), POINTS},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(1.0, 20.0, 20, 0.0)}); }), BIAS},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(1.0, 20.0, 20), Range(30.0, 20.0, 20)}); }), RANGE},
        {validDirect, On<SSD>([](auto& s) { s.frequencyRange({Range(30.0, 20.0, 20)}), s.matrixSolver(Solver::DDM_ITERATIVE); }),
         RANGE},
        {validDirect, Solve(Solver::DDM_ITERATIVE), SOLVER},
        {validSubspaceSS, On<SSS>([](auto& s) { s.frequencyRange({}); }), NO_RANGE},
        {validSubspaceSS, On<SSS>([](auto& s) { s.matrixSolver(Solver::DDM_ITERATIVE), s.maxDampingChange(0.0); }), SOLVER},
        {validSubspaceSS, On<SSS>([](auto& s) { s.maxDampingChange(0.0), s.maxStiffnessChange(0.0); }),
         "Maximum damping change must be greater than zero"},
        {validSubspaceSS, On<SSS>([](auto& s) { s.maxStiffnessChange(0.0); }),
         "Maximum stiffness change must be greater than zero"},
        // Steady-state modal, random response and response spectrum.
        {validModalSS, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validModalSS, On<SSM>([](auto& s) { s.frequencyRange({}); }), NO_RANGE},
        {validModalSS,
         On<SSM>([](auto& s) {
             s.frequencyRange({Record<kprC_SteadyStateModalFrequency>([](auto& f) { f.upper(5.0), f.nPoints(1); })});
         }),
         "Invalid number of calculation points between eigenfrequencies"},
        {validModalSS, On<SSM>([](auto& s) { s.compositeDamping(composite), s.structuralDampingByFrequency(Damping<kprC_StructuralDampingByFrequency, kprC_StructuralDampingByFrequencyComponent>({})); }),
         MIXED},
        {validRandom, {}, OK},
        {validRandom, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validRandom,
         On<RR>([](auto& s) {
             s.freq({Record<kprC_RandomResponseFrequency>([](auto& f) { f.lower(9.0), f.upper(5.0); })});
         }),
         "Invalid frequency range in random response analysis"},
        {validRandom, On<RR>([](auto& s) { s.structuralDamping(Damping<kprC_StructuralDamping>({Record<kprC_StructuralDampingComponent>([](auto& c) { c.start(1), c.end(1), c.factor(-1.0); })})); }),
         "Invalid value for structural damping"},
        {validSpectrum, {}, OK},
        {validSpectrum, Solve(Solver::DIRECT_SYMMETRIC), SOLVER},
        {validSpectrum, On<RS>([](auto& s) { s.components({Spectrum("A"), Spectrum("B"), Spectrum(""), Spectrum("D")}); }),
         "Only three response spectrum components are allowed"},
        {validSpectrum, On<RS>([](auto& s) { s.components({Spectrum("A"), Spectrum(""), Spectrum("C")}); }),
         "Invalid response spectrum name"},
        {validSpectrum, On<RS>([](auto& s) { s.rayleighDamping(Damping<kprC_RayleighDamping, kprC_RayleighDampingComponent>({})), s.directDampingByFrequency(Damping<kprC_DirectDampingByFrequency, kprC_DirectDampingByFrequencyComponent>({})); }),
         MIXED},
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
