#include <gtest/gtest.h>

#include <thread>

#include "platform/atr/atr_String.h"
#include "platform/cow/cow_COW.h"
#include "platform/nex/nex_Exception.h"
#include "platform/omu/omu_ChangeHistory.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "platform/thr/thr_ThreadSingleton.h"
#include "support/tst_Message.h"

namespace {

struct Shape {
    virtual ~Shape() = default;
    virtual Shape* Copy() const = 0;
    virtual int Sides() const = 0;
    int tag = 0;
};
struct Square : Shape {
    Shape* Copy() const override { return new Square(*this); }
    int Sides() const override { return 4; }
};

TEST(CowHandle, CopiesShareUntilFirstMutableAccessThenCloneTheDynamicType) {
    cow_COW<Shape> a(new Square);
    cow_COW<Shape> b = a;
    EXPECT_TRUE(a.SharesWith(b));
    b.GetMutable().tag = 7;
    EXPECT_FALSE(a.SharesWith(b));
    EXPECT_EQ(std::tuple(a->tag, b->tag, b->Sides()), std::tuple(0, 7, 4));
    Shape* before = &b.GetMutable();  // sole owner now: no further copy
    EXPECT_EQ(before, &b.GetMutable());
}

TEST(Translation, SubstitutesPlaceholdersInOnePassAndHonoursTheInstalledTranslator) {
    EXPECT_EQ(atr_SubstituteFormat("value: %d  list: %s", {"7", "A, B"}), "value: 7  list: A, B");
    EXPECT_EQ(atr_SubstituteFormat("%s and %s", {"%s", "x"}), "%s and x");
    EXPECT_EQ(atr_SubstituteFormat("100%% of %s", {"it"}), "100% of it");
    EXPECT_EQ(atr_SubstituteFormat("left %s", {}), "left %s");

    auto previous = atr_SetTranslator([](std::string_view s) { return "<" + std::string(s) + ">"; });
    EXPECT_EQ(atr_translate("Buckle"), "<Buckle>");
    atr_SetTranslator(previous);
    EXPECT_EQ(atr_translate("Buckle"), "Buckle");
    EXPECT_EQ(atr_translate("Frequency\\@PROCEDURE_FREQUENCY"), "Frequency");
}

TEST(Exceptions, AssertCarriesTheQuotedCondition) {
    EXPECT_EQ(tst_MessageOf<nex_AssertException>([] { NEX_FAIL("Can only insert after into step containers"); }),
              "\"Can only insert after into step containers\"==0");
    int n = 3;
    EXPECT_THROW(NEX_ASSERT(n == 4), nex_AssertException);
}

struct Counter {
    Counter() { ++created; }
    static inline std::atomic<int> created{0};
};

TEST(Singletons, GlobalIsCreatedOnceAcrossThreadsAndCanBeDestroyed) {
    std::vector<std::thread> threads;
    std::atomic<Counter*> seen[8];
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&, i] { seen[i] = &thr_GlobalSingleton<Counter>::Instance(); });
    for (auto& t : threads) t.join();
    EXPECT_EQ(Counter::created.load(), 1);
    for (auto& s : seen) EXPECT_EQ(s.load(), seen[0].load());
    thr_GlobalSingleton<Counter>::Destroy();
    EXPECT_FALSE(thr_GlobalSingleton<Counter>::Exists());
    thr_GlobalSingleton<Counter>::Instance();
    EXPECT_EQ(Counter::created.load(), 2);
    thr_GlobalSingleton<Counter>::Destroy();
}

TEST(Singletons, ThreadInstancesAreSeparateAndReleasedAtThreadExit) {
    auto& mine = thr_ThreadSingleton<omu_ChangeHistory>::Instance();
    mine.Clear();
    mine.addChange({"Remove", "Step-1"});
    int usersDuring = 0;
    std::thread other([&] {
        auto& theirs = thr_ThreadSingleton<omu_ChangeHistory>::Instance();
        EXPECT_TRUE(theirs.Entries().empty());
        usersDuring = thr_ThreadSingleton<omu_ChangeHistory>::Users();
    });
    other.join();
    EXPECT_EQ(usersDuring, 2);
    EXPECT_EQ(thr_ThreadSingleton<omu_ChangeHistory>::Users(), 1);
    ASSERT_EQ(mine.Entries().size(), 1u);
    EXPECT_EQ(mine.Entries()[0].change.ToString(), "(\"Remove\", \"Step-1\")");
    thr_ThreadSingleton<omu_ChangeHistory>::Release();
    EXPECT_EQ(thr_ThreadSingleton<omu_ChangeHistory>::Users(), 0);
}

}  // namespace
