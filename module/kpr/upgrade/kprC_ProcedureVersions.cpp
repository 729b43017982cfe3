// The retired procedure classes at their stored versions, and their stored bases. A
// procedure row was the separate procedure object of an analysis step; after these
// changes it moves into the step class that replaced it. What each version stored comes
// from the table of retired classes (kprC_RetiredProcedures); here are the changes that
// bring a row of one version to the next.
#include <algorithm>
#include <cfloat>
#include <functional>
#include <memory>

#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/upgrade/kprC_ControlsVersions.h"
#include "module/kpr/upgrade/kprC_RetiredProcedures.h"
#include "module/kpr/upgrade/kprC_UpgradeVersions.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "platform/nex/nex_Exception.h"

namespace kprC_upgrade {
namespace {
constexpr double unset = DBL_MAX;
using V = dbc_OldClassVersion;

bool Given(dbc_Row const& row, char const* name) {
    return row.IsDefined(name) && !(row.Get(name).Kind() == dbs_Kind::Double && row.GetDouble(name) >= unset);
}

// The stabilization of the 203 procedures: an older "stabilization" magnitude (the unset
// value counts as not given) switches dissipated-energy stabilization on, and so does the
// misspelt magnitude of the coupled temperature-displacement procedure.
void Stabilization(dbc_Row& row, std::string const& magnitudeName) {
    double magnitude = Given(row, magnitudeName.c_str()) ? row.GetDouble(magnitudeName) : unset;
    std::string method = row.IsDefined("stabilizationMethod") ? row.GetString("stabilizationMethod") : "NONE";
    if (magnitude >= unset && Given(row, "stabilization")) {
        magnitude = row.GetDouble("stabilization");
        method = "DISSIPATED_ENERGY_FRACTION";
    } else if (magnitude < unset && method == "NONE" && magnitudeName != "stabilizationMagnitude") {
        method = "DISSIPATED_ENERGY_FRACTION";
    }
    row.Set("stabilizationMagnitude", magnitude);
    row.Set("stabilizationMethod", dbs_EnumString{method});
}

dbs_Value ToDouble(dbs_Value const& v) { return v.Kind() == dbs_Kind::Integer ? dbs_Value(double(v.AsInteger())) : v; }

// The oldest frequency rows stored the normalization by its position.
void NormalizationByName(dbc_Row& row) {
    auto const& v = row.Get("normalization");
    if (v.Kind() != dbs_Kind::Integer) return;
    static char const* const names[] = {"DISPLACEMENT", "MASS"};
    if (v.AsInteger() < 0 || v.AsInteger() > 1)
        throw nex_TextException(row.Table().className + " row " + std::to_string(row.Index()) +
                                ": \"normalization\" holds " + std::to_string(v.AsInteger()) +
                                ", which names no normalization");
    row.Set("normalization", dbs_EnumString{names[v.AsInteger()]});
}

// Where a 204 frequency row's evaluation frequency goes, and its new interval boundaries.
void IntervalBoundaries(dbc_Row& row) {
    if (row.IsDefined("intervalBoundaries")) throw nex_TextException("Upgrade_kprC_Frequency_204::failed");
    if (row.IsDefined("propertyEvaluationFrequency"))
        row.Set("propertyEvaluationFreq", row.GetDouble("propertyEvaluationFrequency"));
    row.Set("intervalBoundaries", std::vector<double>{});
}

V& Contact(V& v, bool longTerm) {
    v.Add("contactSolutions", 1).Add("contactIterations", 30).Add("applyContactIterations", false);
    if (longTerm) v.Add("useLongTermSolution", false);
    return v;
}

// The changes a version binds, for every class it names. Each version's changes bring its
// rows to the next version the class knows (so "contact counts of 447" are bound by 204).
struct Conversion {
    std::vector<std::uint32_t> classes;
    int version;
    std::function<void(V&)> changes;
};

std::vector<Conversion> const& Conversions() {
    auto const addTime = [](V& v) { v.Add("timePeriod", 0.0); };
    auto const stabilization = [](char const* magnitude) {
        return [magnitude](V& v) {
            std::string const name = magnitude;
            v.Convert([name](dbc_Row& row) { Stabilization(row, name); }).Drop("stabilization");
        };
    };
    auto const contact = [](bool longTerm) { return [longTerm](V& v) { Contact(v, longTerm); }; };
    auto const doubleSolutions = [](V& v) { v.ChangeType("contactSolutions", ToDouble).Add("contactSolutions", 1.0); };
    auto const technique = [](V& v) { v.Add("solutionTechnique", dbs_EnumString{"FULL_NEWTON"}); };
    static std::vector<Conversion> const conversions = {
        {{kprC_Anneal_TypeId, kprC_Buckle_TypeId, kprC_Geostatic_TypeId, kprC_RandomResponse_TypeId,
          kprC_ResponseSpectrum_TypeId, kprC_StaticLinearPerturbation_TypeId, kprC_SteadyStateDirect_TypeId,
          kprC_SteadyStateModal_TypeId, kprC_StaticRiks_TypeId},
         203, addTime},
        {{kprC_StaticRiks_TypeId}, 203, [](V& v) { v.Convert(kprC_RegionFromOid).Drop("region#OID"); }},
        {{kprC_Static_TypeId, kprC_Soils_TypeId, kprC_Visco_TypeId}, 203, stabilization("stabilizationMagnitude")},
        {{kprC_CoupledTempDisplacement_TypeId}, 203,
         [stabilization](V& v) {
             stabilization("stablilizationMagnitude")(v);
             v.Drop("stablilizationMagnitude").Add("creepIntegration", dbs_EnumString{"CREEP_OFF"});
         }},
        {{kprC_CoupledTempDisplacement_TypeId}, 204,
         [technique](V& v) {
             technique(v);
             v.Add("contactSolutions", 1).Add("contactIterations", 30);
         }},
        {{kprC_Geostatic_TypeId, kprC_Soils_TypeId, kprC_Visco_TypeId}, 204, contact(false)},
        {{kprC_Static_TypeId, kprC_StaticRiks_TypeId}, 204, contact(true)},
        {{kprC_CoupledTempDisplacement_TypeId, kprC_Geostatic_TypeId, kprC_Soils_TypeId, kprC_Static_TypeId,
          kprC_StaticRiks_TypeId, kprC_Visco_TypeId},
         447, doubleSolutions},
        {{kprC_CoupledThermalElectric_TypeId}, 203, technique},
        // Frequency: 203 gives the oldest form's numbers their later types; 204 moves the
        // evaluation frequency under its 205 name and starts the interval boundaries; 205
        // binds the residual modes of 443.
        {{kprC_Frequency_TypeId}, 203,
         [](V& v) {
             v.ChangeType("timePeriod", ToDouble)
                 .ChangeType("propertyEvaluationFrequency", ToDouble)
                 .Convert(NormalizationByName);
         }},
        {{kprC_Frequency_TypeId}, 204, [](V& v) { v.Convert(IntervalBoundaries).Drop("propertyEvaluationFrequency"); }},
        {{kprC_Frequency_TypeId}, 205, [](V& v) { v.Add("residualModes", false); }},
        // 327 binds minEigen and maxEigen of 441, which take the step class's defaults.
        {{kprC_ComplexFrequency_TypeId}, 307, [](V& v) { v.Add("frictionDamping", false); }},
        {{kprC_SteadyStateDirect_TypeId, kprC_SteadyStateModal_TypeId}, 204,
         [](V& v) { v.Add("subdivideByEigenfrequency", false); }},
        // The lists and arrays of substructure generation (403, 417, 420) take the step
        // class's defaults, empty.
        {{kprC_UsaAddedMassGeneration_TypeId}, 203,
         [](V& v) { v.Add("nlgeom", dbs_EnumString{"OFF"}).Add("timePeriod", 0.0); }},
    };
    return conversions;
}

}  // namespace
}  // namespace kprC_upgrade

void kprC_RegisterProcedureVersions(int level) {
    using namespace kprC_upgrade;
    auto const P = kprC_Procedure_TypeId;

    // The stored bases. 203 binds "numDomains" added at 323.
    auto procedure = [&](int version) {
        return V("kprC_Procedure", P, version, cls_NoBaseId).Attribute("solver", cls_TypeString);
    };
    dbc_OldClassRegistrar::Register(procedure(203).Add("numDomains", 0), level);
    for (int version : {323, 326})
        dbc_OldClassRegistrar::Register(procedure(version).Attribute("numDomains", cls_TypeInt), level);
    dbc_OldClassRegistrar::Register(V("kprC_GeneralProcedure", kprC_GeneralProcedure_TypeId, 203, P), level);
    dbc_OldClassRegistrar::Register(V("kprC_PerturbationProcedure", kprC_PerturbationProcedure_TypeId, 203, P),
                                    level);

    // Every version of every retired procedure class, with the changes it binds.
    for (auto const& c : kprC_RetiredClasses()) {
        if (!c.today) continue;  // the step objects (kprC_StepObjectVersions)
        for (int version : c.versions) {
            V v = c.Version(version);
            for (auto const& conversion : Conversions())
                if (conversion.version == version && std::ranges::count(conversion.classes, c.id))
                    conversion.changes(v);
            dbc_OldClassRegistrar::Register(std::move(v), level);
        }
    }
}
