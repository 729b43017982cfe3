// Linear solver controls: initial values, and each rule with its message in rule order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "module/kpr/controls/kprC_LinearCtrl.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_Step.h"

TEST(LinearCtrl, StartsWithItsInitialValuesAndPasses) {
    kprC_LinearCtrl const c;
    EXPECT_TRUE(c.allowPropagation());
    EXPECT_FALSE(c.resetDefaultValues());
    EXPECT_EQ(c.relativeTolerance(), 0.0);
    EXPECT_EQ(c.maxIterations(), 0);
    EXPECT_EQ(c.numDomains(), 0);
    EXPECT_EQ(kprC_LinearCtrl::ClassVersion(), 330);
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { c.AssertValid(); }), "");
}

TEST(LinearCtrl, EachRuleRefusesWithItsMessage) {
    char const* const DOMAINS = "Number of domains must be greater than one.";
    char const* const TOLERANCE = "Relative tolerance for convergence must be positive.";
    char const* const ITERATIONS = "Maximum number of iterations must be positive.";
    struct Case {
        std::function<void(kprC_LinearCtrl&)> change;
        std::string message;
    };
    std::vector<Case> const cases = {
        {[](auto& c) { c.numDomains(1); }, DOMAINS},
        {[](auto& c) { c.numDomains(-3); }, DOMAINS},
        {[](auto& c) { c.numDomains(2); }, ""},
        {[](auto& c) { c.relativeTolerance(-1e-9); }, TOLERANCE},
        {[](auto& c) { c.relativeTolerance(1e-6); }, ""},
        {[](auto& c) { c.maxIterations(-1); }, ITERATIONS},
        {[](auto& c) { c.maxIterations(50); }, ""},
        // The domain rule comes first.
        {[](auto& c) { c.numDomains(1); c.relativeTolerance(-1.0); c.maxIterations(-1); }, DOMAINS},
        {[](auto& c) { c.relativeTolerance(-1.0); c.maxIterations(-1); }, TOLERANCE},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        kprC_LinearCtrl c;
        cases[i].change(c);
        EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { c.AssertValid(); }), cases[i].message) << "case " << i;
    }
}
