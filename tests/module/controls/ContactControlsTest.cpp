// Contact controls: initial values, each rule of the explicit kind with its message, the
// stored form, and how a step validates the controls it holds.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "module/kpr/controls/kprC_ContactControls.h"
#include "module/kpr/controls/kprC_FieldControls.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "module/steps/general/StepTestSupport.h"

namespace contact_controls_test {

using ContactControls = StepTest;

TEST_F(ContactControls, ExplicitControlsStartWithTheirInitialValuesAndRefuseEachRuleInOrder) {
    kprC_ExplicitContactControls const initial;
    EXPECT_EQ(initial.cpset(), "");
    EXPECT_TRUE(initial.fastLocalTracking());
    EXPECT_EQ(initial.inc(), INT_MAX);
    EXPECT_EQ(initial.warpCheckPeriod(), 20);
    EXPECT_EQ(initial.warpCutOff(), 20.0);
    EXPECT_EQ(initial.penalty(), 1.0);
    EXPECT_EQ(kprC_ExplicitContactControls::penaltyCmd(), "penaltyStiffness");
    EXPECT_TRUE(initial.Explicit());
    EXPECT_FALSE(kprC_StandardContactControls().Explicit());
    EXPECT_EQ(kprC_ExplicitContactControls::DefaultEnm::INC_VALUE, kprC_ExplicitContactControls::DefaultEnm(1));

    std::string const INC = "Maximum number of increments must be greater than zero.";
    std::string const WARP = "Number of increments between warp checks must be greater than zero.";
    std::string const ANGLE = "Highly warped angle definition must be greater than zero.";
    std::string const PENALTY = "Penalty stiffness scaling factor must be greater than or equal to zero.";
    struct Case {
        std::function<void(kprC_ExplicitContactControls&)> change;
        std::string message;
    };
    std::vector<Case> const cases = {
        {[](auto&) {}, ""},
        {[](auto& c) { c.inc(0); }, INC},
        {[](auto& c) { c.inc(1); }, ""},
        {[](auto& c) { c.warpCheckPeriod(0); }, WARP},
        {[](auto& c) { c.warpCutOff(0.0); }, ANGLE},
        {[](auto& c) { c.warpCutOff(0.5); }, ""},
        {[](auto& c) { c.penalty(-0.1); }, PENALTY},
        {[](auto& c) { c.penalty(0.0); }, ""},
        {[](auto& c) { c.inc(-1), c.warpCheckPeriod(0), c.warpCutOff(-1.0), c.penalty(-1.0); }, INC},
        {[](auto& c) { c.warpCheckPeriod(0), c.warpCutOff(-1.0), c.penalty(-1.0); }, WARP},
        {[](auto& c) { c.warpCutOff(-1.0), c.penalty(-1.0); }, ANGLE},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        kprC_ExplicitContactControls c;
        cases[i].change(c);
        EXPECT_EQ(RaisedMessage([&] { c.AssertValid(); }), cases[i].message) << "case " << i;
    }
}

// A step stores its solution, linear solver and contact controls and reads them back.
TEST_F(ContactControls, StepStoresAndReadsItsControls) {
    kprC_StaticStep step;
    kprC_TypicalControls controls;
    controls.discontinuous(true);
    controls.timeIncrementation(controls.timeIncrementationDef(true));
    step.controls(cow_COW<kprC_Controls>(controls.Copy()));
    kprC_LinearCtrl linear;
    linear.numDomains(4);
    step.linearCtrl(cow_COW<kprC_LinearCtrl>(linear.Copy()));
    kprC_ExplicitContactControls contact;
    contact.cpset("Pairs");
    contact.inc(7);
    step.MutableContactControls().push_back(cow_COW<kprC_ContactControls>(contact.Copy()));
    step.MutableContactControls().push_back(cow_COW<kprC_ContactControls>(new kprC_StandardContactControls));

    auto db = Written(step);
    auto const back = cls_ReadVisitor(db).ReadRoot<kprC_StaticStep>("step");
    ASSERT_TRUE(back && back->controls() && back->linearCtrl());
    EXPECT_TRUE(*back->controls() == controls);
    EXPECT_EQ(back->linearCtrl()->numDomains(), 4);
    ASSERT_EQ(back->contactControls().size(), 2u);
    auto const* explicitBack = dynamic_cast<kprC_ExplicitContactControls const*>(&*back->contactControls()[0]);
    ASSERT_NE(explicitBack, nullptr);
    EXPECT_EQ(explicitBack->cpset(), "Pairs");
    EXPECT_EQ(explicitBack->inc(), 7);
    EXPECT_FALSE(back->contactControls()[1]->Explicit());
}

// The step validates the controls it holds, but never the inactive controls, whose
// validation always fails.
TEST_F(ContactControls, StepValidatesHeldControlsButNotInactiveOnes) {
    struct Case {
        char const* what;
        std::function<void(kprC_StaticStep&)> give;
        std::string message;
    };
    std::vector<Case> const cases = {
        {"none", [](auto&) {}, ""},
        {"inactive", [](auto& s) { s.controls(cow_COW<kprC_Controls>(new kprC_InactiveControls)); }, ""},
        {"typical at defaults", [](auto& s) { s.controls(cow_COW<kprC_Controls>(new kprC_TypicalControls)); }, ""},
        {"typical, both flags",
         [](auto& s) {
             auto* c = new kprC_TypicalControls;
             c->resetDefaultValues(true);
             s.controls(cow_COW<kprC_Controls>(c));
         },
         "AllowPropagation or resetDefaultValues must have a value of Off."},
        {"one domain",
         [](auto& s) {
             auto* c = new kprC_LinearCtrl;
             c->numDomains(1);
             s.linearCtrl(cow_COW<kprC_LinearCtrl>(c));
         },
         "Number of domains must be greater than one."},
        {"no increments",
         [](auto& s) {
             auto* c = new kprC_ExplicitContactControls;
             c->inc(0);
             s.MutableContactControls().push_back(cow_COW<kprC_ContactControls>(c));
         },
         "Maximum number of increments must be greater than zero."},
    };
    for (auto const& [what, give, message] : cases) {
        kprC_StaticStep step;
        give(step);
        EXPECT_EQ(RaisedMessage([&] { step.AssertControlsValid(); }), message) << what;
    }
    EXPECT_EQ(RaisedMessage([] { kprC_InactiveControls().AssertValid(); }),
              "Controls are not available for explicit or perturbation procedures.");
}

}  // namespace contact_controls_test
