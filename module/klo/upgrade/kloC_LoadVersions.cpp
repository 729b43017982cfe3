// Old versions of the loads module. Each version lists what it stored and holds
// the changes that bring its rows to the next version known; the comment on
// each names the conversion it binds (the release in which the stored layout
// changed).
#include "module/klo/upgrade/kloC_LoadVersions.h"

#include <memory>

#include "module/klo/kloC_TypeIds.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/upgrade/kprC_UpgradeVersions.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "platform/gsl/gsl_ModelSegment.h"
#include "platform/nex/nex_Exception.h"
#include "platform/rgn/rgnC_Region.h"

namespace {

// kloC_ShellEdgeLoad 409 -> 414: the load's own "direction" became the
// direction vector of the traction level below it. The stored direction is what
// a load of that version acts along, so it replaces whatever the traction level
// holds; a row without a traction level to keep it in is refused rather than
// losing it.
void DirectionToTraction(dbc_Row &row) {
  auto const &direction = row.Get("direction");
  if (direction.IsUndefined())
    return;
  auto traction = row.BaseRow();
  if (!traction)
    throw nex_TextException(
        row.Table().className + " row " + std::to_string(row.Index()) +
        ": its \"direction\" has no traction part to go to");
  traction->Set("directionVector", direction);
}

} // namespace

void kloC_RegisterLoadVersions(int level) {
  // 203 -> 831: the "procedure" of a record named the retired procedure object
  // of its step. The converter's redirect stage points it at the step row that
  // object moved into (the procedure row becomes the derived part of its step);
  // a record of a step sharing that object with others first names its own step.
  dbc_OldClassRegistrar::Register(
      dbc_OldClassVersion("kloC_StateQuad", kloC_StateQuad_TypeId, 203)
          .Attribute("stepName", cls_TypeString)
          .Attribute("procedure", cls_TypeObject, kprC_Step_TypeId)
          .Attribute("state", cls_TypeObject, kloC_LoadState_TypeId)
          .Attribute("status", cls_TypeEnum)
          .Convert(kprC_PointAtNamedStep),
      level);

  // 203 -> 815: the analytical field name, empty.
  dbc_OldClassRegistrar::Register(
      dbc_OldClassVersion("kloC_Load", kloC_Load_TypeId, 203)
          .Attribute("states", cls_TypeObject, cls_ListTypeId, cls_ElemObject)
          .Attribute("suppress", cls_TypeBool)
          .Attribute("region", cls_TypeObject, rgnC_Region_TypeId)
          .Add("fieldName", ""),
      level);

  // 409 -> 414 (today's, which binds no conversion of its own): the direction
  // moves to the traction level.
  dbc_OldClassRegistrar::Register(
      dbc_OldClassVersion("kloC_ShellEdgeLoad", kloC_ShellEdgeLoad_TypeId, 409,
                          kloC_Traction_TypeId)
          .Attribute("traction", cls_TypeEnum)
          .Attribute("direction", cls_TypeObject, gsl_ModelSegment_TypeId)
          .Convert(DirectionToTraction)
          .Drop("direction"),
      level);
}
