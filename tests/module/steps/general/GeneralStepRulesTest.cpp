// The rules of the general steps in order with their messages: each case breaks a rule
// of a valid state, often with a later one that must not win.
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

namespace {

char const* const OK = "";
char const* const TIME_PERIOD = "Time period must be greater than zero";
char const* const NUM_INC = "Invalid number of increments";
char const* const INIT_POS = "Initial increment must be greater than zero";
char const* const INIT_LE_PERIOD = "Initial increment must be less than or equal to time period";
char const* const MIN_POS = "Minimum increment must be greater than zero";
char const* const MAX_POS = "Maximum increment must be greater than zero";
char const* const MIN_LE_MAX = "Minimum increment must be less than or equal to maximum increment";
char const* const MIN_LE_INIT = "Minimum increment must be less than or equal to initial increment";
char const* const INIT_LE_MAX = "Initial increment must be less than or equal to maximum increment";
char const* const MAX_LE_PERIOD = "Maximum increment must be less than or equal to time period";
char const* const SOLVER = "Invalid solver value for given procedure.";
char const* const CONTACT = "The contact iterations control can only be used with the direct solver.";
char const* const TECHNIQUES = "Multiple solution techniques are not allowed in a step.";
char const* const STABILIZED = "Iterative solver cannot be used with stabilization.";
char const* const CHANGE_RATE = "Change rate must be greater than zero";
char const* const CETOL = "CETOL is required for automatic incrementation and must be greater than zero";
char const* const DELTMX = "DELTMX is required for automatic incrementation with no creep and must be greater than zero";
char const* const MXDEM = "Invalid value for maximum allowable emissivity change";

using MS = kprC_Step::MatrixSolverEnm;
using TI = kprC_Step::TimeIncrementationMethodEnm;
using ST = kprC_Step::SolutionTechniqueEnm;
using RE = kprC_Step::ResponseEnm;

// One state of a step, made from a valid one, and the message its validation raises
// ("" for none). Several cases break more than one rule: the first in order must win.
template <class T>
struct RuleCase {
    char const* what;
    std::function<void(T&)> change;
    char const* message;
};

// Increment bounds that several steps check alike, from the valid state's initialInc 0.1,
// minInc 1e-5, maxInc 1.0 and time period 1.0; `bounds` names those a step checks
// (c and d: C and D under fixed incrementation).
template <class S>
void AddBounds(std::vector<RuleCase<S>>& cases, std::string const& bounds) {
    std::vector<std::pair<char, RuleCase<S>>> const all = {
        {'C', {"C", [](S& s) { s.initialInc(0); }, INIT_POS}},
        {'G', {"G, also H and I", [](S& s) { s.minInc(0.5), s.maxInc(0.05); }, MIN_LE_MAX}},
        {'H', {"H", [](S& s) { s.minInc(0.2); }, MIN_LE_INIT}},
        {'I', {"I", [](S& s) { s.maxInc(0.05); }, INIT_LE_MAX}},
        {'c', {"FIXED, C", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.initialInc(0); }, INIT_POS}},
        {'d', {"FIXED, D", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.initialInc(2); }, INIT_LE_PERIOD}},
    };
    for (auto const& [letter, c] : all)
        if (bounds.find(letter) != std::string::npos) cases.push_back(c);
}

template <class T>
void CheckRules(std::function<void(T&)> makeValid, std::vector<RuleCase<T>> cases, std::string const& bounds = "") {
    if constexpr (requires(T& t) { t.minInc(0.0); }) AddBounds(cases, bounds);
    T valid;
    makeValid(valid);
    EXPECT_EQ(RaisedMessage([&] { valid.AssertValid(); }), OK) << "the valid state";
    for (auto const& c : cases) {
        T step = valid;
        c.change(step);
        EXPECT_EQ(RaisedMessage([&] { step.AssertValid(); }), c.message) << c.what;
    }
}

// initialInc 0.1, minInc 1e-5, maxInc 1.0 within the time period 1.0.
template <class T>
void UsualIncrements(T& s) {
    s.initialInc(0.1), s.minInc(1e-5), s.maxInc(1.0);
}

using GeneralStepRules = StepTest;

TEST_F(GeneralStepRules, DefaultStepsStopAtTheirMissingIncrement) {
    std::pair<std::uint32_t, char const*> const expectations[] = {
        {0x023C0073, INIT_POS}, {0x023C0074, "Initial arc increment must be greater than zero"}, {0x023C007A, INIT_POS},
        {0x023C0072, INIT_POS}, {0x023C006B, OK}, {0x023C0067, INIT_POS}, {0x023C0068, INIT_POS}, {0x023C006C, INIT_POS},
        {0x023C006E, "DCMAX is required for automatic incrementation"}, {0x023C0065, OK}};
    for (auto const& [id, message] : expectations)
        EXPECT_EQ(RaisedMessage([&, id = id] { Make(id)->AssertValid(); }), message) << std::hex << id;
}

TEST_F(GeneralStepRules, Static) {
    using S = kprC_StaticStep;
    CheckRules<S>(UsualIncrements<S>, {
        {"stabilized, iterative, no period", [](S& s) { s.stabilizationMethod(S::StabilizationEnm::DAMPING_FACTOR), s.matrixSolver(MS::DDM_ITERATIVE), s.timePeriod(0); }, STABILIZED},
        {"iterative without stabilization", [](S& s) { s.matrixSolver(MS::DDM_ITERATIVE); }, OK},
        {"stabilization magnitude with method NONE", [](S& s) { s.stabilizationMagnitude(2e-4); }, OK},
        {"A, also D and K", [](S& s) { s.timePeriod(0); }, TIME_PERIOD},
        {"C, also H", [](S& s) { s.initialInc(0); }, INIT_POS},
        {"D, also I", [](S& s) { s.initialInc(2); }, INIT_LE_PERIOD},
        {"D, also B", [](S& s) { s.initialInc(2), s.maxNumInc(0); }, INIT_LE_PERIOD},
        {"B, also E", [](S& s) { s.maxNumInc(0), s.minInc(0); }, NUM_INC},
        {"E, also G and F", [](S& s) { s.minInc(0), s.maxInc(-1); }, MIN_POS},
        {"K", [](S& s) { s.maxInc(2); }, MAX_LE_PERIOD},
        {"initial = period = max", [](S& s) { s.initialInc(1.0), s.maxInc(1.0); }, OK},
        {"FIXED ignores min and max", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.minInc(0), s.maxInc(-1); }, OK},
        {"contact iterations, iterative", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::DDM_ITERATIVE), s.solutionTechnique(ST::QUASI_NEWTON); }, CONTACT},
        {"contact iterations, symmetric", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::SYMMETRIC); }, CONTACT},
        {"contact iterations, direct", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::DIRECT_SYMMETRIC); }, OK},
        {"contact iterations with quasi-Newton", [](S& s) { s.applyContactIterations(true), s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, TECHNIQUES},
        {"quasi-Newton, unsymmetric", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, SOLVER},
        {"quasi-Newton, default solver", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON); }, OK},
    }, "CGHIc");
}

TEST_F(GeneralStepRules, StaticRiks) {
    using S = kprC_StaticRiksStep;
    auto const node = [](S& s) { s.monitorNodeOn(true), s.region(rgnC_Region({"Node-1"}, 1)), s.monitorDof(1), s.monitorDisplacement(-0.5); };
    CheckRules<S>([](S& s) { s.initialArcInc(0.1); }, {
        {"iterative, bad LPF", [](S& s) { s.matrixSolver(MS::DDM_ITERATIVE), s.maxLPF(-1); }, SOLVER},
        {"LPF zero, no arc length", [](S& s) { s.maxLPF(0), s.totalArcLength(0); }, "Invalid maximum Load Proportionality Factor"},
        {"LPF given", [](S& s) { s.maxLPF(3); }, OK},
        {"total arc length", [](S& s) { s.totalArcLength(0); }, "Total arc length must be greater than zero"},
        {"initial arc increment", [](S& s) { s.initialArcInc(0), s.minArcInc(-1); }, "Initial arc increment must be greater than zero"},
        {"initial above total", [](S& s) { s.initialArcInc(2); }, "Initial arc increment must be less than or equal to total arc length"},
        {"negative minimum", [](S& s) { s.minArcInc(-1); }, "Minimum arc increment must be greater than or equal to zero"},
        {"negative maximum, also min above max", [](S& s) { s.maxArcInc(-1); }, "Maximum arc increment must be greater than or equal to zero"},
        {"min above max", [](S& s) { s.minArcInc(2), s.maxArcInc(1); }, "Minimum arc increment must be less than or equal to maximum arc increment"},
        {"FIXED ignores the arc bounds", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.minArcInc(-1); }, OK},
        {"monitor without node", [node](S& s) { node(s), s.region(rgnC_Region()), s.monitorDof(0); }, "Invalid Riks monitor node"},
        {"monitor without dof", [node](S& s) { node(s), s.monitorDof(0), s.monitorDisplacement(0); }, "Invalid Riks monitor degree of freedom"},
        {"monitor displacement zero", [node](S& s) { node(s), s.monitorDisplacement(0); }, "Riks monitor displacment cannot be zero"},
        {"monitor complete", node, OK},
        {"monitor off ignores its settings", [](S& s) { s.monitorDof(0); }, OK},
        {"contact iterations, symmetric", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::SYMMETRIC); }, CONTACT},
        {"contact iterations, direct", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, OK},
    });
}

TEST_F(GeneralStepRules, Visco) {
    using S = kprC_ViscoStep;
    CheckRules<S>([](S& s) { UsualIncrements(s), s.cetol(1e-3); }, {
        {"stabilized, iterative, no period", [](S& s) { s.stabilizationMethod(S::StabilizationMethodEnm::DISSIPATED_ENERGY_FRACTION), s.matrixSolver(MS::DDM_ITERATIVE), s.timePeriod(0); }, STABILIZED},
        {"A", [](S& s) { s.timePeriod(0); }, TIME_PERIOD},
        {"D", [](S& s) { s.initialInc(2); }, INIT_LE_PERIOD},
        {"B, also cetol", [](S& s) { s.maxNumInc(0), s.cetol(0); }, NUM_INC},
        {"E, also F", [](S& s) { s.minInc(0), s.maxInc(0); }, MIN_POS},
        {"F, also G", [](S& s) { s.maxInc(0); }, MAX_POS},
        {"K, also cetol", [](S& s) { s.maxInc(2), s.cetol(0); }, MAX_LE_PERIOD},
        {"cetol", [](S& s) { s.cetol(0); }, CETOL},
        {"FIXED needs no cetol", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.cetol(0), s.minInc(0); }, OK},
        {"contact iterations, iterative", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::DDM_ITERATIVE); }, CONTACT},
        {"contact iterations with quasi-Newton", [](S& s) { s.applyContactIterations(true), s.solutionTechnique(ST::QUASI_NEWTON); }, TECHNIQUES},
        {"quasi-Newton, unsymmetric", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, SOLVER},
    }, "CGHI");
}

TEST_F(GeneralStepRules, Soils) {
    using S = kprC_SoilsStep;
    auto const steady = [](S& s) { s.response(S::SoilsResponseEnm::STEADY_STATE); };
    CheckRules<S>([](S& s) { UsualIncrements(s), s.utol(0.1); }, {
        {"A, also B", [](S& s) { s.timePeriod(0), s.maxNumInc(0); }, TIME_PERIOD},
        {"B, also change rate", [](S& s) { s.maxNumInc(0), s.end(0); }, NUM_INC},
        {"change rate, also iterative", [](S& s) { s.end(0), s.matrixSolver(MS::DDM_ITERATIVE); }, CHANGE_RATE},
        {"change rate given", [](S& s) { s.end(0.5); }, OK},
        {"consolidation, iterative", [](S& s) { s.matrixSolver(MS::DDM_ITERATIVE); }, SOLVER},
        {"consolidation, symmetric", [](S& s) { s.matrixSolver(MS::DIRECT_SYMMETRIC); }, OK},
        {"steady state, symmetric", [steady](S& s) { steady(s), s.matrixSolver(MS::DIRECT_SYMMETRIC), s.initialInc(0); }, SOLVER},
        {"steady state, unsymmetric, no change rate", [steady](S& s) { steady(s), s.matrixSolver(MS::DIRECT_UNSYMMETRIC), s.end(0); }, OK},
        {"FIXED, no increment", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.initialInc(0); }, "Invalid fixed increment size"},
        {"FIXED, increment above period", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.initialInc(2); }, "Invalid fixed increment size"},
        {"FIXED, increment equal to the period", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.initialInc(1); }, OK},
        {"FIXED needs no tolerance", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.utol(0), s.minInc(0); }, OK},
        {"E, also D", [](S& s) { s.minInc(0), s.initialInc(2); }, MIN_POS},
        {"F, also D", [](S& s) { s.maxInc(0), s.initialInc(2); }, MAX_POS},
        {"D, also I", [](S& s) { s.initialInc(2); }, INIT_LE_PERIOD},
        {"K, also tolerance", [](S& s) { s.maxInc(2), s.utol(0); }, MAX_LE_PERIOD},
        {"steady state with creep accepts cetol 0", [steady](S& s) { steady(s), s.cetol(0), s.utol(0); }, OK},
        {"steady state with creep, negative cetol", [steady](S& s) { steady(s), s.cetol(-1); }, CETOL},
        {"steady state without creep", [steady](S& s) { steady(s), s.creepBehavior(false), s.cetol(-1), s.utol(0); }, OK},
        {"consolidation with creep, no tolerance", [](S& s) { s.cetol(0), s.utol(0); }, "CETOL or UTOL are required for automatic incrementation and must be greater than zero"},
        {"consolidation with creep, cetol", [](S& s) { s.cetol(0.1), s.utol(0); }, OK},
        {"consolidation without creep needs utol", [](S& s) { s.creepBehavior(false), s.cetol(1), s.utol(0); }, "UTOL is required for automatic incrementation with no creep and must be greater than zero"},
        {"contact iterations, symmetric", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::SYMMETRIC); }, CONTACT},
        {"contact iterations with quasi-Newton", [](S& s) { s.applyContactIterations(true), s.solutionTechnique(ST::QUASI_NEWTON); }, OK},
        {"quasi-Newton, unsymmetric", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, OK},
    }, "CGHI");
}

TEST_F(GeneralStepRules, Geostatic) {
    using S = kprC_GeostaticStep;
    CheckRules<S>([](S&) {}, {
        {"iterative, with contact iterations", [](S& s) { s.matrixSolver(MS::DDM_ITERATIVE), s.applyContactIterations(true); }, SOLVER},
        {"no time period", [](S& s) { s.timePeriod(-1); }, OK},
        {"contact iterations, symmetric", [](S& s) { s.applyContactIterations(true), s.matrixSolver(MS::SYMMETRIC), s.solutionTechnique(ST::QUASI_NEWTON); }, CONTACT},
        {"contact iterations with quasi-Newton", [](S& s) { s.applyContactIterations(true), s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, TECHNIQUES},
        {"quasi-Newton, unsymmetric", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, SOLVER},
        {"quasi-Newton, symmetric", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_SYMMETRIC); }, OK},
    });
}

TEST_F(GeneralStepRules, CoupledTempDisplacement) {
    using S = kprC_CoupledTempDisplacementStep;
    auto const pair = [](ST technique, MS solver) { return [=](S& s) { s.solutionTechnique(technique), s.matrixSolver(solver); }; };
    CheckRules<S>([](S& s) { UsualIncrements(s), s.deltmx(5); }, {
        {"contact iterations, symmetric", pair(ST::CONTACT_ITERATIONS, MS::SYMMETRIC), CONTACT},
        {"contact iterations, direct symmetric", pair(ST::CONTACT_ITERATIONS, MS::DIRECT_SYMMETRIC), OK},
        {"full Newton, direct symmetric", pair(ST::FULL_NEWTON, MS::DIRECT_SYMMETRIC), SOLVER},
        {"full Newton, default", pair(ST::FULL_NEWTON, MS::SOLVER_DEFAULT), OK},
        {"separated, symmetric", pair(ST::SEPARATED, MS::SYMMETRIC), OK},
        {"separated, iterative", pair(ST::SEPARATED, MS::DDM_ITERATIVE), SOLVER},
        {"quasi-Newton, default", pair(ST::QUASI_NEWTON, MS::SOLVER_DEFAULT), SOLVER},
        {"quasi-Newton, symmetric, no period", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_SYMMETRIC), s.timePeriod(0); }, SOLVER},
        {"A", [](S& s) { s.timePeriod(0); }, TIME_PERIOD},
        {"B, also creep integration", [](S& s) { s.maxNumInc(0), s.creepIntegration(S::CreepIntegrationEnm::IMPLICIT); }, NUM_INC},
        {"implicit creep, also C", [](S& s) { s.creepIntegration(S::CreepIntegrationEnm::IMPLICIT), s.initialInc(0); }, "An invalid creepIntegration value was specified."},
        {"FIXED ignores min, max and deltmx", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.minInc(0), s.deltmx(0); }, OK},
        {"E, also D", [](S& s) { s.minInc(0), s.initialInc(2); }, MIN_POS},
        {"F, also D", [](S& s) { s.maxInc(0), s.initialInc(2); }, MAX_POS},
        {"D", [](S& s) { s.initialInc(2); }, INIT_LE_PERIOD},
        {"K, also deltmx", [](S& s) { s.maxInc(2), s.deltmx(0); }, MAX_LE_PERIOD},
        {"creep, neither cetol nor deltmx", [](S& s) { s.creepIntegration(S::CreepIntegrationEnm::EXPLICIT), s.deltmx(0); }, "CETOL or DELTMX must be specified for automatic incrementation and must be greater than zero"},
        {"creep with cetol", [](S& s) { s.creepIntegration(S::CreepIntegrationEnm::IMPLICIT_EXPLICIT), s.deltmx(0), s.cetol(0.1); }, OK},
        {"no creep, no deltmx", [](S& s) { s.deltmx(0); }, DELTMX},
        {"steady state needs no deltmx", [](S& s) { s.response(RE::STEADY_STATE), s.deltmx(0); }, OK},
        {"magnitude without method", [](S& s) { s.stabilizationMagnitude(2e-4); }, "The stabilization method must be specified."},
        {"magnitude with method", [](S& s) { s.stabilizationMagnitude(2e-4), s.stabilizationMethod(S::StabilizationMethodEnm::DAMPING_FACTOR); }, OK},
    }, "CGHIcd");
}

// The heat transfer and coupled thermal-electric steps share their layout and most rules.
template <class S>
std::vector<RuleCase<S>> ThermalCases() {
    return {
        {"A, also mxdem", [](S& s) { s.timePeriod(0), s.mxdem(-1); }, TIME_PERIOD},
        {"mxdem, also B", [](S& s) { s.mxdem(-0.1), s.maxNumInc(0); }, MXDEM},
        {"mxdem zero", [](S& s) { s.mxdem(0); }, OK},
        {"B, also change rate", [](S& s) { s.maxNumInc(0), s.end(0); }, NUM_INC},
        {"transient change rate, also C", [](S& s) { s.end(0), s.initialInc(0); }, CHANGE_RATE},
        {"steady state ignores the change rate and deltmx", [](S& s) { s.response(RE::STEADY_STATE), s.end(0), s.deltmx(0); }, OK},
        {"FIXED ignores min, max and deltmx", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.minInc(0), s.deltmx(0); }, OK},
        {"D, also E", [](S& s) { s.initialInc(2), s.minInc(0); }, INIT_LE_PERIOD},
        {"E, also F", [](S& s) { s.minInc(0), s.maxInc(0); }, MIN_POS},
        {"F, also G", [](S& s) { s.maxInc(0); }, MAX_POS},
        {"K, also deltmx", [](S& s) { s.maxInc(2), s.deltmx(0); }, MAX_LE_PERIOD},
        {"no end criterion needs deltmx", [](S& s) { s.deltmx(0); }, DELTMX},
        {"end criterion replaces deltmx", [](S& s) { s.deltmx(0), s.end(2); }, OK},
    };
}

template <class S>
void CheckThermal(std::vector<RuleCase<S>> cases) {
    auto shared = ThermalCases<S>();
    cases.insert(cases.end(), shared.begin(), shared.end());
    CheckRules<S>([](S& s) { UsualIncrements(s), s.deltmx(5); }, cases, "CGHIcd");
}

TEST_F(GeneralStepRules, CoupledThermalElectric) {
    using S = kprC_CoupledThermalElectricStep;
    auto const pair = [](ST technique, MS solver) { return [=](S& s) { s.solutionTechnique(technique), s.matrixSolver(solver); }; };
    CheckThermal<S>({
        {"full Newton, direct symmetric, no period", [](S& s) { s.matrixSolver(MS::DIRECT_SYMMETRIC), s.timePeriod(0); }, SOLVER},
        {"full Newton, default", pair(ST::FULL_NEWTON, MS::SOLVER_DEFAULT), OK},
        {"separated, symmetric", pair(ST::SEPARATED, MS::SYMMETRIC), OK},
        {"separated, iterative", pair(ST::SEPARATED, MS::DDM_ITERATIVE), SOLVER},
        {"contact iterations, direct", pair(ST::CONTACT_ITERATIONS, MS::DIRECT_UNSYMMETRIC), SOLVER},
        {"quasi-Newton, default", pair(ST::QUASI_NEWTON, MS::SOLVER_DEFAULT), SOLVER},
    });
}

TEST_F(GeneralStepRules, HeatTransfer) {
    using S = kprC_HeatTransferStep;
    CheckThermal<S>({
        {"transient, iterative, no period", [](S& s) { s.matrixSolver(MS::DDM_ITERATIVE), s.timePeriod(0); }, "Iterative solver cannot be used with Transient heat transfer analysis."},
        {"steady state, iterative", [](S& s) { s.matrixSolver(MS::DDM_ITERATIVE), s.response(RE::STEADY_STATE); }, OK},
        {"quasi-Newton, unsymmetric", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON), s.matrixSolver(MS::DIRECT_UNSYMMETRIC); }, SOLVER},
        {"quasi-Newton, default", [](S& s) { s.solutionTechnique(ST::QUASI_NEWTON); }, OK},
    });
}

TEST_F(GeneralStepRules, MassDiffusion) {
    using S = kprC_MassDiffusionStep;
    auto const steady = [](S& s) { s.response(RE::STEADY_STATE); };
    CheckRules<S>([](S& s) { UsualIncrements(s), s.dcmax(0.1); }, {
        {"A, also B", [](S& s) { s.timePeriod(0), s.maxNumInc(0); }, TIME_PERIOD},
        {"B, also dcmax", [](S& s) { s.maxNumInc(0), s.dcmax(0); }, NUM_INC},
        {"FIXED needs no dcmax", [](S& s) { s.timeIncrementationMethod(TI::FIXED), s.dcmax(0), s.minInc(0); }, OK},
        {"dcmax, also C", [](S& s) { s.dcmax(0), s.initialInc(0); }, "DCMAX is required for automatic incrementation"},
        {"steady state needs no dcmax", [steady](S& s) { steady(s), s.dcmax(0); }, OK},
        {"E, also D", [](S& s) { s.minInc(0), s.initialInc(2); }, MIN_POS},
        {"F, also D", [](S& s) { s.maxInc(0), s.initialInc(2); }, MAX_POS},
        {"D", [](S& s) { s.initialInc(2), s.maxInc(1); }, INIT_LE_PERIOD},
        {"K", [](S& s) { s.maxInc(2); }, MAX_LE_PERIOD},
        {"G without end", [](S& s) { s.minInc(0.05), s.maxInc(0.04); }, MIN_LE_MAX},
        {"I without end", [](S& s) { s.maxInc(0.05); }, INIT_LE_MAX},
        {"G and I skipped with an end", [](S& s) { s.minInc(0.05), s.maxInc(0.04), s.end(0.5); }, OK},
        {"steady state without end, symmetric", [steady](S& s) { steady(s), s.matrixSolver(MS::DIRECT_SYMMETRIC); }, SOLVER},
        {"steady state without end, default", [steady](S& s) { steady(s), s.matrixSolver(MS::SOLVER_DEFAULT); }, OK},
        {"steady state, negative end", [steady](S& s) { steady(s), s.end(-1), s.matrixSolver(MS::DIRECT_SYMMETRIC); }, "Invalid value for end rate of change in normalized concentration"},
        {"steady state with end, symmetric", [steady](S& s) { steady(s), s.end(2), s.matrixSolver(MS::DIRECT_SYMMETRIC); }, SOLVER},
        {"transient, iterative", [](S& s) { s.matrixSolver(MS::DDM_ITERATIVE); }, SOLVER},
        {"transient, default", [](S& s) { s.matrixSolver(MS::SOLVER_DEFAULT); }, OK},
    }, "CHcd");
}

TEST_F(GeneralStepRules, AnnealAcceptsEveryState) {
    using S = kprC_AnnealStep;
    CheckRules<S>([](S&) {}, {
        {"negative period", [](S& s) { s.timePeriod(-1); }, OK},
        {"iterative solver", [](S& s) { s.refTemp(-300), s.matrixSolver(MS::DDM_ITERATIVE); }, OK},
    });
}

}  // namespace
