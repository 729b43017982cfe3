// The step objects at their stored versions: the step objects of the oldest
// releases (kprC_DdbStep, ...), the analysis step while it still referred to a
// separate procedure object, the flat step container, its wrapper and the step
// pairs.
#include <cfloat>
#include <memory>
#include <optional>

#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/upgrade/kprC_UpgradeVersions.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"

namespace kprC_upgrade_steps {
namespace {
using V = dbc_OldClassVersion;
// The kprC_Procedure row of a procedure: down its chain of stored base parts.
dbc_Row const *ProcedureBase(dbc_Row &procedure,
                             std::optional<dbc_Row> &holder) {
  holder = procedure;
  for (int depth = 0; depth < 4; ++depth) {
    if (holder->Table().classId == kprC_Procedure_TypeId)
      return &*holder;
    if (holder->Base() < 0)
      return nullptr;
    holder = holder->RowOf({holder->Table().baseId, holder->Base()});
  }
  return nullptr;
}

// What an analysis step takes from its procedure before the procedure moves:
// the matrix solver from the procedure's solver (same names), and the
// procedure's numDomains into the step's linear solver controls (new controls
// of defaults when the step has none and the value is not the default). An
// absent convertSDI takes the class default.
void FromProcedure(dbc_Row &step) {
  if (!step.IsDefined("convertSDI"))
    step.Set("convertSDI", dbs_EnumString{"PROPAGATED"});
  auto const &ref = step.Get("procedure");
  if (ref.Kind() != dbs_Kind::Reference)
    return;
  dbc_Row procedure = step.RowOf(ref.AsRef());
  std::optional<dbc_Row> holder;
  auto const *base = ProcedureBase(procedure, holder);
  if (!base)
    return;
  if (base->IsDefined("solver") && !step.IsDefined("matrixSolver") &&
      !base->GetString("solver").empty())
    step.Set("matrixSolver", dbs_EnumString{base->GetString("solver")});
  if (!base->IsDefined("numDomains"))
    return;
  auto const domains = base->GetInt("numDomains");
  auto const &ctrl = step.Get("linearCtrl");
  if (ctrl.Kind() == dbs_Kind::Reference) {
    step.RowOf(ctrl.AsRef()).Set("numDomains", domains);
  } else if (domains != 0) {
    auto controls = step.NewRow(kprC_LinearCtrl_TypeId, "kprC_LinearCtrl");
    controls.Set("numDomains", domains);
    step.Set("linearCtrl", dbs_Ref{kprC_LinearCtrl_TypeId, controls.Index()});
  }
}

V &StepParts(V &v) {
  return v.Attribute("procedure", cls_TypeObject, kprC_Procedure_TypeId)
      .Attribute("restart", cls_TypeObject, kprC_Restart_TypeId)
      .Attribute("monitor", cls_TypeObject, kprC_Monitor_TypeId)
      .Attribute("diagnosticPrint", cls_TypeObject, kprC_DiagnosticPrint_TypeId)
      .Attribute("contactControls", cls_TypeObject, cls_ListTypeId, 1)
      .Attribute("lcc", cls_TypeObject, cls_MapTypeId, 2)
      .Attribute("amd", cls_TypeObject, cls_MapTypeId, 2)
      .Attribute("controls", cls_TypeObject, kprC_Controls_TypeId);
}

// The flat container of 800 gains its repository base part: names to ids in
// history order, ids to steps, the last id given.
void Repository(dbc_Row &container) {
  dbs_Map nameToId, idToObj;
  std::int64_t last = 0;
  auto const &steps = container.Get("steps");
  auto const &order = container.Get("order");
  if (steps.Kind() == dbs_Kind::Map && order.Kind() == dbs_Kind::List)
    for (auto const &name : order.AsList())
      for (auto const &[key, step] : steps.AsMap())
        if (key == name) {
          nameToId.emplace_back(name, dbs_Value(++last));
          idToObj.emplace_back(dbs_Value(last), step);
        }
  auto repository = container.NewRow(kprC_StepRepositoryBase_TypeId,
                                     "kprC_StepRepositoryBase", INT32_MAX,
                                     mdl_Repository_TypeId);
  repository.Set("nameToID", nameToId);
  repository.Set("IDToObj", idToObj);
  repository.Set("lastID", last);
  repository.SetBase(
      repository.NewRow(mdl_Repository_TypeId, "mdl_Repository").Index());
  container.SetBase(repository.Index());
}
} // namespace
} // namespace kprC_upgrade_steps

void kprC_PointAtNamedStep(dbc_Row &row) {
  auto const &procedure = row.Get("procedure");
  auto const &name = row.Get("stepName");
  if (procedure.Kind() != dbs_Kind::Reference ||
      name.Kind() != dbs_Kind::String)
    return;
  auto const &db = row.Database();
  auto const *container = db.FindTable(kprC_StepContainer_TypeId);
  auto const steps = container ? container->Find("steps") : std::nullopt;
  if (!steps)
    return;
  for (auto const &c : container->rows) {
    if (c.fields[*steps].Kind() != dbs_Kind::Map)
      continue;
    for (auto const &[key, step] : c.fields[*steps].AsMap()) {
      if (!(key == name) || step.Kind() != dbs_Kind::Reference)
        continue;
      auto const ref = step.AsRef();
      auto const *table = db.FindTable(ref.classId);
      auto const at = table ? table->Find("procedure") : std::nullopt;
      if (at && ref.oid >= 0 && std::uint64_t(ref.oid) < table->rows.size() &&
          table->rows[std::size_t(ref.oid)].fields[*at] == procedure)
        row.Set("procedure", step);
      return;
    }
  }
}

void kprC_RegisterStepObjectVersions(int level) {
  using namespace kprC_upgrade_steps;
  // The oldest step objects, moved into kprC_Step, kprC_InitialStep,
  // kprC_AnalysisStep.
  dbc_OldClassRegistrar::Register(V("kprC_DdbStep", kprC_DdbStep_TypeId, 203)
                                      .Attribute("description", cls_TypeString),
                                  level);
  dbc_OldClassRegistrar::Register(V("kprC_DdbInitialStep",
                                    kprC_DdbInitialStep_TypeId, 203,
                                    kprC_DdbStep_TypeId),
                                  level);
  V ddb("kprC_DdbAnalysisStep", kprC_DdbAnalysisStep_TypeId, 203,
        kprC_DdbStep_TypeId);
  dbc_OldClassRegistrar::Register(StepParts(ddb).Convert(FromProcedure), level);

  // kprC_Step 207 binds the step id of 409: numbered per converted model in row
  // order.
  dbc_OldClassRegistrar::Register(V("kprC_Step", kprC_Step_TypeId, 207)
                                      .Attribute("solverInput", cls_TypeString)
                                      .Attribute("description", cls_TypeString)
                                      .Convert([](dbc_Row &row) {
                                        if (!row.IsDefined("stepId"))
                                          row.Set("stepId",
                                                  row.NextCount("stepId"));
                                      }),
                                  level);
  // kprC_AnalysisStep 302 binds the maps of 328 (stored alike here); 328 binds
  // 831: the step takes what it needs from its procedure before the procedure
  // moves.
  V a302("kprC_AnalysisStep", kprC_AnalysisStep_TypeId, 302, kprC_Step_TypeId);
  dbc_OldClassRegistrar::Register(std::move(StepParts(a302)), level);
  V a328("kprC_AnalysisStep", kprC_AnalysisStep_TypeId, 328, kprC_Step_TypeId);
  dbc_OldClassRegistrar::Register(
      StepParts(a328)
          .Attribute("linearCtrl", cls_TypeObject, kprC_LinearCtrl_TypeId)
          .Convert(FromProcedure),
      level);

  // The flat container (by name only) of 203, named "order" at 800; 800 binds
  // the repository base part of 831.
  dbc_OldClassRegistrar::Register(
      V("kprC_StepContainer", kprC_StepContainer_TypeId, 203)
          .Attribute("steps", cls_TypeObject, cls_MapTypeId, 2)
          .Attribute("stepsorder", cls_TypeObject, cls_ListTypeId,
                     cls_ElemString)
          .Rename("stepsorder", "order"),
      level);
  dbc_OldClassRegistrar::Register(
      V("kprC_StepContainer", kprC_StepContainer_TypeId, 800)
          .Attribute("steps", cls_TypeObject, cls_MapTypeId, 2)
          .Attribute("order", cls_TypeObject, cls_ListTypeId, cls_ElemString)
          .Convert(Repository),
      1);
  // The wrapper of 401 named its container "steps"; 401 binds the 831 form.
  dbc_OldClassRegistrar::Register(
      V("kprC_SCWrapper", kprC_SCWrapper_TypeId, 401)
          .Attribute("steps", cls_TypeObject, kprC_StepContainer_TypeId)
          .Rename("steps", "extension"),
      level);
  // The pair of 203 named the step's procedure object; the move of the
  // procedures redirects it to the step (831).
  dbc_OldClassRegistrar::Register(
      V("kprC_StepNameProcedurePair", kprC_StepNameProcedurePair_TypeId, 203)
          .Attribute("stepName", cls_TypeString)
          .Attribute("procedure", cls_TypeObject, kprC_Procedure_TypeId)
          .Convert(kprC_PointAtNamedStep),
      level);
}
