#pragma once
// Shared helpers of the output settings and time point tests: a round trip through the
// table database and the validated edits of a settings object.
#include "tests/module/steps/general/StepTestSupport.h"
#include "module/kpr/output/kprC_OutputFields.h"

using LibraryUp = StepTest;

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
        EXPECT_EQ(RaisedMessage([&] { kprC_SetValues(object, change); }), message) << what;
        T expected(start);
        if (message.empty()) change(expected);
        EXPECT_TRUE(object == expected) << what;
        T direct(start);
        change(direct);
        EXPECT_EQ(RaisedMessage([&] { direct.AssertValid(); }), message) << what;
    }
}
