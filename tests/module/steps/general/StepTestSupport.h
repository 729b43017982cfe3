#pragma once
// Shared pieces of the step tests: the module fixture, the message of a refusal, and
// stored rows looked up by attribute name.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "module/klo/kloC_Module.h"
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
