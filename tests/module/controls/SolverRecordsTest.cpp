// The linear solver and explicit contact controls: initial values, and each rule with its
// message in rule order.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "module/kpr/controls/kprC_ContactControls.h"
#include "module/kpr/controls/kprC_LinearCtrl.h"
#include "module/steps/general/StepTestSupport.h"

namespace solver_records_test {

template <class T>
void ExpectRules(std::vector<std::pair<std::function<void(T&)>, std::string>> const& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        T c;
        cases[i].first(c);
        EXPECT_EQ(RaisedMessage([&] { c.AssertValid(); }), cases[i].second) << "case " << i;
    }
}

TEST(SolverRecords, LinearCtrlStartsWithItsInitialValuesAndRefusesEachRuleInOrder) {
    kprC_LinearCtrl const c0;
    EXPECT_EQ(std::tuple(c0.allowPropagation(), c0.resetDefaultValues(), c0.relativeTolerance(), c0.maxIterations(),
                         c0.numDomains(), kprC_LinearCtrl::ClassVersion()),
              std::tuple(true, false, 0.0, 0, 0, 330));
    std::string const DOMAINS = "Number of domains must be greater than one.",
                      TOLERANCE = "Relative tolerance for convergence must be positive.",
                      ITERATIONS = "Maximum number of iterations must be positive.";
    using C = kprC_LinearCtrl&;
    ExpectRules<kprC_LinearCtrl>({
        {[](C) {}, ""}, {[](C c) { c.numDomains(1); }, DOMAINS}, {[](C c) { c.numDomains(-3); }, DOMAINS},
        {[](C c) { c.numDomains(2), c.relativeTolerance(1e-6), c.maxIterations(50); }, ""},
        {[](C c) { c.relativeTolerance(-1e-9); }, TOLERANCE}, {[](C c) { c.maxIterations(-1); }, ITERATIONS},
        {[](C c) { c.numDomains(1), c.relativeTolerance(-1.0), c.maxIterations(-1); }, DOMAINS},
        {[](C c) { c.relativeTolerance(-1.0), c.maxIterations(-1); }, TOLERANCE},
    });
}

TEST(SolverRecords, ExplicitContactControlsStartWithTheirInitialValuesAndRefuseEachRuleInOrder) {
    kprC_ExplicitContactControls const c0;
    EXPECT_EQ(std::tuple(c0.cpset(), c0.fastLocalTracking(), c0.inc(), c0.warpCheckPeriod(), c0.warpCutOff(), c0.penalty()),
              std::tuple(cow_String(), true, INT_MAX, 20, 20.0, 1.0));
    EXPECT_EQ(kprC_ExplicitContactControls::penaltyCmd(), "penaltyStiffness");
    EXPECT_TRUE(c0.Explicit() && !kprC_StandardContactControls().Explicit());
    std::string const INC = "Maximum number of increments must be greater than zero.",
                      WARP = "Number of increments between warp checks must be greater than zero.",
                      ANGLE = "Highly warped angle definition must be greater than zero.",
                      PENALTY = "Penalty stiffness scaling factor must be greater than or equal to zero.";
    using C = kprC_ExplicitContactControls&;
    ExpectRules<kprC_ExplicitContactControls>({
        {[](C) {}, ""}, {[](C c) { c.inc(0); }, INC}, {[](C c) { c.inc(1), c.penalty(0.0), c.warpCutOff(0.5); }, ""},
        {[](C c) { c.warpCheckPeriod(0); }, WARP}, {[](C c) { c.warpCutOff(0.0); }, ANGLE},
        {[](C c) { c.penalty(-0.1); }, PENALTY},
        {[](C c) { c.inc(-1), c.warpCheckPeriod(0), c.warpCutOff(-1.0), c.penalty(-1.0); }, INC},
        {[](C c) { c.warpCheckPeriod(0), c.warpCutOff(-1.0), c.penalty(-1.0); }, WARP},
        {[](C c) { c.warpCutOff(-1.0), c.penalty(-1.0); }, ANGLE},
    });
}

}  // namespace solver_records_test
