// Solution controls: the defaults of every class, each rule with its message in rule
// order, the field lists each class carries, list lengths, the shared field parameters,
// equality and the stored form.
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
using Controls = StepTest;

std::unique_ptr<kprC_PrimaryControls> Make(std::uint32_t typeId) {
    return std::unique_ptr<kprC_PrimaryControls>(
        dynamic_cast<kprC_PrimaryControls*>(cls_ScriptRegistry::Find(typeId)->create()));
}

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
    cls_ScriptList values(list.begin(), list.end());
    cls_ScriptRegistry::FindAttribute(attributes, name)->set(o, values, name.c_str());
}
List With(List list, std::size_t position, double value) {
    list.at(position - 1) = value;
    return list;
}

// The concrete classes with the field lists each carries, displacementField first.
struct ClassFields {
    std::uint32_t typeId;
    std::vector<std::string> fields;
};
std::vector<ClassFields> const classes = {
    {kprC_TypicalControls_TypeId, {"displacementField", "hydrostaticFluidPressureField", "rotationField"}},
    {kprC_CTDControls_TypeId,
     {"displacementField", "hydrostaticFluidPressureField", "rotationField", "temperatureField"}},
    {kprC_PoreControls_TypeId,
     {"displacementField", "hydrostaticFluidPressureField", "rotationField", "poreFluidPressureField"}},
    {kprC_ElectricalControls_TypeId,
     {"displacementField", "hydrostaticFluidPressureField", "rotationField", "electricalPotentialField"}},
    {kprC_MassDiffusionControls_TypeId, {"concentrationField"}},
    {kprC_HeatTransferControls_TypeId, {"temperatureField"}},
    {kprC_CTEControls_TypeId, {"temperatureField", "electricalPotentialField"}},
};
bool Carries(ClassFields const& c, std::string const& field) {
    return std::ranges::find(c.fields, field) != c.fields.end();
}

std::string const NEGATIVE = "General solution controls data must not be negative.";

TEST_F(Controls, DefaultTablesHoldTheirEntries) {
    EXPECT_EQ(kprC_PrimaryControls::constraintsDef(), (List{1.0e-5, 1.0e-5, 1.0e-5, 0.005, 0.1, 1.0e-5, 1.0e-5}));
    EXPECT_EQ(kprC_PrimaryControls::lineSearchDef(), (List{0.0, 1.0, 0.0001, 0.25, 0.1}));
    List const continuous = kprC_PrimaryControls::timeIncrementationDef(false);
    List const discontinuous = kprC_PrimaryControls::timeIncrementationDef(true);
    ASSERT_EQ(continuous.size(), 28u);
    EXPECT_EQ((List{continuous[0], continuous[1], continuous[9], continuous[10], continuous[26], continuous[27]}),
              (List{4.0, 8.0, 3.0, 50.0, 0.95, 1.0}));
    EXPECT_EQ(With(With(continuous, 1, 8.0), 2, 10.0), discontinuous);
    EXPECT_EQ(kprC_PrimaryControls::fieldDef(false),
              (List{0.005, 0.01, 0.0, 0.0, 0.02, 1.0e-5, 0.001, 1.0e-8, 1.0, 1.0e-5}));
    List extended = kprC_PrimaryControls::fieldDef(false);
    extended.push_back(1.0e-8);
    EXPECT_EQ(kprC_PrimaryControls::fieldDef(true), extended);
}

TEST_F(Controls, EveryClassStartsAtItsDefaultsAndCarriesTheFieldsItsPredicatesName) {
    using Predicate = bool (*)(unsigned int);
    std::vector<std::pair<Predicate, std::string>> const predicates = {
        {kprC_HasDisplacementControls, "displacementField"}, {kprC_HasHydrostaticControls, "hydrostaticFluidPressureField"},
        {kprC_HasRotationControls, "rotationField"},         {kprC_HasTemperatureControls, "temperatureField"},
        {kprC_HasPoreControls, "poreFluidPressureField"},    {kprC_HasConcentrationControls, "concentrationField"},
        {kprC_HasElectricalControls, "electricalPotentialField"},
    };
    for (auto const& c : classes) {
        auto const controls = Make(c.typeId);
        SCOPED_TRACE(cls_ScriptRegistry::Find(c.typeId)->name);
        EXPECT_TRUE(controls->allowPropagation());
        EXPECT_FALSE(controls->resetDefaultValues());
        EXPECT_FALSE(controls->discontinuous());
        EXPECT_EQ(controls->constraints(), kprC_PrimaryControls::constraintsDef());
        EXPECT_EQ(controls->lineSearch(), kprC_PrimaryControls::lineSearchDef());
        EXPECT_EQ(controls->timeIncrementation(), kprC_PrimaryControls::timeIncrementationDef(false));
        for (auto const& f : c.fields) EXPECT_EQ(Get(*controls, f), kprC_PrimaryControls::fieldDef(f == "displacementField")) << f;
        for (auto const& [has, field] : predicates) EXPECT_EQ(has(c.typeId), Carries(c, field)) << field;
        EXPECT_TRUE(controls->HasDefaultValue());
        EXPECT_EQ(RaisedMessage([&] { controls->AssertValid(); }), "");
        EXPECT_EQ(kprC_PrimaryControls::ClassVersion(), 888);
        EXPECT_EQ(cls_ScriptRegistry::Find(c.typeId)->constructorName, "Control");
    }
    kprC_InactiveControls const inactive;
    EXPECT_TRUE(inactive.HasDefaultValue());
    EXPECT_EQ(kprC_InactiveControls::ClassVersion(), 302);
    EXPECT_EQ(kprC_Controls::DefaultEnm::PROPAGATED, kprC_Controls::DefaultEnm(1));
}

// Each rule of the primary controls, and which of two broken rules is reported first.
TEST_F(Controls, PrimaryRulesRefuseInOrderWithTheirMessages) {
    List const t = kprC_PrimaryControls::timeIncrementationDef(false);
    List const ls = kprC_PrimaryControls::lineSearchDef();
    List const c = kprC_PrimaryControls::constraintsDef();
    struct Case {
        char const* what;
        std::function<void(kprC_TypicalControls&)> change;
        std::string message;
    };
    std::vector<Case> const cases = {
        {"both flags on", [](auto& x) { x.resetDefaultValues(true); },
         "AllowPropagation or resetDefaultValues must have a value of Off."},
        {"reset without propagation", [](auto& x) { x.allowPropagation(false), x.resetDefaultValues(true); }, ""},
        {"discontinuous, continuous table", [](auto& x) { x.discontinuous(true); },
         "The first time incrementation parameter, I(O), cannot be changed in a discontinuous analysis."},
        {"discontinuous, I(R) changed", [&](auto& x) { x.discontinuous(true), x.timeIncrementation(With(t, 1, 8.0)); },
         "The second time incrementation parameter, I(R), cannot be changed in a discontinuous analysis."},
        {"discontinuous table", [](auto& x) { x.discontinuous(true), x.timeIncrementation(x.timeIncrementationDef(true)); }, ""},
        {"line search iterations 2.5", [&](auto& x) { x.lineSearch(With(ls, 1, 2.5)); },
         "The first line search parameter, maximum number of zero-finding iterations, must be an integer"},
        {"line search iterations 4", [&](auto& x) { x.lineSearch(With(ls, 1, 4.0)); }, ""},
        {"entry 11 is 50.5", [&](auto& x) { x.timeIncrementation(With(t, 11, 50.5)); },
         "The first ten time incrementation controls must be integers."},
        {"entry 3 is 9.5", [&](auto& x) { x.timeIncrementation(With(t, 3, 9.5)); },
         "The first ten time incrementation controls must be integers."},
        {"entry 12 is 0.3", [&](auto& x) { x.timeIncrementation(With(t, 12, 0.3)); }, ""},
        {"line search iterations -1", [&](auto& x) { x.lineSearch(With(ls, 1, -1.0)); },
         "The first line search parameter, maximum number of zero-finding iterations, must be greater than or equal to zero."},
        {"I(T) 11", [&](auto& x) { x.timeIncrementation(With(t, 10, 11.0)); },
         "The time incrementation parameter, I(T), must not exceed 10."},
        {"I(T) 10", [&](auto& x) { x.timeIncrementation(With(t, 10, 10.0)); }, ""},
        {"stability fraction 1.01", [&](auto& x) { x.timeIncrementation(With(t, 27, 1.01)); },
         "The time incrementation parameter, fraction of stability limit, must not exceed 1.0."},
        {"I(O) 2", [&](auto& x) { x.timeIncrementation(With(t, 1, 2.0)); },
         "The first time incrementation parameter, I(O), must be greater than 2."},
        {"I(O) 3", [&](auto& x) { x.timeIncrementation(With(t, 1, 3.0)); }, ""},
        {"Dp 0.5", [&](auto& x) { x.timeIncrementation(With(t, 28, 0.5)); },
         "The time incrementation parameter Dp must be greater than or equal to 1.0"},
        {"constraint 7 negative", [&](auto& x) { x.constraints(With(c, 7, -1e-9)); }, NEGATIVE},
        {"line search 5 negative", [&](auto& x) { x.lineSearch(With(ls, 5, -0.1)); }, NEGATIVE},
        {"time incrementation 26 negative", [&](auto& x) { x.timeIncrementation(With(t, 26, -0.1)); }, NEGATIVE},
        {"constraint 4 is 0.006", [&](auto& x) { x.constraints(With(c, 4, 0.006)); }, ""},
        // Earlier rules win.
        {"both flags and I(O) 2", [&](auto& x) { x.resetDefaultValues(true), x.timeIncrementation(With(t, 1, 2.0)); },
         "AllowPropagation or resetDefaultValues must have a value of Off."},
        {"I(T) 11 and I(O) 2",
         [&](auto& x) { x.timeIncrementation(With(With(t, 10, 11.0), 1, 2.0)); },
         "The time incrementation parameter, I(T), must not exceed 10."},
        {"negative constraint and Dp 0.5", [&](auto& x) { x.constraints(With(c, 1, -1.0)), x.timeIncrementation(With(t, 28, 0.5)); },
         "The time incrementation parameter Dp must be greater than or equal to 1.0"},
    };
    for (auto const& [what, change, message] : cases) {
        kprC_TypicalControls x;
        change(x);
        EXPECT_EQ(RaisedMessage([&] { x.AssertValid(); }), message) << what;
    }
}

// The field rule on every field list of every class: entries 1 to 7 not negative, then
// the two time average fluxes not both given, each field with its own message.
TEST_F(Controls, FieldRulesRefuseWithTheFieldsMessages) {
    std::map<std::string, std::string> const flux = {
        {"displacementField", "Displacement field"},
        {"hydrostaticFluidPressureField", "Hydrostatic fluid pressure field"},
        {"rotationField", "Rotation field"},
        {"temperatureField", "Temperature field"},
        {"poreFluidPressureField", "Pore fluid pressure field"},
        {"concentrationField", "Concentration field"},
        {"electricalPotentialField", "Electrical potential field"},
    };
    auto const suffix = std::string(" initial and user-defined time average flux cannot both be specified.");
    struct Case {
        char const* what;
        std::function<List(List)> change;
        bool refusedByFlux, refusedAsNegative;
    };
    std::vector<Case> const cases = {
        {"both fluxes 0.5", [](List l) { return With(With(l, 3, 0.5), 4, 0.5); }, true, false},
        {"user-defined flux only", [](List l) { return With(l, 4, 0.5); }, false, false},
        {"initial flux only", [](List l) { return With(l, 3, 0.5); }, false, false},
        {"entry 7 negative", [](List l) { return With(l, 7, -0.001); }, false, true},
        {"entry 8 negative is not checked", [](List l) { return With(l, 8, -1.0); }, false, false},
    };
    for (auto const& c : classes)
        for (auto const& field : c.fields)
            for (auto const& [what, change, byFlux, negative] : cases) {
                auto x = Make(c.typeId);
                Set(*x, field, change(Get(*x, field)));
                std::string const expected = byFlux ? flux.at(field) + suffix : negative ? NEGATIVE : "";
                EXPECT_EQ(RaisedMessage([&] { x->AssertValid(); }), expected)
                    << cls_ScriptRegistry::Find(c.typeId)->name << " " << field << ": " << what;
                EXPECT_FALSE(x->HasDefaultValue());
            }
    // The typical fields: every list's negative entries before any list's fluxes.
    kprC_TypicalControls x;
    x.displacementField(With(With(x.displacementField(), 3, 0.5), 4, 0.5));
    x.rotationField(With(x.rotationField(), 1, -1.0));
    EXPECT_EQ(RaisedMessage([&] { x.AssertValid(); }), NEGATIVE);
    // The base rules before the fields'.
    x.timeIncrementation(With(x.timeIncrementation(), 1, 2.0));
    EXPECT_EQ(RaisedMessage([&] { x.AssertValid(); }),
              "The first time incrementation parameter, I(O), must be greater than 2.");
}

// Every list is refused shorter than its default when set (the object keeps its list),
// and validation refuses short lists that a stored file held, before reading any entry.
TEST_F(Controls, ShortListsAreRefusedWhenSetAndWhenValidated) {
    struct Case {
        std::uint32_t typeId;
        std::string list;
        std::size_t size;
    };
    std::vector<Case> const cases = {
        {kprC_TypicalControls_TypeId, "constraints", 7},
        {kprC_TypicalControls_TypeId, "lineSearch", 5},
        {kprC_TypicalControls_TypeId, "timeIncrementation", 28},
        {kprC_TypicalControls_TypeId, "displacementField", 11},
        {kprC_TypicalControls_TypeId, "rotationField", 10},
        {kprC_PoreControls_TypeId, "poreFluidPressureField", 10},
        {kprC_CTEControls_TypeId, "electricalPotentialField", 10},
        {kprC_MassDiffusionControls_TypeId, "concentrationField", 10},
    };
    for (auto const& [typeId, name, size] : cases) {
        SCOPED_TRACE(name);
        auto x = Make(typeId);
        List const before = Get(*x, name);
        List const shorter(before.begin(), before.end() - 1);
        std::string const message = name + " must hold at least " + std::to_string(size) + " entries; it holds " +
                                    std::to_string(size - 1) + ".";
        EXPECT_EQ(tst_MessageOf<omu_ValueErrorException>([&] { Set(*x, name, shorter); }), message);
        EXPECT_EQ(Get(*x, name), before);
        List longer = before;
        longer.push_back(0.0);
        Set(*x, name, longer);
        EXPECT_EQ(Get(*x, name), longer);

        auto db = Written(*x);
        for (auto& [id, table] : db.Tables())
            if (auto pos = table.Find(name)) table.rows.at(0).fields.at(*pos) = dbs_Value(List{1.0});
        auto const back = cls_ReadVisitor(db).ReadRoot<kprC_PrimaryControls>("step");
        EXPECT_EQ(RaisedMessage([&] { back->AssertValid(); }),
                  name + " must hold at least " + std::to_string(size) + " entries; it holds 1.");
        EXPECT_FALSE(back->HasDefaultValue());
    }
}

// SetGlobalField takes 10 or 11 entries: the 10-entry fields get the first ten, the
// displacement field all eleven (its default 11th entry when ten are given).
TEST_F(Controls, GlobalFieldIsSetFromTenOrElevenEntriesOnly) {
    List const ten{0.1, 0.2, 0.0, 0.0, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
    List eleven = ten;
    eleven.push_back(2.0e-8);
    List tenWithDefault = ten;
    tenWithDefault.push_back(1.0e-8);
    struct Case {
        List given;
        std::string refusal;
        List basic, global;
    };
    std::vector<Case> const cases = {
        {ten, "", ten, tenWithDefault},
        {eleven, "", ten, eleven},
        {List(ten.begin(), ten.begin() + 5), "The global field must hold 10 or 11 entries; it holds 5.", {}, {}},
        {List(9, 0.1), "The global field must hold 10 or 11 entries; it holds 9.", {}, {}},
        {List(12, 0.1), "The global field must hold 10 or 11 entries; it holds 12.", {}, {}},
    };
    for (auto const& c : classes)
        for (auto const& [given, refusal, basic, global] : cases) {
            SCOPED_TRACE(cls_ScriptRegistry::Find(c.typeId)->name + " with " + std::to_string(given.size()));
            auto x = Make(c.typeId);
            auto const before = Make(c.typeId);
            EXPECT_EQ(tst_MessageOf<omu_ValueErrorException>([&] { x->SetGlobalField(given); }), refusal);
            if (!refusal.empty()) {
                EXPECT_TRUE(*x == *before);
                continue;
            }
            for (auto const& f : c.fields) EXPECT_EQ(Get(*x, f), f == "displacementField" ? global : basic) << f;
            EXPECT_TRUE(x->HasGlobalFieldValue());
            EXPECT_EQ(x->BasicGlobalFieldValue(), basic);
            EXPECT_EQ(x->GlobalFieldValue(), c.fields.front() == "displacementField" ? global : tenWithDefault);
            EXPECT_EQ(RaisedMessage([&] { x->AssertValid(); }), "");
        }
}

TEST_F(Controls, GlobalFieldValueNeedsEqualFieldLists) {
    List const field = kprC_PrimaryControls::fieldDef(false);
    for (auto const& c : classes) {
        SCOPED_TRACE(cls_ScriptRegistry::Find(c.typeId)->name);
        auto x = Make(c.typeId);
        EXPECT_EQ(x->BasicGlobalFieldValue(), field);
        EXPECT_EQ(x->GlobalFieldValue(), kprC_PrimaryControls::fieldDef(true));
        // Off the defaults but all fields alike: still one global field.
        x->constraints(With(x->constraints(), 4, 0.006));
        EXPECT_TRUE(x->HasGlobalFieldValue());
        // One field changed: a global field only where it is the only field.
        Set(*x, c.fields.back(), With(field, 1, 0.5));
        bool const single = c.fields.size() == 1;
        EXPECT_EQ(x->HasGlobalFieldValue(), single);
        EXPECT_EQ(x->BasicGlobalFieldValue(), single ? With(field, 1, 0.5) : List{});
        EXPECT_EQ(x->GlobalFieldValue().empty(), !single);
    }
    // The displacement field's last entry does not count.
    kprC_TypicalControls t;
    t.constraints(With(t.constraints(), 4, 0.006));
    t.displacementField(With(t.displacementField(), 11, 5.0));
    EXPECT_TRUE(t.HasGlobalFieldValue());
    EXPECT_EQ(t.GlobalFieldValue(), t.displacementField());
}

// Equality compares the class and every list, both lists of the coupled thermal-electric
// controls included.
TEST_F(Controls, EqualityComparesTheClassAndEveryField) {
    for (auto const& c : classes)
        for (auto const& f : c.fields) {
            auto a = Make(c.typeId);
            auto b = Make(c.typeId);
            EXPECT_TRUE(*a == *b);
            Set(*b, f, With(Get(*b, f), 2, 0.5));
            EXPECT_FALSE(*a == *b) << cls_ScriptRegistry::Find(c.typeId)->name << " " << f;
            std::unique_ptr<kprC_Controls> copy(b->Copy());
            EXPECT_TRUE(*copy == *b);
        }
    kprC_HeatTransferControls const heat;
    kprC_CTEControls const cte;
    EXPECT_FALSE(heat == cte);
    kprC_TypicalControls flagged;
    flagged.discontinuous(true);
    EXPECT_FALSE(flagged == kprC_TypicalControls());
    EXPECT_TRUE(kprC_InactiveControls() == kprC_InactiveControls());
}

TEST_F(Controls, EveryClassReadsBackAsWritten) {
    for (auto const& c : classes) {
        auto x = Make(c.typeId);
        x->allowPropagation(false);
        x->resetDefaultValues(true);
        x->discontinuous(true);
        x->timeIncrementation(kprC_PrimaryControls::timeIncrementationDef(true));
        x->lineSearch(With(x->lineSearch(), 1, 6.0));
        for (std::size_t i = 0; i < c.fields.size(); ++i) Set(*x, c.fields[i], With(Get(*x, c.fields[i]), 5, 0.1 * double(i)));
        auto db = Written(*x);
        // The lists are stored as arrays of doubles.
        auto const& level = db.Tables().at(kprC_PrimaryControls::TypeId());
        EXPECT_EQ(level.rows.at(0).fields.at(*level.Find("timeIncrementation")).Kind(), dbs_Kind::DoubleArray);
        auto const back = cls_ReadVisitor(db).ReadRoot<kprC_PrimaryControls>("step");
        ASSERT_TRUE(back);
        EXPECT_EQ(back->DynTypeId(), c.typeId);
        EXPECT_TRUE(*back == *x) << cls_ScriptRegistry::Find(c.typeId)->name;
    }
    auto db = Written(kprC_InactiveControls());
    EXPECT_EQ(cls_ReadVisitor(db).ReadRoot<kprC_Controls>("step")->DynTypeId(), kprC_InactiveControls::TypeId());
}

}  // namespace solution_controls_test
