#include <limits>
#include <memory>
#include <sstream>

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
#include "platform/cls/cls_MetadataRegistrar.h"

namespace {

using Step = kprC_AnalysisStep;
using Mutation = std::function<void(Step&)>;

// One step class as the tests see it. `defaults` lists every own stored attribute with
// its initial value (UNSET for the largest double, REGION for the empty monitor region,
// upper-case words for enumeration strings); `order` the registered attributes
// ("" when in stored order); `scripts` the attributes whose script name is not their
// stored name. Answers read "initial>after mutate"; flags: a adiabatic attribute, L load
// cases, D adaptive mesh domains, N nonmechanical, X explicit.
struct Facts {
    char const* name;
    unsigned code;
    int version;
    char const* solver;
    char const* defaults;
    char const* order;
    char const* scripts;
    char const* flags;
    char const* response;
    char const* nlgeom;
    char const* technique;
};

struct StepClass : Facts {
    std::function<std::unique_ptr<Step>()> make;
    Mutation mutate;  // gives every own attribute a value other than its initial one (with FillShared)
    std::string renamed, constructorName;
};

#define TST_SET_(call) \
    if constexpr (requires { s.call; }) s.call;
// Gives every attribute that several general steps share, where S has it, a value other
// than its initial one (the amplitude the other of its two values).
template <class S>
void FillShared(S& s) {
    using Amp = kprC_Step::AmplitudeEnm;
    TST_SET_(nlgeom(kprC_Step::NlgeomEnm::ON)) TST_SET_(adiabatic(true)) TST_SET_(timePeriod(2.5))
    TST_SET_(response(kprC_Step::ResponseEnm::STEADY_STATE)) TST_SET_(end(0.3)) TST_SET_(stabilizationMagnitude(2e-4))
    TST_SET_(timeIncrementationMethod(kprC_Step::TimeIncrementationMethodEnm::FIXED)) TST_SET_(maxNumInc(7))
    TST_SET_(initialInc(0.25)) TST_SET_(minInc(1e-6)) TST_SET_(maxInc(0.5)) TST_SET_(cetol(1e-3)) TST_SET_(deltmx(5.0))
    TST_SET_(mxdem(0.2)) TST_SET_(extrapolation(kprC_Step::ExtrapolationEnm::PARABOLIC)) TST_SET_(noStop(true))
    TST_SET_(fullyPlastic("Set-3")) TST_SET_(contactSolutions(2.0)) TST_SET_(contactIterations(12))
    TST_SET_(applyContactIterations(true)) TST_SET_(useLongTermSolution(true)) TST_SET_(reformKernel(3))
    TST_SET_(solutionTechnique(kprC_Step::SolutionTechniqueEnm::SEPARATED))
    if constexpr (requires { s.amplitude(); }) s.amplitude(s.amplitude() == Amp::STEP ? Amp::RAMP : Amp::STEP);
}
#undef TST_SET_

template <class T>
StepClass Describe(Facts facts, std::function<void(T&)> mutate) {
    StepClass c{facts, {}, {}, {}, {}};
    c.make = [] { return std::make_unique<T>(); };
    c.mutate = [mutate](Step& s) { FillShared(dynamic_cast<T&>(s)), mutate(dynamic_cast<T&>(s)); };
    c.renamed = Renamed<T>();
    c.constructorName = T::constructorCmd().String();
    return c;
}

rgnC_Region const monitorNode({"Node-7"}, 1);


std::vector<StepClass> const& Classes() {
    static std::vector<StepClass> const classes = {
        Describe<kprC_StaticStep>(
            {"kprC_StaticStep", 0x023C0073, 851, "SOLVER_DEFAULT",
             "nlgeom=OFF adiabatic=false timePeriod=1.0 stabilizationMethod=NONE stabilizationMagnitude=UNSET "
             "timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 minInc=0.0 maxInc=0.0 amplitude=RAMP "
             "extrapolation=LINEAR noStop=false fullyPlastic='' contactSolutions=1.0 contactIterations=30 "
             "applyContactIterations=false useLongTermSolution=false solutionTechnique=FULL_NEWTON reformKernel=8",
             "nlgeom, adiabatic, timePeriod, stabilizationMagnitude, stabilizationMethod, timeIncrementationMethod, "
             "maxNumInc, initialInc, minInc, maxInc, amplitude, extrapolation, noStop, fullyPlastic, "
             "applyContactIterations, contactSolutions, contactIterations, useLongTermSolution, reformKernel, "
             "solutionTechnique",
             "", "aD", "NOT_APPLICABLE>NOT_APPLICABLE", "OFF>ON", "FULL_NEWTON>SEPARATED"},
            [](kprC_StaticStep& s) { s.stabilizationMethod(kprC_StaticStep::StabilizationEnm::DAMPING_FACTOR); }),
        Describe<kprC_StaticRiksStep>(
            {"kprC_StaticRiksStep", 0x023C0074, 831, "SOLVER_DEFAULT",
             "nlgeom=OFF adiabatic=false timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialArcInc=0.0 "
             "totalArcLength=1.0 minArcInc=0.0 maxArcInc=1.0e36 maxLPF=UNSET extrapolation=LINEAR noStop=false "
             "fullyPlastic='' monitorNodeOn=false region=REGION monitorDof=0 monitorDisplacement=0.0 timePeriod=0.0 "
             "contactSolutions=1.0 contactIterations=30 applyContactIterations=false useLongTermSolution=false",
             "nlgeom, adiabatic, timeIncrementationMethod, maxNumInc, initialArcInc, totalArcLength, minArcInc, "
             "maxArcInc, maxLPF, extrapolation, noStop, fullyPlastic, monitorNodeOn, region, monitorDof, "
             "monitorDisplacement, timePeriod, applyContactIterations, contactSolutions, contactIterations, "
             "useLongTermSolution",
             "monitorNodeOn=nodeOn monitorDof=dof monitorDisplacement=maximumDisplacement", "a",
             "NOT_APPLICABLE>NOT_APPLICABLE", "OFF>ON", "FULL_NEWTON>FULL_NEWTON"},
            [](kprC_StaticRiksStep& s) {
                s.initialArcInc(0.1), s.totalArcLength(3.0), s.minArcInc(1e-4), s.maxArcInc(0.5), s.maxLPF(4.0);
                s.monitorNodeOn(true), s.region(monitorNode), s.monitorDof(2), s.monitorDisplacement(-0.5);
            }),
        Describe<kprC_ViscoStep>(
            {"kprC_ViscoStep", 0x023C007A, 851, "SOLVER_DEFAULT",
             "nlgeom=OFF integration=IMPLICIT_EXPLICIT cetol=0.0 timePeriod=1.0 stabilizationMethod=NONE "
             "stabilizationMagnitude=UNSET timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 "
             "minInc=0.0 maxInc=0.0 amplitude=STEP extrapolation=LINEAR contactSolutions=1.0 contactIterations=30 "
             "applyContactIterations=false solutionTechnique=FULL_NEWTON reformKernel=8",
             "nlgeom, integration, cetol, timePeriod, stabilizationMagnitude, stabilizationMethod, "
             "timeIncrementationMethod, maxNumInc, initialInc, minInc, maxInc, amplitude, extrapolation, "
             "applyContactIterations, contactSolutions, contactIterations, reformKernel, solutionTechnique",
             "", "", "NOT_APPLICABLE>NOT_APPLICABLE", "OFF>ON", "FULL_NEWTON>SEPARATED"},
            [](kprC_ViscoStep& s) {
                s.integration(kprC_ViscoStep::IntegrationEnm::EXPLICIT_ONLY);
                s.stabilizationMethod(kprC_ViscoStep::StabilizationMethodEnm::DAMPING_FACTOR);
            }),
        Describe<kprC_SoilsStep>(
            {"kprC_SoilsStep", 0x023C0072, 851, "SOLVER_DEFAULT",
             "nlgeom=OFF response=CONSOLIDATION end=UNSET timePeriod=1.0 stabilizationMethod=NONE "
             "stabilizationMagnitude=UNSET timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 "
             "minInc=0.0 maxInc=0.0 creepBehavior=true cetol=0.0 utol=0.0 amplitude=STEP extrapolation=LINEAR "
             "contactSolutions=1.0 contactIterations=30 applyContactIterations=false solutionTechnique=FULL_NEWTON "
             "reformKernel=8",
             "nlgeom, response, end, timePeriod, stabilizationMagnitude, stabilizationMethod, "
             "timeIncrementationMethod, maxNumInc, initialInc, minInc, maxInc, creepBehavior, cetol, utol, "
             "amplitude, extrapolation, applyContactIterations, contactSolutions, contactIterations, reformKernel, "
             "solutionTechnique",
             "creepBehavior=creep", "LD", "TRANSIENT>STEADY_STATE", "OFF>ON", "FULL_NEWTON>SEPARATED"},
            [](kprC_SoilsStep& s) {
                s.response(kprC_SoilsStep::SoilsResponseEnm::STEADY_STATE), s.creepBehavior(false), s.utol(5.0);
                s.stabilizationMethod(kprC_SoilsStep::StabilizationMethodEnm::DAMPING_FACTOR);
            }),
        Describe<kprC_GeostaticStep>(
            {"kprC_GeostaticStep", 0x023C006B, 851, "SOLVER_DEFAULT",
             "nlgeom=OFF timePeriod=0.0 contactSolutions=1.0 contactIterations=30 applyContactIterations=false "
             "solutionTechnique=FULL_NEWTON reformKernel=8",
             "nlgeom, timePeriod, applyContactIterations, contactSolutions, contactIterations, reformKernel, "
             "solutionTechnique",
             "", "", "NOT_APPLICABLE>NOT_APPLICABLE", "OFF>ON", "FULL_NEWTON>SEPARATED"},
            [](kprC_GeostaticStep&) {}),
        Describe<kprC_CoupledTempDisplacementStep>(
            {"kprC_CoupledTempDisplacementStep", 0x023C0067, 831, "DIRECT_UNSYMMETRIC",
             "nlgeom=OFF response=TRANSIENT timePeriod=1.0 stabilizationMethod=NONE stabilizationMagnitude=UNSET "
             "timeIncrementationMethod=AUTOMATIC maxNumInc=100 initialInc=0.0 minInc=0.0 maxInc=0.0 deltmx=0.0 "
             "cetol=0.0 creepIntegration=CREEP_OFF amplitude=STEP extrapolation=LINEAR solutionTechnique=FULL_NEWTON "
             "contactIterations=30 contactSolutions=1.0",
             "nlgeom, response, timePeriod, stabilizationMagnitude, stabilizationMethod, timeIncrementationMethod, "
             "maxNumInc, initialInc, minInc, maxInc, deltmx, cetol, creepIntegration, amplitude, extrapolation, "
             "solutionTechnique, contactIterations, contactSolutions",
             "", "D", "TRANSIENT>STEADY_STATE", "OFF>ON", "FULL_NEWTON>SEPARATED"},
            [](kprC_CoupledTempDisplacementStep& s) {
                using S = kprC_CoupledTempDisplacementStep;
                s.stabilizationMethod(S::StabilizationMethodEnm::DISSIPATED_ENERGY_FRACTION);
                s.creepIntegration(S::CreepIntegrationEnm::EXPLICIT);
            }),
        Describe<kprC_CoupledThermalElectricStep>(
            {"kprC_CoupledThermalElectricStep", 0x023C0068, 831, "DIRECT_UNSYMMETRIC",
             "response=TRANSIENT end=UNSET timePeriod=1.0 timeIncrementationMethod=AUTOMATIC maxNumInc=100 "
             "initialInc=0.0 minInc=0.0 maxInc=0.0 deltmx=0.0 mxdem=0.1 amplitude=STEP extrapolation=LINEAR "
             "solutionTechnique=FULL_NEWTON",
             "", "", "N", "TRANSIENT>STEADY_STATE", "NOT_AVAILABLE>NOT_AVAILABLE", "FULL_NEWTON>SEPARATED"},
            [](kprC_CoupledThermalElectricStep&) {}),
        Describe<kprC_HeatTransferStep>(
            {"kprC_HeatTransferStep", 0x023C006C, 851, "SOLVER_DEFAULT",
             "response=TRANSIENT end=UNSET timePeriod=1.0 timeIncrementationMethod=AUTOMATIC maxNumInc=100 "
             "initialInc=0.0 minInc=0.0 maxInc=0.0 deltmx=0.0 mxdem=0.1 amplitude=STEP extrapolation=LINEAR "
             "solutionTechnique=FULL_NEWTON reformKernel=8",
             "response, end, timePeriod, timeIncrementationMethod, maxNumInc, initialInc, minInc, maxInc, deltmx, "
             "mxdem, amplitude, extrapolation, reformKernel, solutionTechnique",
             "", "N", "TRANSIENT>STEADY_STATE", "NOT_AVAILABLE>NOT_AVAILABLE", "FULL_NEWTON>SEPARATED"},
            [](kprC_HeatTransferStep&) {}),
        Describe<kprC_MassDiffusionStep>(
            {"kprC_MassDiffusionStep", 0x023C006E, 831, "DIRECT_UNSYMMETRIC",
             "response=TRANSIENT end=0.0 timePeriod=1.0 timeIncrementationMethod=AUTOMATIC maxNumInc=100 "
             "initialInc=0.0 minInc=0.0 maxInc=0.0 dcmax=0.0 amplitude=STEP extrapolation=LINEAR",
             "", "", "N", "TRANSIENT>STEADY_STATE", "NOT_AVAILABLE>NOT_AVAILABLE", "FULL_NEWTON>FULL_NEWTON"},
            [](kprC_MassDiffusionStep& s) { s.dcmax(0.4); }),
        Describe<kprC_AnnealStep>({"kprC_AnnealStep", 0x023C0065, 831, "SOLVER_DEFAULT",
                                   "refTemp=UNSET timePeriod=0.0", "", "", "X",
                                   "NOT_APPLICABLE>NOT_APPLICABLE", "NOT_AVAILABLE>NOT_AVAILABLE",
                                   "FULL_NEWTON>FULL_NEWTON"},
                                  [](kprC_AnnealStep& s) { s.refTemp(20.0); }),
    };
    return classes;
}

std::vector<std::string> Split(std::string const& text, char separator = ' ') {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        part.erase(0, part.find_first_not_of(' '));
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

// "name=value" read as the value a writer stores.
dbs_Value Expected(std::string const& value) {
    if (value == "UNSET") return std::numeric_limits<double>::max();
    if (value == "true" || value == "false") return value == "true";
    if (value == "''") return "";
    if (std::isupper(static_cast<unsigned char>(value[0]))) return dbs_EnumString{value};
    if (value.find_first_of(".e") != std::string::npos) return std::stod(value);
    return std::stoi(value);
}

std::pair<std::string, std::string> Answer(char const* pair) {
    std::string const text = pair;
    auto const arrow = text.find('>');
    return {text.substr(0, arrow), text.substr(arrow + 1)};
}

template <class E>
std::string Text(E value) {
    return omu_PrimEnum<E, 1>::StringOf(value);
}

using GeneralSteps = StepTest;

TEST_F(GeneralSteps, InitialValuesRegistrationAndScriptingNames) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        auto db = Written(*step);
        auto const& table = db.Tables().at(c.code);
        auto const defaults = Split(c.defaults);
        EXPECT_EQ(defaults.size(), table.schema.size());
        for (auto const& item : defaults) {
            auto const eq = item.find('=');
            std::string const name = item.substr(0, eq), value = item.substr(eq + 1);
            dbs_Value const& stored = Field(db, c.code, name);
            if (value == "REGION") {
                auto region = cls_ReadVisitor(db).ReadValueObject<rgnC_Region>(stored, {-1, "region"});
                EXPECT_TRUE(region.IsEmpty());
            } else {
                EXPECT_EQ(stored, Expected(value)) << name;
            }
        }
        auto const baseRow = table.rows[0].baseOid;
        EXPECT_EQ(Field(db, kprC_AnalysisStep::TypeId(), "matrixSolver", baseRow), dbs_EnumString{c.solver});
        EXPECT_EQ(Text(step->matrixSolver()), c.solver);
        std::vector<std::string> stored;
        for (auto const& item : defaults) stored.push_back(item.substr(0, item.find('=')));
        ExpectRegistered(c.code, c.name, c.version, *c.order ? Split(c.order, ',') : stored);
        EXPECT_EQ(c.constructorName, std::string(c.name).substr(5));
        EXPECT_EQ(c.renamed, c.scripts);
    }
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

TEST_F(GeneralSteps, AnswersFollowTheClassAndItsAttributes) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        std::string const flags = c.flags;
        auto const has = [&](char f) { return flags.find(f) != std::string::npos; };
        EXPECT_EQ(step->ProcedureType(), c.code);
        EXPECT_EQ(step->DynTypeId(), c.code);
        EXPECT_EQ(step->AllowLoadCases(), has('L'));
        EXPECT_EQ(step->AllowAdaptiveMeshDomains(), has('D'));
        EXPECT_EQ(step->Nonmechanical(), has('N'));
        EXPECT_EQ(step->Explicit(), has('X'));
        EXPECT_FALSE(step->Perturbation());
        EXPECT_FALSE(step->IsAdiabatic());

        auto const [response, mutatedResponse] = Answer(c.response);
        auto const [nlgeom, mutatedNlgeom] = Answer(c.nlgeom);
        auto const [technique, mutatedTechnique] = Answer(c.technique);
        EXPECT_EQ(Text(step->Response()), response);
        EXPECT_EQ(Text(step->Nlgeom()), nlgeom);
        EXPECT_EQ(Text(step->SolutionTechnique()), technique);

        c.mutate(*step);
        EXPECT_EQ(Text(step->Response()), mutatedResponse);
        EXPECT_EQ(Text(step->Nlgeom()), mutatedNlgeom);
        EXPECT_EQ(Text(step->SolutionTechnique()), mutatedTechnique);
        EXPECT_EQ(step->IsAdiabatic(), has('a'));
        EXPECT_EQ(step->TimePeriod(), 2.5);
        EXPECT_EQ(step->AllowLoadCases(), has('L'));
        EXPECT_EQ(step->Nonmechanical(), has('N'));
    }
    // The stabilization answers read the attributes; the first argument of MinimumDef does not enter.
    kprC_StaticStep st;
    EXPECT_EQ(Text(st.StabilizationMethod()), "NONE");
    EXPECT_EQ(st.StabilizationMagnitude(), std::numeric_limits<double>::max());
    st.stabilizationMethod(kprC_StaticStep::StabilizationEnm::DISSIPATED_ENERGY_FRACTION), st.stabilizationMagnitude(0.5);
    EXPECT_EQ(Text(st.StabilizationMethod()), "DISSIPATED_ENERGY_FRACTION");
    EXPECT_EQ(st.StabilizationMagnitude(), 0.5);
    for (auto minimumDef : {&kprC_StaticStep::MinimumDef, &kprC_StaticRiksStep::MinimumDef, &kprC_ViscoStep::MinimumDef,
                            &kprC_SoilsStep::MinimumDef, &kprC_CoupledTempDisplacementStep::MinimumDef,
                            &kprC_CoupledThermalElectricStep::MinimumDef, &kprC_HeatTransferStep::MinimumDef})
        EXPECT_DOUBLE_EQ(minimumDef(99.0, 2.0), 2.0e-5);
}

TEST_F(GeneralSteps, EveryAttributeSurvivesTheRoundTripThroughTheDatabase) {
    for (auto const& c : Classes()) {
        SCOPED_TRACE(c.name);
        auto step = c.make();
        c.mutate(*step);
        step->description("changed");
        step->convertSDI(kprC_Step::ConvertSDIEnm::CONVERT_SDI_ON);
        ExpectEveryAttributeKept(*c.make(), *step, {"region"});  // region: a reference to the region's own row
    }
    kprC_StaticRiksStep riks;
    riks.region(monitorNode);
    auto back = cls_ReadVisitor(Written(riks)).ReadRoot<kprC_StaticRiksStep>("step");
    EXPECT_EQ(back->region(), monitorNode);
}

}  // namespace
