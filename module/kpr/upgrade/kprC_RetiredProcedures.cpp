// The table of retired classes, the stored attributes of each version derived from it
// (the replacing step class's own attributes, renamed back and limited by the table's
// ranges) and the converter operations derived from it.
#include "module/kpr/upgrade/kprC_RetiredProcedures.h"

#include <set>

#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/steps/general/kprC_AnnealStep.h"
#include "module/kpr/steps/general/kprC_CoupledTempDisplacementStep.h"
#include "module/kpr/steps/general/kprC_CoupledThermalElectricStep.h"
#include "module/kpr/steps/general/kprC_ExplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_GeostaticStep.h"
#include "module/kpr/steps/general/kprC_HeatTransferStep.h"
#include "module/kpr/steps/general/kprC_ImplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_MassDiffusionStep.h"
#include "module/kpr/steps/general/kprC_SoilsStep.h"
#include "module/kpr/steps/general/kprC_StaticRiksStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/kpr/steps/general/kprC_SubspaceDynamicsStep.h"
#include "module/kpr/steps/general/kprC_TempDisplacementDynamicsStep.h"
#include "module/kpr/steps/general/kprC_ViscoStep.h"
#include "module/kpr/steps/perturbation/kprC_BuckleStep.h"
#include "module/kpr/steps/perturbation/kprC_ComplexFrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_FrequencyStep.h"
#include "module/kpr/steps/perturbation/kprC_ModalDynamicsStep.h"
#include "module/kpr/steps/perturbation/kprC_RandomResponseStep.h"
#include "module/kpr/steps/perturbation/kprC_ResponseSpectrumStep.h"
#include "module/kpr/steps/perturbation/kprC_StaticLinearPerturbationStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateDirectStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateModalStep.h"
#include "module/kpr/steps/perturbation/kprC_SteadyStateSubspaceStep.h"
#include "module/kpr/steps/perturbation/kprC_SubstructureGenerateStep.h"
#include "module/kpr/steps/perturbation/kprC_UsaAddedMassGenerationStep.h"
#include "platform/nex/nex_Exception.h"

namespace kprC_retired {
namespace {
using Renames = std::map<std::string, std::string>;
using R = kprC_StoredRange;
using Ranges = std::vector<R>;
constexpr int never = R::never, today = INT32_MAX;

// The own attributes of a step class, as its metadata registers them.
template <class Step>
std::vector<dbs_Attribute> Own() {
    cls_ClassMetadata md("", Step::TypeId(), Step::ClassVersion(), {});
    Step::Attributes().Register(md);
    return md.Attributes();
}

template <class... Parts>
Ranges Join(Parts const&... parts) {
    Ranges out;
    (out.insert(out.end(), parts.begin(), parts.end()), ...);
    return out;
}

// Renames shared by families of procedures.
Renames const increments = {{"incrementation", "timeIncrementationMethod"},
                            {"numInc", "maxNumInc"},
                            {"initialIncrement", "initialInc"},
                            {"minIncrement", "minInc"},
                            {"maxIncrement", "maxInc"},
                            {"loadAmplitude", "amplitude"},
                            {"extrapolate", "extrapolation"}};
Renames WithEnd(Renames r) {
    r["endSteadyState"] = "end";
    return r;
}
Renames const explicitRenames = {{"incrementation", "timeIncrementationMethod"},
                                 {"fixedIncrement", "userDefinedInc"},
                                 {"scalingFactor", "scaleFactor"},
                                 {"linearBulk", "linearBulkViscosity"},
                                 {"quadBulk", "quadBulkViscosity"}};
Renames const steadyState = {{"frequency", "frequencyRange"},
                             {"subdivideByEigenfrequency", "subdivideUsingEigenfrequencies"}};

// Ranges shared by families: the time period stored from 204 on; the contact iterations
// from 447 on, their solution count an integer until 448; the solution technique and the
// kernel reform of the 851 step classes, never stored by a procedure; the 203 form of the
// stabilization, a single older magnitude, with today's pair from 204 on.
Ranges const timedFrom204 = {{"timePeriod", 204}};
Ranges const contactCounts = {
    {"contactSolutions", 447, 448, cls_TypeInt}, {"contactSolutions", 448}, {"contactIterations", 447}};
Ranges Contact(bool longTerm) {
    Ranges r = Join(contactCounts, Ranges{{"applyContactIterations", 447}});
    if (longTerm) r.push_back({"useLongTermSolution", 447});
    return r;
}
Ranges const technique = {{"solutionTechnique", never}, {"reformKernel", never}};
Ranges const olderStabilization = {{"stabilization", 203, 204, cls_TypeDouble}};
Ranges const stabilizedFrom204 = {{"stabilizationMagnitude", 204}, {"stabilizationMethod", 204}};
Ranges const steadyFrom436 = {{"subdivideByEigenfrequency", 436}};

#define KPRC_ID(c) kprC_##c##_TypeId
#define KPRC_GEN KPRC_ID(GeneralProcedure)
#define KPRC_PERT KPRC_ID(PerturbationProcedure)
#define KPRC_VERSIONS(...) __VA_ARGS__
#define KPRC_RETIRED(old, base, now, versions, renames, as, ...)                                      \
    {"kprC_" #old, KPRC_ID(old), base, "kprC_" #now, KPRC_ID(now), std::vector<int>{KPRC_VERSIONS versions}, \
     renames, as, true, &Own<kprC_##now>, Join(__VA_ARGS__)}
}  // namespace
}  // namespace kprC_retired

std::vector<kprC_RetiredClass> const& kprC_RetiredClasses() {
    using namespace kprC_retired;
    static std::vector<kprC_RetiredClass> const table = {
        // The step objects move first: the procedures become derived parts of their rows.
        {"kprC_DdbStep", KPRC_ID(DdbStep), dbs_NoBaseId, "kprC_Step", KPRC_ID(Step), {203}, {}, 207, false},
        {"kprC_DdbInitialStep", KPRC_ID(DdbInitialStep), KPRC_ID(DdbStep), "kprC_InitialStep", KPRC_ID(InitialStep),
         {203}, {}, today, false},
        {"kprC_DdbAnalysisStep", KPRC_ID(DdbAnalysisStep), KPRC_ID(DdbStep), "kprC_AnalysisStep",
         KPRC_ID(AnalysisStep), {203}, {}, today, false},
        KPRC_RETIRED(Anneal, KPRC_GEN, AnnealStep, (203, 204, 307), {}, today, timedFrom204),
        KPRC_RETIRED(Buckle, KPRC_PERT, BuckleStep, (203, 204), (Renames{{"iterations", "maxIterations"}}), today,
                     timedFrom204),
        // 203 stored the magnitude misspelt, and no method or creep integration.
        KPRC_RETIRED(CoupledTempDisplacement, KPRC_GEN, CoupledTempDisplacementStep, (203, 204, 447, 448),
                     increments, today, olderStabilization, stabilizedFrom204,
                     Ranges{{"stablilizationMagnitude", 203, 204, cls_TypeDouble}, {"creepIntegration", 204},
                            {"solutionTechnique", 447}},
                     contactCounts),
        KPRC_RETIRED(CoupledThermalElectric, KPRC_GEN, CoupledThermalElectricStep, (203, 502), WithEnd(increments),
                     today, Ranges{{"solutionTechnique", 502}}),
        KPRC_RETIRED(ExplicitDynamics, KPRC_GEN, ExplicitDynamicsStep, (203), explicitRenames, today),
        // 203 stored the time period, the normalization and the evaluation frequency as
        // integers; 205 renamed the evaluation frequency and added the interval boundaries.
        KPRC_RETIRED(Frequency, KPRC_PERT, FrequencyStep, (203, 204, 205, 443),
                     (Renames{{"iterations", "maxIterations"},
                              {"propertyEvaluationFreq", "propertyEvaluationFrequency"}}),
                     831,
                     Ranges{{"timePeriod", 203, 204, cls_TypeInt},
                            {"timePeriod", 204},
                            {"normalization", 203, 204, cls_TypeInt},
                            {"normalization", 204},
                            {"propertyEvaluationFrequency", 203, 204, cls_TypeInt},
                            {"propertyEvaluationFrequency", 204, 205, cls_TypeDouble},
                            {"propertyEvaluationFreq", 205},
                            {"intervalBoundaries", 205},
                            {"residualModes", 443},
                            {"substructureCutoffMultiplier", never},
                            {"firstCutoffMultiplier", never},
                            {"secondCutoffMultiplier", never},
                            {"residualModeRegion", never},
                            {"residualModeDof", never},
                            {"limitSavedEigenvectorRegion", never}}),
        KPRC_RETIRED(Geostatic, KPRC_GEN, GeostaticStep, (203, 204, 447, 448), {}, 831, timedFrom204, Contact(false),
                     technique),
        KPRC_RETIRED(HeatTransfer, KPRC_GEN, HeatTransferStep, (203), WithEnd(increments), 831, technique),
        KPRC_RETIRED(ImplicitDynamics, KPRC_GEN, ImplicitDynamicsStep, (203), increments, 831, technique),
        KPRC_RETIRED(MassDiffusion, KPRC_GEN, MassDiffusionStep, (203), WithEnd(increments), today),
        KPRC_RETIRED(ModalDynamics, KPRC_PERT, ModalDynamicsStep, (203, 445),
                     (Renames{{"fixedIncrement", "incSize"}, {"loadAmplitude", "amplitude"}}), today),
        KPRC_RETIRED(RandomResponse, KPRC_PERT, RandomResponseStep, (203, 204, 445), (Renames{{"frequency", "freq"}}),
                     today, timedFrom204),
        KPRC_RETIRED(ResponseSpectrum, KPRC_PERT, ResponseSpectrumStep, (203, 204, 445),
                     (Renames{{"excitation", "comp"}}), today, timedFrom204),
        KPRC_RETIRED(Soils, KPRC_GEN, SoilsStep, (203, 204, 447, 448), WithEnd(increments), 831, olderStabilization,
                     stabilizedFrom204, Contact(false), technique),
        KPRC_RETIRED(Static, KPRC_GEN, StaticStep, (203, 204, 447, 448), increments, 831, olderStabilization,
                     Contact(true), technique),
        // 203 named its region by object id only.
        KPRC_RETIRED(StaticRiks, KPRC_GEN, StaticRiksStep, (203, 204, 447, 448),
                     (Renames{{"incrementation", "timeIncrementationMethod"},
                              {"numInc", "maxNumInc"},
                              {"extrapolate", "extrapolation"}}),
                     today, timedFrom204, Contact(true),
                     Ranges{{"region#OID", 203, 204, cls_TypeInt}, {"region", 204}}),
        KPRC_RETIRED(StaticLinearPerturbation, KPRC_PERT, StaticLinearPerturbationStep, (203, 204), {}, today,
                     timedFrom204),
        KPRC_RETIRED(SteadyStateDirect, KPRC_PERT, SteadyStateDirectStep, (203, 204, 436), steadyState, today,
                     timedFrom204, steadyFrom436),
        KPRC_RETIRED(SteadyStateModal, KPRC_PERT, SteadyStateModalStep, (203, 204, 436, 445), steadyState, today,
                     timedFrom204, steadyFrom436),
        KPRC_RETIRED(SubspaceDynamics, KPRC_GEN, SubspaceDynamicsStep, (203),
                     (Renames{{"fixedIncrement", "incSize"}, {"numInc", "maxNumInc"}, {"loadAmplitude", "amplitude"}}),
                     today),
        KPRC_RETIRED(UsaAddedMassGeneration, KPRC_GEN, UsaAddedMassGenerationStep, (203, 800), {}, today,
                     Ranges{{"nlgeom", 800}, {"timePeriod", 800}}),
        KPRC_RETIRED(Visco, KPRC_GEN, ViscoStep, (203, 204, 447, 448), increments, 831, olderStabilization,
                     stabilizedFrom204, Contact(false), technique),
        KPRC_RETIRED(DynamicTempDisplacement, KPRC_GEN, TempDisplacementDynamicsStep, (203), explicitRenames, today),
        KPRC_RETIRED(SubstructureGenerate, KPRC_ID(Procedure), SubstructureGenerateStep, (203, 403, 417, 420), {},
                     today,
                     Ranges{{"retainedDofsList", 403}, {"retainedEigenmodes", 417}, {"eliminatedDofsList", 420}}),
        // The evaluation frequency arrived with the 881 step class.
        KPRC_RETIRED(ComplexFrequency, KPRC_PERT, ComplexFrequencyStep, (307, 327, 441), {}, 831,
                     Ranges{{"frictionDamping", 327},
                            {"minEigen", 441},
                            {"maxEigen", 441},
                            {"propertyEvaluationFrequency", never}}),
        KPRC_RETIRED(SteadyStateSubspace, KPRC_PERT, SteadyStateSubspaceStep, (445), steadyState, today),
    };
    return table;
}

std::vector<dbs_Attribute> kprC_RetiredClass::StoredAttributes(int version) const {
    std::map<std::string, std::string> storedName;  // today's name -> the stored one
    for (auto const& [from, to] : renames) storedName[to] = from;
    auto inRange = [version](kprC_StoredRange const& r) { return r.since <= version && version < r.until; };
    std::vector<dbs_Attribute> out;
    std::set<std::string> todays;
    for (auto a : today ? today() : std::vector<dbs_Attribute>{}) {
        if (auto it = storedName.find(a.name); it != storedName.end()) a.name = it->second;
        todays.insert(a.name);
        bool named = false, stored = false;
        for (auto const& r : ranges)
            if (r.name == a.name && (named = true, inRange(r))) {
                stored = true;
                if (r.typeCode) a = {-1, a.name, r.typeCode, r.typeIdArg, 0};
            }
        if (stored || !named) out.push_back(std::move(a));
    }
    for (auto const& r : ranges) {
        if (todays.count(r.name)) continue;
        // A name today's class lacks must say how it was stored: a misspelt name fails here.
        if (!r.typeCode) throw nex_TextException(std::string(name) + ": the stored \"" + r.name + "\" has no type");
        if (inRange(r)) out.push_back({-1, r.name, r.typeCode, r.typeIdArg, 0});
    }
    for (std::size_t i = 0; i < out.size(); ++i) out[i].ordinal = int(i);
    return out;
}

dbc_OldClassVersion kprC_RetiredClass::Version(int version) const {
    dbc_OldClassVersion v(name, id, version, baseId);
    for (auto const& a : StoredAttributes(version)) v.Attribute(a.name, a.typeCode, a.typeIdArg, a.collectionKind);
    return v;
}

kprC_RetiredClass const* kprC_FindRetiredClass(std::uint32_t id) {
    for (auto const& c : kprC_RetiredClasses())
        if (c.id == id) return &c;
    return nullptr;
}

void kprC_RetiredClassOperations(dbc_DatabaseConverter& converter) {
    for (auto const& c : kprC_RetiredClasses()) {
        dbc_Move move;
        move.from = c.id;
        move.to = c.newId;
        move.name = c.name;
        move.renames = c.renames;
        move.asVersion = c.asVersion;
        if (c.procedure) {
            move.linkTable = kprC_AnalysisStep_TypeId;
            move.linkAttribute = "procedure";
        }
        converter.MoveRows(std::move(move));
        converter.RenameClass(c.id, c.newName);
    }
    // The procedure bases: read by the step conversions, then gone.
    for (auto id : {kprC_Procedure_TypeId, kprC_GeneralProcedure_TypeId, kprC_PerturbationProcedure_TypeId})
        converter.DeleteClass(id);
}
