// Today's step classes at their older versions. Moved procedure rows are stored
// as version 831 of their new class, so these changes apply to them too.
#include <cfloat>
#include <memory>

#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/upgrade/kprC_RetiredProcedures.h"
#include "module/kpr/upgrade/kprC_UpgradeVersions.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"

namespace kprC_upgrade_classes {
namespace {
using V = dbc_OldClassVersion;
// 881: a property evaluation frequency above 0.0 is kept, any other is unset.
void EvaluationFrequency(dbc_Row &row) {
  auto const &v = row.Get("propertyEvaluationFrequency");
  bool const keep =
      (v.Kind() == dbs_Kind::Double || v.Kind() == dbs_Kind::Integer) &&
      row.GetDouble("propertyEvaluationFrequency") > 0.0;
  row.Set("propertyEvaluationFrequency",
          keep ? row.GetDouble("propertyEvaluationFrequency") : DBL_MAX);
}
} // namespace
} // namespace kprC_upgrade_classes

void kprC_RegisterStepClassVersions(int level) {
  using namespace kprC_upgrade_classes;
  // 831 binds 851: the kernel reform and the solution technique, a stored one
  // kept.
  for (auto [name, id] :
       {std::pair{"kprC_GeostaticStep", kprC_GeostaticStep_TypeId},
        std::pair{"kprC_HeatTransferStep", kprC_HeatTransferStep_TypeId},
        std::pair{"kprC_ImplicitDynamicsStep",
                  kprC_ImplicitDynamicsStep_TypeId},
        std::pair{"kprC_SoilsStep", kprC_SoilsStep_TypeId},
        std::pair{"kprC_StaticStep", kprC_StaticStep_TypeId},
        std::pair{"kprC_ViscoStep", kprC_ViscoStep_TypeId}})
    dbc_OldClassRegistrar::Register(
        V(name, id, 831, kprC_AnalysisStep_TypeId)
            .Add("reformKernel", 8)
            .Add("solutionTechnique", dbs_EnumString{"FULL_NEWTON"}),
        level);
  // 831 binds 881: the property evaluation frequency, a stored one kept when
  // above 0.0.
  dbc_OldClassRegistrar::Register(V("kprC_ComplexFrequencyStep",
                                    kprC_ComplexFrequencyStep_TypeId, 831,
                                    kprC_AnalysisStep_TypeId)
                                      .Convert(EvaluationFrequency),
                                  level);
  // 831 binds 858 (the cutoff multipliers; the residual mode arrays and the
  // region list take the class defaults, empty); 858 binds 881.
  dbc_OldClassRegistrar::Register(V("kprC_FrequencyStep",
                                    kprC_FrequencyStep_TypeId, 831,
                                    kprC_AnalysisStep_TypeId)
                                      .Add("substructureCutoffMultiplier", 5.0)
                                      .Add("firstCutoffMultiplier", 1.6)
                                      .Add("secondCutoffMultiplier", 1.3),
                                  level);
  dbc_OldClassRegistrar::Register(
      V("kprC_FrequencyStep", kprC_FrequencyStep_TypeId, 858,
        kprC_AnalysisStep_TypeId)
          .Attribute("substructureCutoffMultiplier", cls_TypeDouble)
          .Attribute("firstCutoffMultiplier", cls_TypeDouble)
          .Attribute("secondCutoffMultiplier", cls_TypeDouble)
          .Convert(EvaluationFrequency),
      level);
}

void kprC_RegisterUpgrade(int level) {
  kprC_RegisterProcedureVersions(level);
  kprC_RegisterStepObjectVersions(level);
  kprC_RegisterStepClassVersions(level);
  dbc_OldClassRegistrar::RegisterOperations("kprC_RetiredClasses",
                                            kprC_RetiredClassOperations);
}
