// The table of retired classes and the converter operations derived from it.
#include "module/kpr/upgrade/kprC_RetiredProcedures.h"

#include <climits>

#include "module/kpr/kprC_TypeIds.h"

namespace {
using Renames = std::map<std::string, std::string>;

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
Renames const steadyState = {
    {"frequency", "frequencyRange"},
    {"subdivideByEigenfrequency", "subdivideUsingEigenfrequencies"}};
constexpr int today = INT32_MAX;

#define KPRC_ID(c) kprC_##c##_TypeId
#define KPRC_GEN KPRC_ID(GeneralProcedure)
#define KPRC_PERT KPRC_ID(PerturbationProcedure)
#define KPRC_RETIRED(old, base, now, last, renames, as)                        \
  {                                                                            \
    "kprC_" #old, KPRC_ID(old), base, "kprC_" #now, KPRC_ID(now), last,        \
        renames, as, true                                                      \
  }
} // namespace

std::vector<kprC_RetiredClass> const &kprC_RetiredClasses() {
  static std::vector<kprC_RetiredClass> const table = {
      // The step objects move first: the procedures become derived parts of
      // their rows.
      {"kprC_DdbStep",
       KPRC_ID(DdbStep),
       dbs_NoBaseId,
       "kprC_Step",
       KPRC_ID(Step),
       203,
       {},
       207,
       false},
      {"kprC_DdbInitialStep",
       KPRC_ID(DdbInitialStep),
       KPRC_ID(DdbStep),
       "kprC_InitialStep",
       KPRC_ID(InitialStep),
       203,
       {},
       today,
       false},
      {"kprC_DdbAnalysisStep",
       KPRC_ID(DdbAnalysisStep),
       KPRC_ID(DdbStep),
       "kprC_AnalysisStep",
       KPRC_ID(AnalysisStep),
       203,
       {},
       today,
       false},
      KPRC_RETIRED(Anneal, KPRC_GEN, AnnealStep, 307, {}, today),
      KPRC_RETIRED(Buckle, KPRC_PERT, BuckleStep, 204,
                   (Renames{{"iterations", "maxIterations"}}), today),
      KPRC_RETIRED(CoupledTempDisplacement, KPRC_GEN,
                   CoupledTempDisplacementStep, 448, increments, today),
      KPRC_RETIRED(CoupledThermalElectric, KPRC_GEN, CoupledThermalElectricStep,
                   502, WithEnd(increments), today),
      KPRC_RETIRED(ExplicitDynamics, KPRC_GEN, ExplicitDynamicsStep, 203,
                   explicitRenames, today),
      KPRC_RETIRED(
          Frequency, KPRC_PERT, FrequencyStep, 443,
          (Renames{{"iterations", "maxIterations"},
                   {"propertyEvaluationFreq", "propertyEvaluationFrequency"}}),
          831),
      KPRC_RETIRED(Geostatic, KPRC_GEN, GeostaticStep, 448, {}, 831),
      KPRC_RETIRED(HeatTransfer, KPRC_GEN, HeatTransferStep, 203,
                   WithEnd(increments), 831),
      KPRC_RETIRED(ImplicitDynamics, KPRC_GEN, ImplicitDynamicsStep, 203,
                   increments, 831),
      KPRC_RETIRED(MassDiffusion, KPRC_GEN, MassDiffusionStep, 203,
                   WithEnd(increments), today),
      KPRC_RETIRED(ModalDynamics, KPRC_PERT, ModalDynamicsStep, 445,
                   (Renames{{"fixedIncrement", "incSize"},
                            {"loadAmplitude", "amplitude"}}),
                   today),
      KPRC_RETIRED(RandomResponse, KPRC_PERT, RandomResponseStep, 445,
                   (Renames{{"frequency", "freq"}}), today),
      KPRC_RETIRED(ResponseSpectrum, KPRC_PERT, ResponseSpectrumStep, 445,
                   (Renames{{"excitation", "comp"}}), today),
      KPRC_RETIRED(Soils, KPRC_GEN, SoilsStep, 448, WithEnd(increments), 831),
      KPRC_RETIRED(Static, KPRC_GEN, StaticStep, 448, increments, 831),
      KPRC_RETIRED(StaticRiks, KPRC_GEN, StaticRiksStep, 448,
                   (Renames{{"incrementation", "timeIncrementationMethod"},
                            {"numInc", "maxNumInc"},
                            {"extrapolate", "extrapolation"}}),
                   today),
      KPRC_RETIRED(StaticLinearPerturbation, KPRC_PERT,
                   StaticLinearPerturbationStep, 204, {}, today),
      KPRC_RETIRED(SteadyStateDirect, KPRC_PERT, SteadyStateDirectStep, 436,
                   steadyState, today),
      KPRC_RETIRED(SteadyStateModal, KPRC_PERT, SteadyStateModalStep, 445,
                   steadyState, today),
      KPRC_RETIRED(SubspaceDynamics, KPRC_GEN, SubspaceDynamicsStep, 203,
                   (Renames{{"fixedIncrement", "incSize"},
                            {"numInc", "maxNumInc"},
                            {"loadAmplitude", "amplitude"}}),
                   today),
      KPRC_RETIRED(UsaAddedMassGeneration, KPRC_GEN, UsaAddedMassGenerationStep,
                   800, {}, today),
      KPRC_RETIRED(Visco, KPRC_GEN, ViscoStep, 448, increments, 831),
      KPRC_RETIRED(DynamicTempDisplacement, KPRC_GEN,
                   TempDisplacementDynamicsStep, 203, explicitRenames, today),
      KPRC_RETIRED(SubstructureGenerate, KPRC_ID(Procedure),
                   SubstructureGenerateStep, 420, {}, today),
      KPRC_RETIRED(ComplexFrequency, KPRC_PERT, ComplexFrequencyStep, 441, {},
                   831),
      KPRC_RETIRED(SteadyStateSubspace, KPRC_PERT, SteadyStateSubspaceStep, 445,
                   steadyState, today),
  };
  return table;
}

kprC_RetiredClass const *kprC_FindRetiredClass(std::uint32_t id) {
  for (auto const &c : kprC_RetiredClasses())
    if (c.id == id)
      return &c;
  return nullptr;
}

void kprC_RetiredClassOperations(dbc_DatabaseConverter &converter) {
  for (auto const &c : kprC_RetiredClasses()) {
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
  for (auto id : {kprC_Procedure_TypeId, kprC_GeneralProcedure_TypeId,
                  kprC_PerturbationProcedure_TypeId})
    converter.DeleteClass(id);
}
