// Mass scaling definitions: stored form and version, the rules by objective in order
// (negative counts and factors refused), whether the scaling varies, copies and equality.
#include "../steps/general/StepTestSupport.h"
#include "module/kpr/massscaling/kprC_MassScaling.h"
#include "platform/cls/cls_MetadataRegistrar.h"

namespace mass_scaling_test {
class MassScaling : public StepTest {};
using MS = kprC_MassScaling;
using Objective = MS::MassScalingObjectiveEnm;
using Occurs = MS::MassScalingOccursEnm;

TEST_F(MassScaling, StoredFormPutsTheRegionLast) {
    auto const* md = cls_MetadataRegistrar::Find(MS::TypeId());
    ASSERT_TRUE(md);
    EXPECT_EQ(MS::TypeId(), 0x23C0025u);
    EXPECT_EQ(md->Version(), 831);
    std::vector<std::string> names;
    for (auto const& a : md->Attributes()) names.push_back(a.name + ":" + std::to_string(a.ordinal));
    EXPECT_EQ(names, (std::vector<std::string>{"objective:0", "occurs:2", "factor:3", "dt:4", "type:5", "frequency:6",
                                               "numberInterval:7", "feedRate:8", "extrudedLength:9", "crossSection:10",
                                               "direction:11", "region:1"}));
    MS m;
    auto db = Written(m);
    EXPECT_EQ(Field(db, MS::TypeId(), "objective"), dbs_Value(dbs_EnumString{"SEMI_AUTOMATIC"}));
    EXPECT_EQ(Field(db, MS::TypeId(), "type"), dbs_Value(dbs_EnumString{"BELOW_MIN"}));
    EXPECT_EQ(Field(db, MS::TypeId(), "direction"), dbs_Value(dbs_EnumString{"GLOBAL_NONE"}));
    EXPECT_EQ(Field(db, MS::TypeId(), "dt"), dbs_Value(0.0));
    EXPECT_TRUE(m.region().IsEmpty());
}

struct Case {
    Objective objective;
    Occurs occurs;
    double factor, dt;
    int frequency, intervals;
    double feedRate = 0.0, length = 0.0;
    int crossSection = 0;
    char const* message;
};

TEST_F(MassScaling, RulesByObjective) {
    auto const SEMI = Objective::SEMI_AUTOMATIC, AUTO = Objective::AUTOMATIC;
    auto const BEGIN = Occurs::AT_BEGINNING, THROUGHOUT = Occurs::THROUGHOUT_STEP;
    char const* const M55 = "Target time increment must be greater than zero";
    char const* const M56 = "Factor or target time increment must be specified and greater than zero";
    char const* const M57 = "Frequency or number interval must be specified and greater than zero";
    std::vector<Case> const cases = {
        {SEMI, BEGIN, 0.0, 0.0, 0, 0, 0, 0, 0, M56},
        {SEMI, BEGIN, 2.0, 0.0, 0, 0, 0, 0, 0, ""},  // counts are not checked at the beginning
        {SEMI, BEGIN, 0.0, 0.1, 0, 0, 0, 0, 0, ""},
        {SEMI, BEGIN, 2.0, -0.1, 0, 0, 0, 0, 0, M56},  // neither may be negative
        {SEMI, BEGIN, -1.0, 0.0, 0, 0, 0, 0, 0, M56}, {SEMI, THROUGHOUT, 0.0, 0.0, 0, 0, 0, 0, 0, M55},
        {SEMI, THROUGHOUT, 0.0, 0.1, 0, 0, 0, 0, 0, M57}, {SEMI, THROUGHOUT, 0.0, 0.1, 0, 4, 0, 0, 0, ""},
        {SEMI, THROUGHOUT, 0.0, 0.1, -5, 4, 0, 0, 0, M57}, {SEMI, THROUGHOUT, 0.0, 0.1, -5, 0, 0, 0, 0, M57},
        {AUTO, BEGIN, 0.0, 0.0, 0, 0, 0.0, 1.0, 1, "Feed rate must be greater than zero"},
        {AUTO, BEGIN, 0.0, 0.0, 0, 0, 1.0, 0.0, 1, "Extruded element length must be greater than zero"},
        {AUTO, BEGIN, 0.0, 0.0, 0, 0, 1.0, 1.0, 0, "Nodes in cross-section must be greater than zero"},
        {AUTO, BEGIN, 0.0, 0.0, 0, 0, 1.0, 1.0, 1, M57}, {AUTO, BEGIN, 0.0, 0.0, 3, -1, 1.0, 1.0, 1, M57},
        {AUTO, BEGIN, 0.0, 0.0, 3, 0, 1.0, 1.0, 1, ""},
        {Objective::REINITIALIZE, BEGIN, -1.0, -1.0, -1, -1, -1, -1, -1, ""},
        {Objective::DISABLE_THROUGHOUT_STEP, THROUGHOUT, -1.0, -1.0, -1, -1, -1, -1, -1, ""},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        auto const& c = cases[i];
        SCOPED_TRACE(i);
        MS m;
        m.objective(c.objective), m.occurs(c.occurs), m.factor(c.factor), m.dt(c.dt), m.frequency(c.frequency);
        m.numberInterval(c.intervals), m.feedRate(c.feedRate), m.extrudedLength(c.length), m.crossSection(c.crossSection);
        MS const before = m;
        EXPECT_EQ(RaisedMessage([&] { m.AssertValid(); }), c.message);
        EXPECT_EQ(m, before);
    }
}

TEST_F(MassScaling, VariabilityCopiesAndEquality) {
    MS m;
    EXPECT_FALSE(m.IsVariable());
    m.occurs(Occurs::THROUGHOUT_STEP);
    std::pair<Objective, bool> const throughout[] = {{Objective::SEMI_AUTOMATIC, true}, {Objective::REINITIALIZE, false},
                                                     {Objective::AUTOMATIC, true}, {Objective::DISABLE_THROUGHOUT_STEP, true}};
    for (auto const& [objective, variable] : throughout)
        EXPECT_EQ((m.objective(objective), m.IsVariable()), variable) << int(objective);
    m.region(rgnC_Region({"Part-1"}, 3));
    std::unique_ptr<MS> copy(m.Copy());
    EXPECT_NE(copy->Uid(), m.Uid());
    EXPECT_TRUE(*copy == m);
    copy->crossSection(2);
    EXPECT_TRUE(*copy != m);
    MS assigned;
    auto const uid = assigned.Uid();
    assigned = m;
    EXPECT_EQ(assigned.Uid(), uid);
    EXPECT_EQ(assigned, m);
}
}  // namespace mass_scaling_test
