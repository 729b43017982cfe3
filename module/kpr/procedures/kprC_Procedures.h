#pragma once
// The facts of every procedure in one table: its code, display label, scripting string,
// classification, the step's own answers, the sequencer's rules and the loads' base
// state. The label and bit maps, the classification functions, the scripting
// enumeration, the sequencer and the propagation kinds all read this table; adding a
// procedure is a row here plus its step class.
#include <array>
#include <cstdint>
#include <initializer_list>

#include "module/kpr/kprC_TypeIds.h"
#include "platform/omu/omu_PrimEnumBase.h"

// What the Initial step reports as its procedure type; it runs no procedure.
inline constexpr unsigned int kprC_INITIAL_STEP_PROCEDURE = 1;

// A set of procedure codes; the codes are contiguous class ids, so a 32-bit mask holds them.
class kprC_ProcedureSet {
public:
    static constexpr unsigned int first = kprC_AnnealStep_TypeId;
    static constexpr unsigned int count = 26;

    constexpr kprC_ProcedureSet() = default;
    constexpr kprC_ProcedureSet(std::initializer_list<unsigned int> codes) {
        for (unsigned int code : codes) mask_ |= std::uint32_t{1} << (code - first);
    }
    constexpr bool Has(unsigned int code) const {
        return code >= first && code - first < count && (mask_ >> (code - first) & 1u);
    }
    constexpr kprC_ProcedureSet operator|(kprC_ProcedureSet other) const { return From(mask_ | other.mask_); }

private:
    static constexpr kprC_ProcedureSet From(std::uint32_t mask) {
        kprC_ProcedureSet set;
        set.mask_ = mask;
        return set;
    }
    std::uint32_t mask_ = 0;
};

// The yes-or-no facts of a procedure.
enum kprC_ProcedureFact : std::uint32_t {
    kprC_PERTURBATION = 1u << 0,
    kprC_EXPLICIT_SOLVER = 1u << 1,     // runs on the Explicit solver (kprC_IsExplicit)
    kprC_EXPLICIT_DYNAMICS = 1u << 2,   // time points and output frequency follow the caller's flag
    kprC_FREQUENCY_BUCKLE = 1u << 3,    // also: modes may be chosen
    kprC_IMPLICIT_MODAL = 1u << 4,
    kprC_COUPLED = 1u << 5,
    kprC_LOAD_CASE_ALLOWED = 1u << 6,   // kprC_LoadCaseIsAllowed
    kprC_NUMBER_INTERVAL = 1u << 7,
    kprC_TIME_INTERVAL = 1u << 8,
    kprC_TIME_POINTS = 1u << 9,         // without the flag
    kprC_TIME_MARKS = 1u << 10,         // without the flag
    kprC_OUTPUT_FREQUENCY = 1u << 11,   // without the flag
    // The step's own answers (kprC_Step's virtual operations).
    kprC_STEP_LOAD_CASES = 1u << 12,    // AllowLoadCases: a different set from kprC_LOAD_CASE_ALLOWED
    kprC_STEP_MESH_DOMAINS = 1u << 13,  // AllowAdaptiveMeshDomains
    kprC_NONMECHANICAL = 1u << 14,
    // Propagation: loads keep their base state through it besides the perturbation steps.
    kprC_LOAD_BASE_STATE = 1u << 15,
    // Sequencing.
    kprC_MAY_OPEN = 1u << 16,            // may be the first analysis step
    kprC_NEEDS_USA_PERMISSION = 1u << 17,  // admitted only when the caller allows it
    kprC_MARKS_FREQUENCY = 1u << 18,     // tells the sequencer that a frequency step ran
    kprC_AFTER_ANY_FREQUENCY = 1u << 19,  // may follow once any frequency step ran
    kprC_ENDS_LOOK_BACK = 1u << 20,      // nothing follows it through the frequency rule
    // Adaptive mesh constraints: the procedures that admit both kinds, and those whose
    // steps take the constraints' base state besides the perturbation steps.
    kprC_AMC_ADMITTED = 1u << 21,
    kprC_AMC_BASE_STATE = 1u << 22,
};

// One procedure. `label` carries its translation context after "\@"; `script` is null
// for a procedure that scripts cannot name; `scriptRank` is the position of the string in
// the scripting enumeration (the Initial step's "NONE" is 0).
struct kprC_Procedure {
    unsigned int code;
    char const* label;
    char const* script;
    int scriptRank;
    std::uint32_t facts;
    kprC_ProcedureSet follows;  // what may follow it directly

    constexpr bool Is(std::uint32_t fact) const { return (facts & fact) != 0; }
};

namespace kprC_procedureRows {
constexpr unsigned ANNEAL = kprC_AnnealStep_TypeId, BUCKLE = kprC_BuckleStep_TypeId,
                   CTD = kprC_CoupledTempDisplacementStep_TypeId, CTE = kprC_CoupledThermalElectricStep_TypeId,
                   DYN_EXPLICIT = kprC_ExplicitDynamicsStep_TypeId, FREQUENCY = kprC_FrequencyStep_TypeId,
                   GEOSTATIC = kprC_GeostaticStep_TypeId, HEAT = kprC_HeatTransferStep_TypeId,
                   DYN_IMPLICIT = kprC_ImplicitDynamicsStep_TypeId, MASS_DIFFUSION = kprC_MassDiffusionStep_TypeId,
                   MODAL = kprC_ModalDynamicsStep_TypeId, RANDOM = kprC_RandomResponseStep_TypeId,
                   SPECTRUM = kprC_ResponseSpectrumStep_TypeId, SOILS = kprC_SoilsStep_TypeId,
                   STATIC = kprC_StaticStep_TypeId, RIKS = kprC_StaticRiksStep_TypeId,
                   SLP = kprC_StaticLinearPerturbationStep_TypeId, SS_DIRECT = kprC_SteadyStateDirectStep_TypeId,
                   SS_MODAL = kprC_SteadyStateModalStep_TypeId, DYN_SUBSPACE = kprC_SubspaceDynamicsStep_TypeId,
                   USA = kprC_UsaAddedMassGenerationStep_TypeId, VISCO = kprC_ViscoStep_TypeId,
                   TEMP_DISP = kprC_TempDisplacementDynamicsStep_TypeId,
                   SUBSTRUCTURE = kprC_SubstructureGenerateStep_TypeId,
                   COMPLEX_FREQUENCY = kprC_ComplexFrequencyStep_TypeId,
                   SS_SUBSPACE = kprC_SteadyStateSubspaceStep_TypeId;

// What may follow the steps of a family.
constexpr kprC_ProcedureSet explicitSolver{ANNEAL, DYN_EXPLICIT, TEMP_DISP};
constexpr kprC_ProcedureSet thermal{CTE, HEAT};
constexpr kprC_ProcedureSet afterSoils{BUCKLE, FREQUENCY, GEOSTATIC, DYN_IMPLICIT, SOILS,
                                       STATIC, RIKS,      SLP,       SS_DIRECT,    VISCO};
constexpr kprC_ProcedureSet afterStatic = afterSoils | kprC_ProcedureSet{CTD};
constexpr kprC_ProcedureSet afterCoupled{BUCKLE, CTD, FREQUENCY, DYN_IMPLICIT, STATIC, SLP, SS_DIRECT, VISCO};
constexpr kprC_ProcedureSet afterDynamic{DYN_IMPLICIT, STATIC, RIKS, VISCO, USA};
constexpr kprC_ProcedureSet afterFrequency{BUCKLE,    FREQUENCY, MODAL,        RANDOM,            SPECTRUM,   SLP,
                                           SS_DIRECT, SS_MODAL,  DYN_SUBSPACE, COMPLEX_FREQUENCY, SS_SUBSPACE};
constexpr kprC_ProcedureSet afterPerturbation{BUCKLE, FREQUENCY, SLP, SS_DIRECT};

// Fact groups that many rows share.
constexpr std::uint32_t P = kprC_PERTURBATION, X = kprC_EXPLICIT_SOLVER | kprC_EXPLICIT_DYNAMICS,
                        INTERVALS = kprC_NUMBER_INTERVAL | kprC_TIME_INTERVAL,
                        OUTPUT = INTERVALS | kprC_TIME_POINTS | kprC_TIME_MARKS | kprC_OUTPUT_FREQUENCY,
                        OPEN = kprC_MAY_OPEN, FB = kprC_FREQUENCY_BUCKLE, F = kprC_OUTPUT_FREQUENCY,
                        BASE = kprC_LOAD_BASE_STATE,
                        AMC = kprC_AMC_ADMITTED, AMC_BASE = kprC_AMC_BASE_STATE;
}  // namespace kprC_procedureRows

// The 26 procedures in registration order: the order of the label map's code list and of
// the procedure bits (the i-th row has bit 2^i).
inline constexpr kprC_Procedure kprC_procedures[] = {
    // clang-format off
#define R kprC_procedureRows
    {R::ANNEAL, "Anneal", "ANNEAL", 1, kprC_EXPLICIT_SOLVER | kprC_NUMBER_INTERVAL, R::explicitSolver},
    {R::BUCKLE, "Buckle", "BUCKLE", 2, R::P | R::FB | R::OPEN, R::afterPerturbation},
    {R::COMPLEX_FREQUENCY, "Complex frequency", "COMPLEX_FREQUENCY", 9,
     R::P | R::FB | R::BASE | R::AMC_BASE | kprC_AFTER_ANY_FREQUENCY, R::afterPerturbation},
    {R::CTD, "Coupled temp-displacement", "COUPLED_TEMP_DISPLACEMENT", 3,
     kprC_COUPLED | R::OUTPUT | kprC_STEP_MESH_DOMAINS | R::OPEN | R::AMC, R::afterCoupled},
    {R::CTE, "Coupled thermal-electric", "COUPLED_THERMAL_ELECTRIC", 4,
     kprC_COUPLED | R::OUTPUT | kprC_NONMECHANICAL | R::OPEN | kprC_ENDS_LOOK_BACK, R::thermal},
    {R::DYN_IMPLICIT, "Dynamic, Implicit", "DYNAMIC_IMPLICIT", 5, kprC_IMPLICIT_MODAL | R::OUTPUT | R::OPEN,
     R::afterDynamic | kprC_ProcedureSet{R::DYN_SUBSPACE}},
    {R::DYN_EXPLICIT, "Dynamic, Explicit", "DYNAMIC_EXPLICIT", 6, R::X | R::INTERVALS | kprC_STEP_MESH_DOMAINS | R::OPEN | R::AMC,
     R::explicitSolver},
    {R::DYN_SUBSPACE, "Dynamic, Subspace", "DYNAMIC_SUBSPACE", 7, R::INTERVALS | kprC_TIME_POINTS | R::F | R::AMC_BASE,
     R::afterDynamic},
    {R::TEMP_DISP, "Dynamic, Temp-disp, Explicit", "DYNAMIC_TEMP_DISPLACEMENT", 8,
     R::X | kprC_COUPLED | R::INTERVALS | kprC_STEP_MESH_DOMAINS | R::OPEN | R::AMC, R::explicitSolver},
    {R::FREQUENCY, "Frequency\\@PROCEDURE_FREQUENCY", "FREQUENCY", 10,
     R::P | R::FB | R::OPEN | kprC_MARKS_FREQUENCY, R::afterFrequency},
    {R::GEOSTATIC, "Geostatic", "GEOSTATIC", 11, R::F | R::OPEN, R::afterSoils},
    {R::HEAT, "Heat transfer", "HEAT_TRANSFER", 12, R::OUTPUT | kprC_NONMECHANICAL | R::OPEN | kprC_ENDS_LOOK_BACK,
     R::thermal},
    {R::MASS_DIFFUSION, "Mass diffusion\\@PROCEDURE_MASS_DIFFUSION", "MASS_DIFFUSION", 13,
     R::OUTPUT | kprC_NONMECHANICAL | R::OPEN | kprC_ENDS_LOOK_BACK, kprC_ProcedureSet{R::MASS_DIFFUSION}},
    {R::MODAL, "Modal dynamics", "MODAL_DYNAMICS", 14,
     R::P | kprC_IMPLICIT_MODAL | R::INTERVALS | kprC_TIME_POINTS | R::F | R::BASE | R::AMC_BASE, R::afterPerturbation},
    {R::RANDOM, "Random response", "RANDOM_RESPONSE", 15, R::P | R::F | R::BASE | R::AMC_BASE, R::afterPerturbation},
    {R::SPECTRUM, "Response spectrum", "RESPONSE_SPECTRUM", 16, R::P | R::F | R::BASE | R::AMC_BASE, R::afterPerturbation},
    {R::SOILS, "Soils", "SOILS", 17, R::OUTPUT | kprC_STEP_LOAD_CASES | kprC_STEP_MESH_DOMAINS | R::OPEN | R::AMC,
     R::afterSoils},
    {R::STATIC, "Static, General", "STATIC_GENERAL", 18, R::OUTPUT | kprC_STEP_MESH_DOMAINS | R::OPEN | R::AMC, R::afterStatic},
    {R::SLP, "Static, Linear perturbation", "STATIC_LINEAR_PERTURBATION", 19,
     R::P | kprC_LOAD_CASE_ALLOWED | R::F | kprC_STEP_LOAD_CASES | R::OPEN, R::afterPerturbation},
    {R::RIKS, "Static, Riks", "STATIC_RIKS", 20, R::F | R::OPEN | kprC_ENDS_LOOK_BACK, {}},
    {R::SS_DIRECT, "Steady-state dynamics, Direct", "STEADY_STATE_DIRECT", 21,
     R::P | kprC_LOAD_CASE_ALLOWED | R::F | kprC_STEP_LOAD_CASES | R::OPEN, R::afterPerturbation},
    {R::SS_MODAL, "Steady-state dynamics, Modal", "STEADY_STATE_MODAL", 23, R::P | R::F | R::BASE | R::AMC_BASE,
     R::afterPerturbation},
    {R::SS_SUBSPACE, "Steady-state dynamics, Subspace", "STEADY_STATE_SUBSPACE", 22,
     R::P | R::F | kprC_STEP_LOAD_CASES, R::afterPerturbation},
    {R::SUBSTRUCTURE, "Substructure generation", nullptr, -1, kprC_NONMECHANICAL, {}},
    {R::USA, "USA added mass generation", "USA_ADDED_MASS_GENERATION", 24, R::OPEN | kprC_NEEDS_USA_PERMISSION,
     R::afterDynamic},
    {R::VISCO, "Visco", "VISCO", 25, R::OUTPUT | R::OPEN, R::afterStatic},
#undef R
    // clang-format on
};
static_assert(std::size(kprC_procedures) == kprC_ProcedureSet::count);

// The row of a code; null for a code that is not a procedure (the Initial step's 1 included).
constexpr kprC_Procedure const* kprC_FindProcedure(unsigned int code) {
    for (auto const& p : kprC_procedures)
        if (p.code == code) return &p;
    return nullptr;
}
// Whether the code is a procedure with the fact; false for anything else.
constexpr bool kprC_ProcedureIs(unsigned int code, std::uint32_t fact) {
    auto const* p = kprC_FindProcedure(code);
    return p && p->Is(fact);
}

// The scripting enumeration of the codes, in scripting order: "NONE" for the Initial
// step, then each procedure with a scripting string by its rank.
constexpr auto kprC_ProcedureScriptEntries() {
    std::array<omu_EnumEntry, kprC_ProcedureSet::count + 1> entries{};
    entries[0] = {"NONE", kprC_INITIAL_STEP_PROCEDURE};
    for (auto const& p : kprC_procedures)
        if (p.script) entries[std::size_t(p.scriptRank)] = {p.script, p.code};
    entries.back() = {nullptr, 0};
    return entries;
}
