// Solution controls: defaults and fields of every class, each rule with its message in
// rule order, list lengths, the shared field parameters, equality and the stored form.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "module/kpr/controls/kprC_FieldControls.h"
#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/steps/general/StepTestSupport.h"
#include "support/tst_Step.h"

namespace solution_controls_test {

using List = kprC_ControlsList;
using P = kprC_PrimaryControls;
using Controls = StepTest;

std::unique_ptr<P> Make(std::uint32_t typeId) {
    return std::unique_ptr<P>(dynamic_cast<P*>(cls_ScriptRegistry::Find(typeId)->create()));
}
std::string Name(std::uint32_t typeId) { return cls_ScriptRegistry::Find(typeId)->name; }
// A list attribute read and set by its scripting name, as scripts do.
List Get(cls_Persistent const& o, std::string const& name) {
    auto const attributes = cls_ScriptRegistry::AttributesOf(o.DynTypeId());
    cls_ScriptValue const value = cls_ScriptRegistry::FindAttribute(attributes, name)->get(o);
    List out;
    for (auto const& e : *value.If<cls_ScriptList>()) out.push_back(*e.If<double>());
    return out;
}
void Set(cls_Persistent& o, std::string const& name, List const& list) {
    auto const attributes = cls_ScriptRegistry::AttributesOf(o.DynTypeId());
    cls_ScriptRegistry::FindAttribute(attributes, name)->set(o, cls_ScriptList(list.begin(), list.end()), name.c_str());
}
List With(List list, std::size_t position, double value) {
    list.at(position - 1) = value;
    return list;
}

// The concrete classes with the field lists each carries, displacementField first.
std::vector<std::pair<std::uint32_t, std::vector<std::string>>> const classes = {
    {kprC_TypicalControls_TypeId, {"displacementField", "hydrostaticFluidPressureField", "rotationField"}},
    {kprC_CTDControls_TypeId, {"displacementField", "hydrostaticFluidPressureField", "rotationField", "temperatureField"}},
    {kprC_PoreControls_TypeId,
     {"displacementField", "hydrostaticFluidPressureField", "rotationField", "poreFluidPressureField"}},
    {kprC_ElectricalControls_TypeId,
     {"displacementField", "hydrostaticFluidPressureField", "rotationField", "electricalPotentialField"}},
    {kprC_MassDiffusionControls_TypeId, {"concentrationField"}},
    {kprC_HeatTransferControls_TypeId, {"temperatureField"}},
    {kprC_CTEControls_TypeId, {"temperatureField", "electricalPotentialField"}},
};
std::string const NEGATIVE = "General solution controls data must not be negative.";

TEST_F(Controls, EveryClassStartsAtTheDefaultTablesAndCarriesTheFieldsItsPredicatesName) {
    List const t = P::timeIncrementationDef(false);
    EXPECT_EQ(P::constraintsDef(), (List{1.0e-5, 1.0e-5, 1.0e-5, 0.005, 0.1, 1.0e-5, 1.0e-5}));
    EXPECT_EQ(P::lineSearchDef(), (List{0.0, 1.0, 0.0001, 0.25, 0.1}));
    ASSERT_EQ(t.size(), 28u);
    EXPECT_EQ((List{t[0], t[1], t[9], t[10], t[11], t[26], t[27]}), (List{4.0, 8.0, 3.0, 50.0, 0.25, 0.95, 1.0}));
    EXPECT_EQ(With(With(t, 1, 8.0), 2, 10.0), P::timeIncrementationDef(true));
    List field{0.005, 0.01, 0.0, 0.0, 0.02, 1.0e-5, 0.001, 1.0e-8, 1.0, 1.0e-5};
    EXPECT_EQ(P::fieldDef(false), field);
    field.push_back(1.0e-8);
    EXPECT_EQ(P::fieldDef(true), field);

    std::map<std::string, bool (*)(unsigned int)> const predicates = {
        {"displacementField", kprC_HasDisplacementControls}, {"hydrostaticFluidPressureField", kprC_HasHydrostaticControls},
        {"rotationField", kprC_HasRotationControls},         {"temperatureField", kprC_HasTemperatureControls},
        {"poreFluidPressureField", kprC_HasPoreControls},    {"concentrationField", kprC_HasConcentrationControls},
        {"electricalPotentialField", kprC_HasElectricalControls},
    };
    for (auto const& [typeId, fields] : classes) {
        SCOPED_TRACE(Name(typeId));
        auto const x = Make(typeId);
        EXPECT_TRUE(x->allowPropagation() && !x->resetDefaultValues() && !x->discontinuous());
        EXPECT_EQ(x->constraints(), P::constraintsDef());
        EXPECT_EQ(x->lineSearch(), P::lineSearchDef());
        EXPECT_EQ(x->timeIncrementation(), t);
        for (auto const& f : fields) EXPECT_EQ(Get(*x, f), P::fieldDef(f == "displacementField")) << f;
        for (auto const& [field, has] : predicates)
            EXPECT_EQ(has(typeId), std::ranges::find(fields, field) != fields.end()) << field;
        EXPECT_TRUE(x->HasDefaultValue());
        EXPECT_EQ(RaisedMessage([&] { x->AssertValid(); }), "");
        EXPECT_EQ(cls_ScriptRegistry::Find(typeId)->constructorName, "Control");
    }
    EXPECT_EQ(P::ClassVersion(), 888);
    EXPECT_EQ(kprC_CTEControls::ClassVersion(), 302);
    EXPECT_TRUE(kprC_InactiveControls().HasDefaultValue());
    EXPECT_EQ(RaisedMessage([] { kprC_InactiveControls().AssertValid(); }),
              "Controls are not available for explicit or perturbation procedures.");
}

// Each rule of the primary controls, and which of two broken rules is reported first.
TEST_F(Controls, PrimaryRulesRefuseInOrderWithTheirMessages) {
    List const t = P::timeIncrementationDef(false), ls = P::lineSearchDef(), c = P::constraintsDef();
    std::string const FLAGS = "AllowPropagation or resetDefaultValues must have a value of Off.",
                      IO_FIXED = "The first time incrementation parameter, I(O), cannot be changed in a discontinuous analysis.",
                      IR_FIXED = "The second time incrementation parameter, I(R), cannot be changed in a discontinuous analysis.",
                      LS_INT = "The first line search parameter, maximum number of zero-finding iterations, must be an integer",
                      TI_INT = "The first ten time incrementation controls must be integers.",
                      LS_NEG = "The first line search parameter, maximum number of zero-finding iterations, must be greater "
                               "than or equal to zero.",
                      IT = "The time incrementation parameter, I(T), must not exceed 10.",
                      STABILITY = "The time incrementation parameter, fraction of stability limit, must not exceed 1.0.",
                      IO = "The first time incrementation parameter, I(O), must be greater than 2.",
                      DP = "The time incrementation parameter Dp must be greater than or equal to 1.0";
    using X = kprC_TypicalControls&;
    std::vector<std::pair<std::function<void(X)>, std::string>> const cases = {
        {[](X x) { x.resetDefaultValues(true); }, FLAGS},
        {[](X x) { x.allowPropagation(false), x.resetDefaultValues(true); }, ""},
        {[](X x) { x.discontinuous(true); }, IO_FIXED},
        {[&](X x) { x.discontinuous(true), x.timeIncrementation(With(t, 1, 8.0)); }, IR_FIXED},
        {[](X x) { x.discontinuous(true), x.timeIncrementation(P::timeIncrementationDef(true)); }, ""},
        {[&](X x) { x.lineSearch(With(ls, 1, 2.5)); }, LS_INT}, {[&](X x) { x.lineSearch(With(ls, 1, 4.0)); }, ""},
        {[&](X x) { x.timeIncrementation(With(t, 11, 50.5)); }, TI_INT},
        {[&](X x) { x.timeIncrementation(With(t, 3, 9.5)); }, TI_INT},
        {[&](X x) { x.timeIncrementation(With(t, 12, 0.3)); }, ""},
        {[&](X x) { x.lineSearch(With(ls, 1, -1.0)); }, LS_NEG},
        {[&](X x) { x.timeIncrementation(With(t, 10, 11.0)); }, IT},
        {[&](X x) { x.timeIncrementation(With(t, 10, 10.0)); }, ""},
        {[&](X x) { x.timeIncrementation(With(t, 27, 1.01)); }, STABILITY},
        {[&](X x) { x.timeIncrementation(With(t, 1, 2.0)); }, IO},
        {[&](X x) { x.timeIncrementation(With(t, 1, 3.0)); }, ""},
        {[&](X x) { x.timeIncrementation(With(t, 28, 0.5)); }, DP},
        {[&](X x) { x.constraints(With(c, 7, -1e-9)); }, NEGATIVE},
        {[&](X x) { x.lineSearch(With(ls, 5, -0.1)); }, NEGATIVE},
        {[&](X x) { x.timeIncrementation(With(t, 26, -0.1)); }, NEGATIVE},
        {[&](X x) { x.constraints(With(c, 4, 0.006)); }, ""},
        // Earlier rules win.
        {[&](X x) { x.resetDefaultValues(true), x.timeIncrementation(With(t, 1, 2.0)); }, FLAGS},
        {[&](X x) { x.timeIncrementation(With(With(t, 10, 11.0), 1, 2.0)); }, IT},
        {[&](X x) { x.constraints(With(c, 1, -1.0)), x.timeIncrementation(With(t, 28, 0.5)); }, DP},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        kprC_TypicalControls x;
        cases[i].first(x);
        EXPECT_EQ(RaisedMessage([&] { x.AssertValid(); }), cases[i].second) << "case " << i;
    }
}

// The field rule on every field of every class, each field with its own flux message.
TEST_F(Controls, FieldRulesRefuseWithTheFieldsMessages) {
    std::map<std::string, std::string> const flux = {
        {"displacementField", "Displacement"}, {"hydrostaticFluidPressureField", "Hydrostatic fluid pressure"},
        {"rotationField", "Rotation"},         {"temperatureField", "Temperature"},
        {"poreFluidPressureField", "Pore fluid pressure"}, {"concentrationField", "Concentration"},
        {"electricalPotentialField", "Electrical potential"},
    };
    // change, refused by the flux rule, refused as negative
    std::vector<std::tuple<std::function<List(List)>, bool, bool>> const cases = {
        {[](List l) { return With(With(l, 3, 0.5), 4, 0.5); }, true, false},
        {[](List l) { return With(l, 4, 0.5); }, false, false}, {[](List l) { return With(l, 3, 0.5); }, false, false},
        {[](List l) { return With(l, 7, -0.001); }, false, true},
        {[](List l) { return With(l, 8, -1.0); }, false, false},  // entries 8 to 10 are not checked
    };
    for (auto const& [typeId, fields] : classes)
        for (auto const& field : fields)
            for (std::size_t i = 0; i < cases.size(); ++i) {
                auto const& [change, byFlux, negative] = cases[i];
                auto x = Make(typeId);
                Set(*x, field, change(Get(*x, field)));
                std::string const expected =
                    byFlux ? flux.at(field) + " field initial and user-defined time average flux cannot both be specified."
                    : negative ? NEGATIVE : "";
                EXPECT_EQ(RaisedMessage([&] { x->AssertValid(); }), expected) << Name(typeId) << " " << field << " " << i;
            }
    // Typical fields: every list's entries before any list's fluxes; the base rules first.
    kprC_TypicalControls x;
    x.displacementField(With(With(x.displacementField(), 3, 0.5), 4, 0.5));
    x.rotationField(With(x.rotationField(), 1, -1.0));
    EXPECT_EQ(RaisedMessage([&] { x.AssertValid(); }), NEGATIVE);
    x.timeIncrementation(With(x.timeIncrementation(), 1, 2.0));
    EXPECT_EQ(RaisedMessage([&] { x.AssertValid(); }), "The first time incrementation parameter, I(O), must be greater than 2.");
}

// A list shorter than its default is refused when set (the object keeps its list), and
// validation refuses one that a stored file held before reading any entry of it.
TEST_F(Controls, ShortListsAreRefusedWhenSetAndWhenValidated) {
    std::vector<std::tuple<std::uint32_t, std::string, std::size_t>> const cases = {
        {kprC_TypicalControls_TypeId, "constraints", 7},       {kprC_TypicalControls_TypeId, "lineSearch", 5},
        {kprC_TypicalControls_TypeId, "timeIncrementation", 28}, {kprC_TypicalControls_TypeId, "displacementField", 11},
        {kprC_TypicalControls_TypeId, "rotationField", 10},    {kprC_PoreControls_TypeId, "poreFluidPressureField", 10},
        {kprC_CTEControls_TypeId, "electricalPotentialField", 10}, {kprC_MassDiffusionControls_TypeId, "concentrationField", 10},
    };
    for (auto const& [typeId, name, size] : cases) {
        SCOPED_TRACE(name);
        auto x = Make(typeId);
        List const before = Get(*x, name);
        auto const message = [&](std::size_t held) {
            return name + " must hold at least " + std::to_string(size) + " entries; it holds " + std::to_string(held) + ".";
        };
        EXPECT_EQ(tst_MessageOf<omu_ValueErrorException>([&] { Set(*x, name, List(before.begin(), before.end() - 1)); }),
                  message(size - 1));
        EXPECT_EQ(Get(*x, name), before);
        auto db = Written(*x);
        for (auto& [id, table] : db.Tables())
            if (auto pos = table.Find(name)) table.rows.at(0).fields.at(*pos) = dbs_Value(List{1.0});
        auto const back = cls_ReadVisitor(db).ReadRoot<P>("step");
        EXPECT_EQ(RaisedMessage([&] { back->AssertValid(); }), message(1));
        EXPECT_FALSE(back->HasDefaultValue());
    }
}

// SetGlobalField takes 10 or 11 entries: the 10-entry fields get the first ten, the
// displacement field all eleven (its default 11th entry when ten are given); a global
// value exists while every field list holds the same values.
TEST_F(Controls, GlobalFieldIsSetFromTenOrElevenEntriesAndReadWhileTheFieldsAgree) {
    List const ten{0.1, 0.2, 0.0, 0.0, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
    List eleven = ten, tenExtended = ten;
    eleven.push_back(2.0e-8);
    tenExtended.push_back(1.0e-8);
    std::vector<std::tuple<List, std::string, List>> const cases = {
        {ten, "", tenExtended}, {eleven, "", eleven},
        {List(5, 0.1), "The global field must hold 10 or 11 entries; it holds 5.", {}},
        {List(9, 0.1), "The global field must hold 10 or 11 entries; it holds 9.", {}},
        {List(12, 0.1), "The global field must hold 10 or 11 entries; it holds 12.", {}},
    };
    for (auto const& [typeId, fields] : classes) {
        bool const typical = fields.front() == "displacementField";
        for (auto const& [given, refusal, global] : cases) {
            SCOPED_TRACE(Name(typeId) + " with " + std::to_string(given.size()));
            auto x = Make(typeId);
            EXPECT_EQ(tst_MessageOf<omu_ValueErrorException>([&] { x->SetGlobalField(given); }), refusal);
            if (!refusal.empty()) {
                EXPECT_TRUE(*x == *Make(typeId));
                continue;
            }
            for (auto const& f : fields) EXPECT_EQ(Get(*x, f), f == "displacementField" ? global : ten) << f;
            EXPECT_TRUE(x->HasGlobalFieldValue());
            EXPECT_EQ(x->BasicGlobalFieldValue(), ten);
            EXPECT_EQ(x->GlobalFieldValue(), typical ? global : tenExtended);
            // One field changed: a global value only where it is the only field.
            Set(*x, fields.back(), With(ten, 1, 0.5));
            bool const single = fields.size() == 1;
            EXPECT_EQ(x->HasGlobalFieldValue(), single);
            EXPECT_EQ(x->BasicGlobalFieldValue(), single ? With(ten, 1, 0.5) : List{});
            EXPECT_EQ(x->GlobalFieldValue().size(), single ? 11u : 0u);
        }
    }
    // The displacement field's last entry does not count.
    kprC_TypicalControls t;
    t.displacementField(With(t.displacementField(), 11, 5.0));
    EXPECT_FALSE(t.HasDefaultValue());
    EXPECT_TRUE(t.HasGlobalFieldValue());
    EXPECT_EQ(t.GlobalFieldValue(), t.displacementField());
}

// Equality compares the class and every list (both of the coupled thermal-electric
// controls); every class reads back equal to what was written.
TEST_F(Controls, EqualityComparesEveryFieldAndEveryClassReadsBackAsWritten) {
    for (auto const& [typeId, fields] : classes) {
        SCOPED_TRACE(Name(typeId));
        for (auto const& f : fields) {
            auto a = Make(typeId), b = Make(typeId);
            EXPECT_TRUE(*a == *b);
            Set(*b, f, With(Get(*b, f), 2, 0.5));
            EXPECT_FALSE(*a == *b) << f;
            EXPECT_TRUE(*std::unique_ptr<kprC_Controls>(b->Copy()) == *b);
        }
        auto x = Make(typeId);
        x->allowPropagation(false), x->resetDefaultValues(true), x->discontinuous(true);
        x->timeIncrementation(P::timeIncrementationDef(true));
        for (std::size_t i = 0; i < fields.size(); ++i) Set(*x, fields[i], With(Get(*x, fields[i]), 5, 0.1 * double(i)));
        auto db = Written(*x);
        auto const& level = db.Tables().at(P::TypeId());
        EXPECT_EQ(level.rows.at(0).fields.at(*level.Find("timeIncrementation")).Kind(), dbs_Kind::DoubleArray);
        auto const back = cls_ReadVisitor(db).ReadRoot<P>("step");
        EXPECT_TRUE(back && back->DynTypeId() == typeId && *back == *x);
    }
    EXPECT_FALSE(kprC_HeatTransferControls() == kprC_CTEControls());
    auto db = Written(kprC_InactiveControls());
    EXPECT_EQ(cls_ReadVisitor(db).ReadRoot<kprC_Controls>("step")->DynTypeId(), kprC_InactiveControls::TypeId());
}

}  // namespace solution_controls_test
