#pragma once
// Shared helpers of the output settings and time point tests: the library up for the
// test, the message a call raised, and a round trip through the table database.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "module/klo/kloC_Module.h"
#include "module/kpr/output/kprC_OutputFields.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/nex/nex_Exception.h"

class LibraryUp : public ::testing::Test {
protected:
    void SetUp() override { kloC_initialize(modules); }
    void TearDown() override { kloC_finalize(modules); }
    int modules = 0;
};

// The nex_TextException message of `call`, "" when it raised nothing.
inline std::string RaisedText(std::function<void()> const& call) {
    try {
        call();
    } catch (nex_TextException const& e) {
        return e.Message();
    }
    return "";
}

// Writes `object` as the database's root and reads it back as a T.
template <class T>
std::shared_ptr<T> RoundTrip(cls_Persistent const& object, dbs_Database& db) {
    cls_WriteVisitor(db).WriteRoot("root", object);
    return cls_ReadVisitor(db).ReadRoot<T>("root");
}

// One edit of a freshly built T and the message it is refused with ("" when accepted).
template <class T>
struct Edit {
    char const* what;
    std::function<void(T&)> change;
    std::string message;
};

// Each edit goes through the validated edit: accepted ones take effect, refused ones
// raise their message and leave the object as it was.
template <class T>
void ExpectEdits(std::vector<Edit<T>> const& edits) {
    for (auto const& [what, change, message] : edits) {
        T const start;
        T object(start);
        EXPECT_EQ(RaisedText([&] { kprC_SetValues(object, change); }), message) << what;
        T expected(start);
        if (message.empty()) change(expected);
        EXPECT_TRUE(object == expected) << what;
        T direct(start);
        change(direct);
        EXPECT_EQ(RaisedText([&] { direct.AssertValid(); }), message) << what;
    }
}
