// The retired procedure classes at their stored versions, and their stored
// bases. A procedure row was the separate procedure object of an analysis step;
// after these changes it moves into the step class that replaced it
// (kprC_RetiredProcedures).
#include <cfloat>
#include <memory>

#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/upgrade/kprC_UpgradeVersions.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "platform/nex/nex_Exception.h"

namespace kprC_upgrade {
namespace {
constexpr double unset = DBL_MAX;
using V = dbc_OldClassVersion;

// A version of a retired class: `id` names its stored class, `base` its stored
// base.
V Of(char const *name, std::uint32_t id, int version, std::uint32_t base) {
  return V(name, id, version, base);
}

// The attributes the general procedures with increments stored, under their old
// names.
V &Increments(V &v) {
  return v.Attribute("nlgeom", cls_TypeEnum)
      .Attribute("timePeriod", cls_TypeDouble)
      .Attribute("incrementation", cls_TypeEnum)
      .Attribute("numInc", cls_TypeInt)
      .Attribute("initialIncrement", cls_TypeDouble)
      .Attribute("minIncrement", cls_TypeDouble)
      .Attribute("maxIncrement", cls_TypeDouble)
      .Attribute("loadAmplitude", cls_TypeEnum)
      .Attribute("extrapolate", cls_TypeEnum);
}

V WithIncrements(V v) {
  Increments(v);
  return v;
}

bool Given(dbc_Row const &row, char const *name) {
  return row.IsDefined(name) && !(row.Get(name).Kind() == dbs_Kind::Double &&
                                  row.GetDouble(name) >= unset);
}

// The stabilization of the 203 procedures: an older "stabilization" magnitude
// (the unset value counts as not given) switches dissipated-energy
// stabilization on.
void Stabilization(dbc_Row &row, char const *magnitudeName) {
  double magnitude =
      Given(row, magnitudeName) ? row.GetDouble(magnitudeName) : unset;
  std::string method = row.IsDefined("stabilizationMethod")
                           ? row.GetString("stabilizationMethod")
                           : "NONE";
  if (magnitude >= unset && Given(row, "stabilization")) {
    magnitude = row.GetDouble("stabilization");
    method = "DISSIPATED_ENERGY_FRACTION";
  } else if (magnitude < unset && method == "NONE" &&
             std::string(magnitudeName) != "stabilizationMagnitude") {
    method = "DISSIPATED_ENERGY_FRACTION";
  }
  row.Set("stabilizationMagnitude", magnitude);
  row.Set("stabilizationMethod", dbs_EnumString{method});
}

dbs_Value ToDouble(dbs_Value const &v) {
  return v.Kind() == dbs_Kind::Integer ? dbs_Value(double(v.AsInteger())) : v;
}

V &Contact(V &v, bool longTerm) {
  v.Add("contactSolutions", 1)
      .Add("contactIterations", 30)
      .Add("applyContactIterations", false);
  if (longTerm)
    v.Add("useLongTermSolution", false);
  return v;
}
V &ContactAttributes(V &v) {
  return v.Attribute("applyContactIterations", cls_TypeBool)
      .Attribute("contactSolutions", cls_TypeInt)
      .Attribute("contactIterations", cls_TypeInt);
}

} // namespace
} // namespace kprC_upgrade

void kprC_RegisterProcedureVersions(int level) {
  using namespace kprC_upgrade;
  auto const P = kprC_Procedure_TypeId, GEN = kprC_GeneralProcedure_TypeId,
             PERT = kprC_PerturbationProcedure_TypeId;

  // The stored bases. 203 binds "numDomains" added at 323.
  dbc_OldClassRegistrar::Register(Of("kprC_Procedure", P, 203, cls_NoBaseId)
                                      .Attribute("solver", cls_TypeString)
                                      .Add("numDomains", 0),
                                  level);
  dbc_OldClassRegistrar::Register(Of("kprC_Procedure", P, 323, cls_NoBaseId)
                                      .Attribute("solver", cls_TypeString)
                                      .Attribute("numDomains", cls_TypeInt),
                                  level);
  dbc_OldClassRegistrar::Register(Of("kprC_Procedure", P, 326, cls_NoBaseId)
                                      .Attribute("solver", cls_TypeString)
                                      .Attribute("numDomains", cls_TypeInt),
                                  level);
  dbc_OldClassRegistrar::Register(Of("kprC_GeneralProcedure", GEN, 203, P),
                                  level);
  dbc_OldClassRegistrar::Register(
      Of("kprC_PerturbationProcedure", PERT, 203, P), level);

  // General procedures with increments: 203 derives the stabilization where the
  // class had one, 204 binds the contact attributes added at 447, 447 the
  // double contactSolutions of 448.
  struct Stabilized {
    char const *name;
    std::uint32_t id;
    char const *magnitude; // the stored magnitude's name at 203, null for none
    bool longTerm, timePeriod;
  };
  Stabilized const stabilized[] = {
      {"kprC_Static", kprC_Static_TypeId, "stabilizationMagnitude", true,
       false},
      {"kprC_StaticRiks", kprC_StaticRiks_TypeId, nullptr, true, true},
      {"kprC_Geostatic", kprC_Geostatic_TypeId, nullptr, false, true},
      {"kprC_Soils", kprC_Soils_TypeId, "stabilizationMagnitude", false, false},
      {"kprC_Visco", kprC_Visco_TypeId, "stabilizationMagnitude", false, false},
      {"kprC_CoupledTempDisplacement", kprC_CoupledTempDisplacement_TypeId,
       "stablilizationMagnitude", false, false},
  };
  for (auto const &s : stabilized) {
    bool const ctd = s.id == kprC_CoupledTempDisplacement_TypeId;
    V v203 = Of(s.name, s.id, 203, GEN);
    Increments(v203);
    if (s.magnitude)
      v203.Attribute("stabilization", cls_TypeDouble)
          .Attribute(s.magnitude, cls_TypeDouble);
    if (s.magnitude && !ctd)
      v203.Attribute("stabilizationMethod", cls_TypeEnum);
    if (s.timePeriod)
      v203.Add("timePeriod", 0.0);
    if (s.magnitude) {
      std::string const magnitude = s.magnitude;
      v203.Convert(
          [magnitude](dbc_Row &row) { Stabilization(row, magnitude.c_str()); });
      v203.Drop("stabilization");
      if (ctd)
        v203.Drop(s.magnitude);
    }
    dbc_OldClassRegistrar::Register(std::move(v203), level);

    auto later = [&](int version) {
      V v = Of(s.name, s.id, version, GEN);
      Increments(v);
      if (s.magnitude)
        v.Attribute("stabilizationMagnitude", cls_TypeDouble)
            .Attribute("stabilizationMethod", cls_TypeEnum);
      return v;
    };
    V v204 = later(204);
    if (ctd)
      v204.Add("solutionTechnique", dbs_EnumString{"FULL_NEWTON"})
          .Add("contactSolutions", 1)
          .Add("contactIterations", 30);
    else
      Contact(v204, s.longTerm);
    dbc_OldClassRegistrar::Register(std::move(v204), level);
    V v447 = later(447);
    ContactAttributes(v447)
        .ChangeType("contactSolutions", ToDouble)
        .Add("contactSolutions", 1.0);
    dbc_OldClassRegistrar::Register(std::move(v447), level);
    V v448 = later(448);
    ContactAttributes(v448);
    dbc_OldClassRegistrar::Register(std::move(v448), level);
  }

  // Procedures whose 203 rows lack a time period: 203 adds 0.0.
  struct Timed {
    char const *name;
    std::uint32_t id, base;
    std::vector<int> versions;
  };
  Timed const timed[] = {
      {"kprC_Anneal", kprC_Anneal_TypeId, GEN, {203, 204, 307}},
      {"kprC_Buckle", kprC_Buckle_TypeId, PERT, {203, 204}},
      {"kprC_RandomResponse",
       kprC_RandomResponse_TypeId,
       PERT,
       {203, 204, 445}},
      {"kprC_ResponseSpectrum",
       kprC_ResponseSpectrum_TypeId,
       PERT,
       {203, 204, 445}},
      {"kprC_StaticLinearPerturbation",
       kprC_StaticLinearPerturbation_TypeId,
       PERT,
       {203, 204}},
      {"kprC_SteadyStateDirect",
       kprC_SteadyStateDirect_TypeId,
       PERT,
       {203, 204, 436}},
      {"kprC_SteadyStateModal",
       kprC_SteadyStateModal_TypeId,
       PERT,
       {203, 204, 436, 445}},
  };
  for (auto const &t : timed)
    for (int version : t.versions) {
      V v = Of(t.name, t.id, version, t.base);
      bool const steady = t.id == kprC_SteadyStateDirect_TypeId ||
                          t.id == kprC_SteadyStateModal_TypeId;
      if (version == 203)
        v.Add("timePeriod", 0.0);
      else
        v.Attribute("timePeriod", cls_TypeDouble);
      if (t.id == kprC_Buckle_TypeId)
        v.Attribute("iterations", cls_TypeInt);
      if (t.id == kprC_RandomResponse_TypeId || steady)
        v.Attribute("frequency", cls_TypeObject, 0);
      if (t.id == kprC_ResponseSpectrum_TypeId)
        v.Attribute("excitation", cls_TypeEnum);
      if (steady && version >= 436)
        v.Attribute("subdivideByEigenfrequency", cls_TypeBool);
      if (steady && version == 204)
        v.Add("subdivideByEigenfrequency", false);
      dbc_OldClassRegistrar::Register(std::move(v), level);
    }

  // Frequency: 203 gives the oldest form's time period and property evaluation
  // frequency doubles; 204 moves that frequency under its 205 name (read as a
  // double, since 203 may have left one) and starts the interval boundaries;
  // 205 binds the residual modes added at 443.
  auto frequency = [&](int version) {
    return Of("kprC_Frequency", kprC_Frequency_TypeId, version, PERT)
        .Attribute("numEigen", cls_TypeInt)
        .Attribute("iterations", cls_TypeInt)
        .Attribute("timePeriod", cls_TypeDouble)
        .Attribute("normalization", cls_TypeEnum);
  };
  dbc_OldClassRegistrar::Register(
      frequency(203)
          .Attribute("propertyEvaluationFrequency", cls_TypeInt)
          .ChangeType("timePeriod", ToDouble)
          .ChangeType("propertyEvaluationFrequency", ToDouble),
      level);
  dbc_OldClassRegistrar::Register(
      frequency(204)
          .Attribute("propertyEvaluationFrequency", cls_TypeDouble)
          .Convert([](dbc_Row &row) {
            if (row.IsDefined("intervalBoundaries"))
              throw nex_TextException("Upgrade_kprC_Frequency_204::failed");
            if (row.IsDefined("propertyEvaluationFrequency"))
              row.Set("propertyEvaluationFreq",
                      row.GetDouble("propertyEvaluationFrequency"));
            row.Set("intervalBoundaries", std::vector<double>{});
          })
          .Drop("propertyEvaluationFrequency"),
      level);
  for (int version : {205, 443}) {
    V v = frequency(version)
              .Attribute("propertyEvaluationFreq", cls_TypeDouble)
              .Attribute("intervalBoundaries", cls_TypeObject, cls_ListTypeId);
    if (version == 443)
      v.Attribute("residualModes", cls_TypeBool);
    else
      v.Add("residualModes", false);
    dbc_OldClassRegistrar::Register(std::move(v), level);
  }

  // Complex frequency: 307 binds frictionDamping (327); 327 binds minEigen and
  // maxEigen (441), which take the step class's defaults.
  auto complex = [&](int version) {
    return Of("kprC_ComplexFrequency", kprC_ComplexFrequency_TypeId, version,
              PERT)
        .Attribute("numEigen", cls_TypeInt)
        .Attribute("shift", cls_TypeDouble)
        .Attribute("timePeriod", cls_TypeDouble);
  };
  dbc_OldClassRegistrar::Register(complex(307).Add("frictionDamping", false),
                                  level);
  dbc_OldClassRegistrar::Register(
      complex(327).Attribute("frictionDamping", cls_TypeBool), level);
  dbc_OldClassRegistrar::Register(
      complex(441)
          .Attribute("frictionDamping", cls_TypeBool)
          .Attribute("minEigen", cls_TypeDouble)
          .Attribute("maxEigen", cls_TypeDouble),
      level);

  // The other procedures, each with its attributes of the move's renames.
  dbc_OldClassRegistrar::Register(
      WithIncrements((Of("kprC_CoupledThermalElectric",
                         kprC_CoupledThermalElectric_TypeId, 203, GEN)))
          .Attribute("endSteadyState", cls_TypeDouble)
          .Add("solutionTechnique", dbs_EnumString{"FULL_NEWTON"}),
      level);
  dbc_OldClassRegistrar::Register(
      WithIncrements((Of("kprC_CoupledThermalElectric",
                         kprC_CoupledThermalElectric_TypeId, 502, GEN)))
          .Attribute("endSteadyState", cls_TypeDouble)
          .Attribute("solutionTechnique", cls_TypeEnum),
      level);
  for (auto [name, id, end] :
       {std::tuple{"kprC_HeatTransfer", kprC_HeatTransfer_TypeId, true},
        std::tuple{"kprC_MassDiffusion", kprC_MassDiffusion_TypeId, true},
        std::tuple{"kprC_ImplicitDynamics", kprC_ImplicitDynamics_TypeId,
                   false}}) {
    V v = Of(name, id, 203, GEN);
    Increments(v);
    if (end)
      v.Attribute("endSteadyState", cls_TypeDouble);
    dbc_OldClassRegistrar::Register(std::move(v), level);
  }
  for (auto [name, id] :
       {std::pair{"kprC_ExplicitDynamics", kprC_ExplicitDynamics_TypeId},
        std::pair{"kprC_DynamicTempDisplacement",
                  kprC_DynamicTempDisplacement_TypeId}})
    dbc_OldClassRegistrar::Register(
        Of(name, id, 203, GEN)
            .Attribute("timePeriod", cls_TypeDouble)
            .Attribute("incrementation", cls_TypeEnum)
            .Attribute("fixedIncrement", cls_TypeDouble)
            .Attribute("scalingFactor", cls_TypeDouble)
            .Attribute("linearBulk", cls_TypeDouble)
            .Attribute("quadBulk", cls_TypeDouble),
        level);
  for (int version : {203, 445})
    dbc_OldClassRegistrar::Register(
        Of("kprC_ModalDynamics", kprC_ModalDynamics_TypeId, version, PERT)
            .Attribute("timePeriod", cls_TypeDouble)
            .Attribute("fixedIncrement", cls_TypeDouble)
            .Attribute("loadAmplitude", cls_TypeEnum),
        level);
  dbc_OldClassRegistrar::Register(
      Of("kprC_SubspaceDynamics", kprC_SubspaceDynamics_TypeId, 203, GEN)
          .Attribute("timePeriod", cls_TypeDouble)
          .Attribute("fixedIncrement", cls_TypeDouble)
          .Attribute("numInc", cls_TypeInt)
          .Attribute("loadAmplitude", cls_TypeEnum),
      level);
  dbc_OldClassRegistrar::Register(
      Of("kprC_SteadyStateSubspace", kprC_SteadyStateSubspace_TypeId, 445, PERT)
          .Attribute("frequency", cls_TypeObject, 0)
          .Attribute("subdivideByEigenfrequency", cls_TypeBool),
      level);
  // Substructure generation: 203, 403 and 417 bind the lists and arrays added
  // at 403, 417 and 420, which take the step class's defaults (empty).
  for (int version : {203, 403, 417, 420})
    dbc_OldClassRegistrar::Register(Of("kprC_SubstructureGenerate",
                                       kprC_SubstructureGenerate_TypeId,
                                       version, P),
                                    level);
  // USA added mass: 203 binds nlgeom (OFF) and the time period (the class
  // default) of 800.
  dbc_OldClassRegistrar::Register(Of("kprC_UsaAddedMassGeneration",
                                     kprC_UsaAddedMassGeneration_TypeId, 203,
                                     GEN)
                                      .Add("nlgeom", dbs_EnumString{"OFF"}),
                                  level);
  dbc_OldClassRegistrar::Register(Of("kprC_UsaAddedMassGeneration",
                                     kprC_UsaAddedMassGeneration_TypeId, 800,
                                     GEN)
                                      .Attribute("nlgeom", cls_TypeEnum)
                                      .Attribute("timePeriod", cls_TypeDouble),
                                  level);
}
