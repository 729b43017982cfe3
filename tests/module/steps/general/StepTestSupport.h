#pragma once
// Shared pieces of the step tests: the module fixture, the message of a refusal, stored
// rows looked up by attribute name, a filler that moves every attribute of a class level
// away from its value, and the checks every step class goes through (stored initial
// values, registration, answers, rules in order, round trips).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "module/klo/kloC_Module.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_Script.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/dbs/dbs_Table.h"
#include "platform/nex/nex_Exception.h"
#include "platform/rgn/rgnC_Region.h"
#include "support/tst_Message.h"

class StepTest : public ::testing::Test {
protected:
    void SetUp() override { kloC_initialize(modules); }
    void TearDown() override { kloC_finalize(modules); }
    int modules = 0;
};

// The message `action` raises as nex_TextException, or "" when it raises nothing.
template <class Action>
std::string RaisedMessage(Action&& action) {
    return tst_MessageOf<nex_TextException>(std::forward<Action>(action));
}

// The database holding one object written as the root "step".
inline dbs_Database Written(cls_Persistent const& object) {
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("step", object);
    return db;
}

// The stored value of `name` in row `oid` of the table of `classId`.
inline dbs_Value& Field(dbs_Database& db, std::uint32_t classId, std::string const& name, std::int64_t oid = 0) {
    auto& table = db.Tables().at(classId);
    auto pos = table.Find(name);
    if (!pos) throw std::runtime_error(table.className + " stores no " + name);
    return table.rows.at(oid).fields.at(*pos);
}

template <class E>
std::string Text(E value) {
    return omu_PrimEnum<E, 1>::StringOf(value);
}

using StepMaker = std::function<std::unique_ptr<kprC_AnalysisStep>()>;
using StepChange = std::function<void(kprC_AnalysisStep&)>;

// A change written against the concrete class.
template <class C>
StepChange On(std::function<void(C&)> f) {
    return [f](kprC_AnalysisStep& s) { f(dynamic_cast<C&>(s)); };
}

inline StepChange Solve(kprC_Step::MatrixSolverEnm solver) {
    return [solver](kprC_AnalysisStep& s) { s.matrixSolver(solver); };
}

// Makes a C and gives it `f`.
template <class C>
StepMaker Valid(std::function<void(C&)> f = {}) {
    return [f] {
        auto s = std::make_unique<C>();
        if (f) f(*s);
        return std::unique_ptr<kprC_AnalysisStep>(std::move(s));
    };
}

// One state of a step: made valid, then changed (no change: the valid state itself),
// and the message its validation raises ("" when it passes).
struct StepRule {
    StepMaker make;
    StepChange change;
    std::string message;
};

// Every row raises its message, and validating leaves the stored form as it was. A state
// holding an enumeration value outside its table cannot be stored; such a step is only validated.
inline void ExpectRules(std::vector<StepRule> const& rules) {
    for (std::size_t i = 0; i < rules.size(); ++i) {
        auto step = rules[i].make();
        SCOPED_TRACE("row " + std::to_string(i) + " " + cls_TableName(step->DynTypeId()));
        if (rules[i].change) rules[i].change(*step);
        std::optional<dbs_Database> before;
        try {
            before = Written(*step);
        } catch (omu_ValueErrorException const&) {
        }
        EXPECT_EQ(RaisedMessage([&] { step->AssertValid(); }), rules[i].message);
        if (before) EXPECT_TRUE(Written(*step) == *before);
    }
}

// The attribute names a class registers, in registered order.
inline std::vector<std::string> RegisteredNames(std::uint32_t typeId) {
    std::vector<std::string> names;
    if (auto const* md = cls_MetadataRegistrar::Find(typeId))
        for (auto const& a : md->Attributes()) names.push_back(a.name);
    return names;
}

// A step class is registered under its name and version, below the analysis step,
// with its attributes in `schema` order.
inline void ExpectRegistered(std::uint32_t typeId, std::string const& name, int version,
                             std::vector<std::string> const& schema) {
    auto const* md = cls_MetadataRegistrar::Find(typeId);
    ASSERT_TRUE(md) << name;
    EXPECT_EQ(md->Name(), name);
    EXPECT_EQ(md->Version(), version);
    EXPECT_EQ(md->BaseId(), kprC_AnalysisStep::TypeId());
    EXPECT_EQ(RegisteredNames(typeId), schema);
}

inline void FillLevel(cls_Persistent& object, std::uint32_t typeId, int depth = 0);

// Another value than `now` of an attribute of `type`: a boolean negated, a number moved
// (an unset one made 2), another permitted string, a list of filled entries, a new
// filled object.
inline cls_ScriptValue OtherValue(cls_ScriptType const& type, cls_ScriptValue const& now, int depth) {
    auto object = [&](std::uint32_t id) -> cls_ScriptValue {
        auto const* c = cls_ScriptRegistry::Find(id);
        if (!c || !c->create) return now;
        std::shared_ptr<cls_Persistent> o(c->create());
        if (depth < 3) FillLevel(*o, id, depth + 1);
        return cls_ScriptObject(o);
    };
    switch (type.kind) {
        case cls_ScriptKind::Bool: return !*now.If<bool>();
        case cls_ScriptKind::Int: {
            auto const* i = now.If<std::int64_t>();
            return i && *i < 1000000 ? *i + 3 : 7;
        }
        case cls_ScriptKind::Double: {
            auto const* d = now.If<double>();
            return d && std::abs(*d) < 1e15 ? *d + 1.5 : 2.0;
        }
        case cls_ScriptKind::String: return *now.If<std::string>() + "x";
        case cls_ScriptKind::Enum: {
            // The next permitted string that stands for a value (not NOT_APPLICABLE and the like).
            auto const& p = type.permitted;
            auto const at = std::find(p.begin(), p.end(), *now.If<std::string>()) - p.begin();
            for (std::size_t i = 1; i < p.size(); ++i)
                if (auto const& next = p[(at + i) % p.size()]; next.rfind("NOT_", 0) != 0) return next;
            return p[(at + 1) % p.size()];
        }
        case cls_ScriptKind::Object: return object(type.objectTypeId);
        case cls_ScriptKind::Table: return cls_ScriptList{cls_ScriptList{1.0, 2.0}};
        case cls_ScriptKind::List: break;
    }
    switch (type.element) {
        case cls_ScriptKind::Object: return cls_ScriptList{object(type.objectTypeId)};
        case cls_ScriptKind::Double: return cls_ScriptList{2.0, 3.5};
        case cls_ScriptKind::Int: return cls_ScriptList{1, 3};
        case cls_ScriptKind::Bool: return cls_ScriptList{true};
        default: return cls_ScriptList{"Set-A", "Set-B"};
    }
}

// Gives every attribute of the class level `typeId` that scripts set another value.
inline void FillLevel(cls_Persistent& object, std::uint32_t typeId, int depth) {
    for (auto const& a : cls_ScriptRegistry::Find(typeId)->attributes)
        if (!a.type.derived) a.set(object, OtherValue(a.type, a.get(object), depth), a.script.c_str());
}

inline std::vector<std::string> Split(std::string const& text, char separator = ' ') {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        part.erase(0, part.find_first_not_of(' '));
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

// A stored initial value as the tables below write it: UNSET and UNSET_INT the largest
// double and int, null an absent object, [] an empty list, [f] [i] [s] empty arrays of
// floats, integers and strings, '' the empty string, upper-case words enumeration strings.
inline dbs_Value StoredValue(std::string const& value) {
    if (value == "UNSET") return std::numeric_limits<double>::max();
    if (value == "UNSET_INT") return std::numeric_limits<int>::max();
    if (value == "null") return dbs_Null{};
    if (value == "[]") return dbs_List{};
    if (value == "[f]") return std::vector<double>{};
    if (value == "[i]") return std::vector<std::int64_t>{};
    if (value == "[s]") return std::vector<std::string>{};
    if (value == "true" || value == "false") return value == "true";
    if (value == "''") return "";
    if (std::isupper(static_cast<unsigned char>(value[0]))) return dbs_EnumString{value};
    if (value.find_first_of(".e") != std::string::npos) return std::stod(value);
    return std::stoi(value);
}

// One step class as the tests see it. `defaults` lists every own stored attribute with
// its initial value in stored order ("name=value", REGION for an empty region); `order`
// the registered attributes when not in stored order; `scripts` those whose scripting
// name is not their stored name ("stored=script"). `flags` are the answers: L load cases,
// D adaptive mesh domains, N nonmechanical, X explicit, P perturbation, a adiabatic once
// filled, s not created by scripts. `answers` give the response, nlgeom and solution
// technique, "initial>filled" where filling changes them.
struct StepClass {
    char const* name;  // the scripting constructor, the class without its "kprC_"
    std::uint32_t id;
    int version;
    char const* solver;
    char const* defaults;
    char const* order;
    char const* scripts;
    char const* flags;
    char const* answers;
};

inline std::unique_ptr<kprC_AnalysisStep> Make(std::uint32_t id) {
    return std::unique_ptr<kprC_AnalysisStep>(dynamic_cast<kprC_AnalysisStep*>(cls_ScriptRegistry::Find(id)->create()));
}

// The initial stored form, the registration and the answers of a new step, its answers
// once FillLevel has moved its own attributes, and a round trip with every level changed.
inline void ExpectStepClass(StepClass const& c) {
    SCOPED_TRACE(c.name);
    auto const* script = cls_ScriptRegistry::Find(c.id);
    ASSERT_TRUE(script && script->create);
    std::string const flags = c.flags;
    auto const has = [&](char f) { return flags.find(f) != std::string::npos; };
    EXPECT_EQ(script->constructorName, has('s') ? "" : c.name);
    std::string renamed;
    for (auto const& a : script->attributes)
        if (a.script != a.stored) renamed += (renamed.empty() ? "" : " ") + a.stored + "=" + a.script;
    EXPECT_EQ(renamed, c.scripts);

    auto step = Make(c.id);
    auto db = Written(*step);
    std::vector<std::string> stored;
    for (auto const& item : Split(c.defaults)) {
        auto const eq = item.find('=');
        std::string const name = item.substr(0, eq), value = item.substr(eq + 1);
        stored.push_back(name);
        if (value == "REGION")
            EXPECT_TRUE(cls_ReadVisitor(db).ReadValueObject<rgnC_Region>(Field(db, c.id, name), {-1, "region"}).IsEmpty());
        else
            EXPECT_EQ(Field(db, c.id, name), StoredValue(value)) << name;
    }
    EXPECT_EQ(db.Tables().at(c.id).schema.size(), stored.size());
    ExpectRegistered(c.id, std::string("kprC_") + c.name, c.version, *c.order ? Split(c.order, ',') : stored);
    auto const baseRow = db.Tables().at(c.id).rows[0].baseOid;
    EXPECT_EQ(Field(db, kprC_AnalysisStep::TypeId(), "matrixSolver", baseRow), dbs_EnumString{c.solver});
    EXPECT_EQ(Text(step->matrixSolver()), c.solver);
    EXPECT_EQ(step->convertSDI(), kprC_Step::ConvertSDIEnm::PROPAGATED);
    EXPECT_FALSE(step->restart() || step->controls() || step->linearCtrl() || step->stepId());

    auto const answers = [&](bool filled) {
        EXPECT_EQ(step->ProcedureType(), c.id);
        EXPECT_EQ(step->AllowLoadCases(), has('L'));
        EXPECT_EQ(step->AllowAdaptiveMeshDomains(), has('D'));
        EXPECT_EQ(step->Nonmechanical(), has('N'));
        EXPECT_EQ(step->Explicit(), has('X'));
        EXPECT_EQ(step->Perturbation(), has('P'));
        EXPECT_EQ(kprC_Step::Perturbation(c.id), has('P'));
        EXPECT_EQ(step->IsAdiabatic(), filled && has('a'));
        auto now = Written(*step);
        EXPECT_EQ(step->TimePeriod(), Field(now, c.id, "timePeriod").AsDouble());
        std::vector<std::string> expected;
        for (auto const& pair : Split(c.answers)) {
            auto const arrow = pair.find('>');
            expected.push_back(filled && arrow != std::string::npos ? pair.substr(arrow + 1) : pair.substr(0, arrow));
        }
        EXPECT_EQ(expected, (std::vector<std::string>{Text(step->Response()), Text(step->Nlgeom()),
                                                 Text(step->SolutionTechnique())}));
    };
    answers(false);
    FillLevel(*step, c.id);
    answers(true);

    step->description("changed"), step->solverInput("*NODE PRINT"), step->stepId(5);
    step->convertSDI(kprC_Step::ConvertSDIEnm::CONVERT_SDI_ON);
    step->matrixSolver(step->matrixSolver() == kprC_Step::MatrixSolverEnm::SOLVER_DEFAULT
                           ? kprC_Step::MatrixSolverEnm::DIRECT_SYMMETRIC
                           : kprC_Step::MatrixSolverEnm::SOLVER_DEFAULT);
    // Every own attribute stores another value than a new step's (an object held by value:
    // another row); the step reads back as its class and, like its copy, stores the same.
    auto const initial = Written(*Make(c.id)), filled = Written(*step);
    auto content = [](dbs_Database const& db, dbs_Value const& v) {
        auto const* ref = std::get_if<dbs_Ref>(&v.Raw());
        return ref ? dbs_Value(db.Tables().at(ref->classId).rows.at(ref->oid).fields) : v;
    };
    auto const& before = initial.Tables().at(c.id);
    auto const& after = filled.Tables().at(c.id);
    for (std::size_t i = 0; i < before.schema.size(); ++i)
        EXPECT_NE(content(initial, before.rows[0].fields[i]), content(filled, after.rows[0].fields[i]))
            << before.schema[i].name << " kept its initial value";
    auto back = cls_ReadVisitor(filled).ReadRoot<kprC_Step>("step");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->DynTypeId(), c.id);
    EXPECT_TRUE(Written(*back) == filled);
    std::unique_ptr<kprC_Step> copy(step->Copy());
    EXPECT_TRUE(Written(*copy) == filled);
    copy->description("other");
    EXPECT_EQ(step->description(), "changed");
}
