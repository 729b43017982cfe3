// Old versions of the solver controls, the output settings and the mass
// scaling. Each version lists what it stored and holds the changes that bring
// its rows to the next version known; the comment on each names the conversion
// it binds (the release number in which the stored layout changed). Every
// conversion that reads a stored array by position checks its length first.
#include "module/kpr/upgrade/kprC_ControlsVersions.h"

#include <memory>

#include "module/kpr/kprC_TypeIds.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "platform/nex/nex_Exception.h"
#include "platform/rgn/rgnC_Region.h"

namespace {

constexpr int kEnum = cls_TypeEnum, kInt = cls_TypeInt,
              kDouble = cls_TypeDouble, kBool = cls_TypeBool;

std::string Where(dbc_Row const &row) {
  return row.Table().className + " row " + std::to_string(row.Index());
}

// The stored double array, or nullopt when the row holds none (it then reads as
// today's default).
std::optional<std::vector<double>> Doubles(dbc_Row const &row,
                                           std::string const &name) {
  auto const &v = row.Get(name);
  if (v.IsUndefined() || v.IsNull())
    return std::nullopt;
  if (v.Kind() != dbs_Kind::DoubleArray)
    throw nex_TextException(Where(row) + ": \"" + name +
                            "\" does not hold an array of numbers");
  return v.AsDoubleArray();
}

// kprC_PrimaryControls: the time incrementation table gained Dp (1.0) at its
// end at 809.
void AppendDp(dbc_Row &row) {
  if (auto t = Doubles(row, "timeIncrementation")) {
    t->push_back(1.0);
    row.Set("timeIncrementation", std::move(*t));
  }
}

// ... and I(T) (50.0) as its 11th entry at 867.
void InsertIT(dbc_Row &row) {
  constexpr std::size_t position = 10;
  if (auto t = Doubles(row, "timeIncrementation")) {
    if (t->size() < position)
      throw nex_TextException(
          Where(row) + ": \"timeIncrementation\" holds " +
          std::to_string(t->size()) +
          " entries, too few to insert its entry at position 10");
    t->insert(t->begin() + std::ptrdiff_t(position), 50.0);
    row.Set("timeIncrementation", std::move(*t));
  }
}

// ... and at 888 the line search defaults changed: a table holding exactly the
// former defaults takes the new ones; any other table is the user's and is
// kept.
void NewLineSearchDefaults(dbc_Row &row) {
  if (auto ls = Doubles(row, "lineSearch");
      ls && *ls == std::vector<double>{0.0, 4.0, 0.25, 0.25, 0.15})
    row.Set("lineSearch", std::vector<double>{0.0, 1.0, 0.0001, 0.25, 0.1});
}

// The stored attributes of kprC_PrimaryControls, the same at every old version:
// only the lengths of its tables changed.
dbc_OldClassVersion PrimaryControls(int version) {
  auto table = [](dbc_OldClassVersion &v, char const *name) {
    v.Attribute(name, cls_TypeObject, cls_ArrayTypeId, cls_ElemDouble);
  };
  dbc_OldClassVersion v("kprC_PrimaryControls", kprC_PrimaryControls_TypeId,
                        version, kprC_Controls_TypeId);
  v.Attribute("discontinuous", kBool);
  for (auto name : {"constraints", "lineSearch", "timeIncrementation"})
    table(v, name);
  return v;
}

} // namespace

void kprC_RegionFromOid(dbc_Row &row) {
  auto const &id = row.Get("region#OID");
  if (id.IsUndefined() || id.IsNull())
    return;
  auto const *regions = row.Database().FindTable(rgnC_Region_TypeId);
  if (id.Kind() != dbs_Kind::Integer || !regions || id.AsInteger() < 0 ||
      std::uint64_t(id.AsInteger()) >= regions->rows.size())
    throw nex_TextException(Where(row) +
                            ": \"region#OID\" names no stored region");
  row.Set("region", dbs_Ref{rgnC_Region_TypeId, id.AsInteger()});
}

void kprC_RegisterControlsVersions(int level) {
  // 203 -> 502: the region by object id becomes the region itself.
  dbc_OldClassRegistrar::Register(
      dbc_OldClassVersion("kprC_MassScaling", kprC_MassScaling_TypeId, 203)
          .Attribute("objective", kEnum)
          .Attribute("occurs", kEnum)
          .Attribute("factor", kDouble)
          .Attribute("dt", kDouble)
          .Attribute("type", kEnum)
          .Attribute("frequency", kInt)
          .Attribute("numberInterval", kInt)
          .Attribute("feedRate", kDouble)
          .Attribute("extrudedLength", kDouble)
          .Attribute("crossSection", kInt)
          .Attribute("direction", kEnum)
          .Attribute("region#OID", kInt)
          .Convert(kprC_RegionFromOid)
          .Drop("region#OID"),
      level);

  // 328 -> 330: the domain count arrived ("numDomains"); rows without one read
  // today's 0.
  dbc_OldClassRegistrar::Register(
      dbc_OldClassVersion("kprC_LinearCtrl", kprC_LinearCtrl_TypeId, 328)
          .Attribute("allowPropagation", kBool)
          .Attribute("resetDefaultValues", kBool)
          .Attribute("relativeTolerance", kDouble)
          .Attribute("maxIterations", kInt),
      level);

  // The conversion table's numbers are the versions each change leads to: a row
  // stored at 867 already holds I(T), so 867 -> 868 changes nothing.
  dbc_OldClassRegistrar::Register(PrimaryControls(302).Convert(AppendDp),
                                  level); // -> 809
  dbc_OldClassRegistrar::Register(PrimaryControls(809).Convert(InsertIT),
                                  level);                       // -> 867
  dbc_OldClassRegistrar::Register(PrimaryControls(867), level); // -> 868
  dbc_OldClassRegistrar::Register(
      PrimaryControls(868).Convert(NewLineSearchDefaults), level); // -> 888

  // 302 -> 506: the adaptive mesh flag.
  dbc_OldClassRegistrar::Register(
      dbc_OldClassVersion("kprC_StandardDiagnosticPrint",
                          kprC_StandardDiagnosticPrint_TypeId, 302,
                          kprC_DiagnosticPrint_TypeId)
          .Attribute("contact", kBool)
          .Attribute("frequency", kInt)
          .Attribute("modelChange", kBool)
          .Attribute("plasticity", kBool)
          .Attribute("residual", kBool)
          .Attribute("solve", kBool)
          .Add("adaptiveMesh", false),
      level);

  // 302 -> 809: restarts by a number of intervals, optionally at exact time
  // marks.
  dbc_OldClassRegistrar::Register(
      dbc_OldClassVersion("kprC_StandardRestart", kprC_StandardRestart_TypeId,
                          302, kprC_Restart_TypeId)
          .Attribute("frequency", kInt)
          .Add("timeMarks", false)
          .Add("numberIntervals", 0),
      level);
}
