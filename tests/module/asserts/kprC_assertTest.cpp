#include "module/kpr/kprC_assert.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "tests/module/asserts/AssertTestSupport.h"

namespace {
Outcome Fail(int code) { return RunAssert([&] { kprC_Assert(false, kprC_ErrorEnm(code)); }); }

bool IsTranslatedCode(int code) { return (code >= 163 && code <= 165) || (code >= 232 && code <= 244); }

struct Entry {
    int code;
    std::string message;
};

std::vector<Entry> Published() {
    return {
#define KPRC_ENTRY(name, code, message) {code, message},
        KPRC_PUBLISHED_ERRORS(KPRC_ENTRY)
#undef KPRC_ENTRY
    };
}

std::vector<Entry> Local() {
    return {
#define KPRC_ENTRY(name, code, message) {code, message},
        KPRC_LOCAL_ERRORS(KPRC_ENTRY)
#undef KPRC_ENTRY
    };
}
}  // namespace

static_assert(kprC_INITIAL_STEP_EXISTS == 82 && kprC_INVALID_STEP_SEQUENCE == 50 &&
              kprC_AMC_USER_SUBROUTINE_EXPLICIT == 240);

// Codes whose refusals the step, container, sequencer, output and time point tests raise
// through the code that checks them are left to those tests.
TEST(kprC_Assert, RaisesTheExactMessageOfEachCode) {
    std::vector<AssertCase> const cases = {
        {45, "Invalid step container"}, {53, "Nlgeom cannot be turned off once it has been turned on"},
        {139, "maintainAttributes can only be used when replacing a step."},
        {170, "Number intervals cannot be used with this procedure."},
        {171, "Initial remeshing sweeps must be greater than zero."},
        {176, "Volumetric smoothing weight must be greater than or equal to zero and less than or equal to one."},
        {178, "Equipotential smoothing weight must be greater than or equal to zero And less than or equal to one."},
        {182, "Curvature refinement must be greater than or equal to zero."},
        {183, "The adaptive mesh constraint does not exist in the specifed step or is suppressed or inactive."},
        {185, "Unknown step type."}, {201, "Cannot reset a adaptive mesh constraint in the step it was created."},
        {209, "Cannot move the adaptive mesh constraint because an intermediate step is Created, Modified, "
              "Deactivated, or Modified from Base State."},
        {225, "A Symmetry/Antisymmetry/Encastre adaptive mesh constraint cannot be edited in a propagated step"},
        {226, "Unknown adaptive mesh constraint propagation status."},
        {231, "Invalid adaptive mesh constraint propagator error flag. Please report this error."},
        {232, "Reset can only be used in the deactivated step."}, {233, "Fields not enabled yet"},
        {240, "The user subroutine option is not available with Explicit adaptive mesh constraints."},
        {kprC_SOLVER_CONTROLS_NOT_AVAILABLE,
         "Solver controls are only available for Static, General; Static, Linear Perturbation and steady-state Heat "
         "Transfer steps."},
    };
    ExpectRefusals(cases, Fail);
    for (auto const& refusal : cases) EXPECT_EQ(kprC_ErrorMessage(kprC_ErrorEnm(refusal.code)), refusal.message);
}

TEST(kprC_Assert, CodesWithoutMessageGiveTheEmptyMessage) {
    MarkingTranslator translator;  // an empty message is not handed to the translator
    ExpectRefusals({{300, ""}, {-1, ""}, {245, ""}, {234, ""}, {239, ""}, {241, ""}, {244, ""}, {162, ""}}, Fail);
}

TEST(kprC_Assert, TranslatesOnlyTheTimePointAndLateConstraintCodes) {
    std::map<int, std::string> raw;
    for (int code = 0; code <= kprC_LAST_ERROR; ++code) raw[code] = Fail(code).message;

    MarkingTranslator translator;
    EXPECT_EQ(Fail(164).message, "<Time points cannot be empty.>");
    EXPECT_EQ(Fail(232).message, "<Reset can only be used in the deactivated step.>");
    EXPECT_EQ(Fail(82).message, "Initial step already exists");
    EXPECT_EQ(Fail(231).message, "Invalid adaptive mesh constraint propagator error flag. Please report this error.");
    for (auto const& [code, message] : raw) {
        std::string expected = IsTranslatedCode(code) && !message.empty() ? Marked(message) : message;
        EXPECT_EQ(Fail(code).message, expected) << code;
    }
}

TEST(kprC_Assert, EveryCodeHasOneSlotAndLocalCodesAvoidPublishedOnes) {
    std::set<int> used;
    std::set<std::string> publishedTexts;
    for (auto const& [code, message] : Published()) {
        EXPECT_TRUE(used.insert(code).second) << code;
        publishedTexts.insert(message);
    }
    std::set<std::string> localTexts;
    for (auto const& [code, message] : Local()) {
        EXPECT_TRUE(used.insert(code).second) << "slot taken twice: " << code;
        EXPECT_FALSE(IsTranslatedCode(code)) << code;
        EXPECT_FALSE(publishedTexts.count(message)) << "already numbered: " << message;
        EXPECT_TRUE(localTexts.insert(message).second) << "listed twice: " << message;
        EXPECT_EQ(kprC_ErrorMessage(kprC_ErrorEnm(code)), message);
    }
    for (int code : used) {
        EXPECT_GE(code, 0);
        EXPECT_LE(code, kprC_LAST_ERROR);
        EXPECT_FALSE(kprC_ErrorMessage(kprC_ErrorEnm(code)).empty()) << code;
    }
    EXPECT_EQ(Published().size(), 90u);
}
