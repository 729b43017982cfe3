#pragma once
// Shared pieces of the step tests: the module fixture, the message of a refusal, stored
// rows looked up by attribute name, and the checks every step class goes through
// (registration, rules in order, round trips).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "module/klo/kloC_Module.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/dbs/dbs_Table.h"
#include "platform/nex/nex_Exception.h"

class StepTest : public ::testing::Test {
protected:
    void SetUp() override { kloC_initialize(modules); }
    void TearDown() override { kloC_finalize(modules); }
    int modules = 0;
};

// The message `action` raises as nex_TextException, or "" when it raises nothing.
inline std::string RaisedMessage(std::function<void()> const& action) {
    try {
        action();
    } catch (nex_TextException const& e) {
        return e.Message();
    }
    return "";
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

using StepMaker = std::function<std::unique_ptr<kprC_AnalysisStep>()>;
using StepChange = std::function<void(kprC_AnalysisStep&)>;

// A change written against the concrete class.
template <class C>
StepChange On(std::function<void(C&)> f) {
    return [f](kprC_AnalysisStep& s) { f(dynamic_cast<C&>(s)); };
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

// `filled` stores another value than a fresh step of its class under every own attribute
// but those in `skipped` (references whose target row is checked apart); it reads back
// as its own class and, like its copy, stores exactly what it stored.
inline void ExpectEveryAttributeKept(kprC_Step const& fresh, kprC_Step const& filled,
                                     std::set<std::string> const& skipped = {}) {
    auto const id = filled.DynTypeId();
    auto const initial = Written(fresh), stored = Written(filled);
    auto const& before = initial.Tables().at(id);
    auto const& after = stored.Tables().at(id);
    for (std::size_t i = 0; i < before.schema.size(); ++i)
        if (!skipped.contains(before.schema[i].name))
            EXPECT_NE(before.rows[0].fields[i], after.rows[0].fields[i]) << before.schema[i].name << " kept its initial value";
    auto back = cls_ReadVisitor(stored).ReadRoot<kprC_Step>("step");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->DynTypeId(), id);
    EXPECT_TRUE(Written(*back) == stored);
    std::unique_ptr<kprC_Step> copy(filled.Copy());
    EXPECT_TRUE(Written(*copy) == stored);
}

// The attributes of T whose script name is not their stored name, as "stored=script ...".
template <class T>
std::string Renamed() {
    std::string out;
    for (auto const& e : T::Attributes().Entries())
        if (std::string(e->script) != e->key.name) out += (out.empty() ? "" : " ") + std::string(e->key.name) + "=" + std::string(e->script);
    return out;
}
