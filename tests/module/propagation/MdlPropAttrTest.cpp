// A per-step attribute: its state as values are set, modified and propagated, the status
// each kind of step admits, and the names its states are stored and shown by.
#include <gtest/gtest.h>

#include "platform/mdl/mdl_PropAttr.h"
#include "support/tst_Message.h"

namespace {

using S = mdl_PropAttributeStateEnm;

TEST(MdlPropAttr, AssigningOrTakingMutableAccessSetsAndUnsetOrClearedRestoreTheDefault) {
    mdl_PropAttr<double> a;
    EXPECT_EQ(a.state(), S::UNSET);
    EXPECT_EQ(a.value(), 0.0);
    a = 2.5;
    EXPECT_EQ(a.state(), S::SET);
    a.SetState(S::INHERITED);
    a.MutableValue() += 1.0;
    EXPECT_EQ(a.state(), S::SET);
    EXPECT_EQ(a.value(), 3.5);
    a.SetState(S::INHERITED);
    EXPECT_EQ(a.value(), 3.5);
    for (S reset : {S::UNSET, S::CLEARED}) {
        mdl_PropAttr<cow_String> s("Amp-1", S::SET);
        s.SetState(reset);
        EXPECT_EQ(s.value(), "");
        EXPECT_EQ(s.state(), reset);
    }
}

TEST(MdlPropAttr, ModifiedPropagatedAndModifyFollowTheAttributeState) {
    struct Case {
        S state;
        bool modified;
        S propagated;
    };
    for (auto c : {Case{S::UNSET, false, S::UNSET}, Case{S::SET, true, S::INHERITED},
                   Case{S::INHERITED, false, S::INHERITED}, Case{S::CLEARED, true, S::UNSET}}) {
        mdl_PropAttr<double> other(c.state == S::SET ? 7.0 : 0.0, c.state);
        EXPECT_EQ(other.IsModified(), c.modified) << int(c.state);
        mdl_PropAttr<double> target(1.0, S::INHERITED);
        target.Modify(other);
        EXPECT_EQ(target, c.modified ? other : mdl_PropAttr<double>(1.0, S::INHERITED)) << int(c.state);
        other.Propagate();
        EXPECT_EQ(other.state(), c.propagated) << int(c.state);
    }
}

TEST(MdlPropAttr, SetStatusAdmitsPerStepKindAndNamesTheAttributeWhenRefusing) {
    struct Case {
        S state;
        bool creation, admitted;
    };
    Case const cases[] = {{S::UNSET, true, true},    {S::SET, true, true},    {S::INHERITED, true, true},
                          {S::CLEARED, true, false}, {S::UNSET, false, false}, {S::SET, false, true},
                          {S::INHERITED, false, true}, {S::CLEARED, false, true}};
    for (auto const& c : cases) {
        mdl_PropAttr<double> a(4.0, S::SET);
        if (c.admitted) {
            a.SetStatus("u1", c.state, c.creation);
            EXPECT_EQ(a.state(), c.state);
            continue;
        }
        EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { a.SetStatus("u1", c.state, c.creation); }),
                  "Invalid propagation status for 'u1' attribute.") << int(c.state);
        EXPECT_EQ(a, (mdl_PropAttr<double>(4.0, S::SET)));  // unchanged
    }
}

TEST(MdlPropAttr, EnumerationStringsAreTheValueNames) {
    using AttrEnum = omu_PrimEnum<S, 1>;
    using StatusEnum = omu_PrimEnum<mdl_PropagationStatusEnm, 1>;
    EXPECT_EQ(AttrEnum(S::INHERITED).AsString(), "INHERITED");
    EXPECT_EQ(AttrEnum(cow_String("CLEARED")).Value(), S::CLEARED);
    char const* const statuses[] = {"NOT_YET_CREATED", "CREATED", "PROPAGATED", "MODIFIED", "DEACTIVATED", "INACTIVE",
                                    "NOT_VALID_IN_STEP", "OUTSIDE_PERTURBATION_STEP", "BUILT_INTO_BASE_STATE",
                                    "PROPAGATED_FROM_BASE_STATE", "MODIFIED_FROM_BASE_STATE"};
    for (unsigned i = 0; i < 11; ++i)
        EXPECT_EQ(StatusEnum(mdl_Status(i)).AsString(), statuses[i]);
    EXPECT_EQ(StatusEnum::StringOf(mdl_Status(12)), nullptr);
    EXPECT_EQ(mdl_PropAttr<double>::TypeId(), 0x000A0011u);
    EXPECT_EQ(mdl_PropAttr<cow_String>::TypeId(), 0x000A0012u);
}

}  // namespace
