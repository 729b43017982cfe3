#include <gtest/gtest.h>

#include <set>
#include <string>

#include "module/klo/kloC_Module.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "support/tst_DeclaredOrdinals.h"

// Every class the library registers numbers its attributes by their places in the
// declaration order, and every declared class is registered.
TEST(DeclaredOrdinals, RegisteredAttributesCarryTheirDeclarationPlace) {
    int modules = 0;
    kloC_initialize(modules);
    std::set<std::string> registered;
    for (auto const& [id, md] : cls_MetadataRegistrar::Registrar().All()) {
        registered.insert(md->Name());
        if (tst_OrdinalsSkipped(md->Name(), id)) continue;
        tst_Ordinals actual;
        for (auto const& a : md->Attributes()) actual.emplace_back(a.name, a.ordinal);
        for (auto const& problem : tst_OrdinalMismatches(md->Name(), actual)) ADD_FAILURE() << problem;
    }
    for (auto const& c : tst_DeclaredClasses)
        EXPECT_TRUE(registered.contains(std::string(c.name))) << c.name << " is declared but not registered";
    kloC_finalize(modules);
}

// The comparison reports a swapped pair, a lost name-only mark, an extra and a missing
// attribute, and an undeclared class; and the places of name-only attributes still count.
TEST(DeclaredOrdinals, ComparisonNamesEachDisagreement) {
    EXPECT_EQ(tst_OrdinalMismatches("kprC_Step", {{"description", 0}, {"solverInput", 1}, {"stepId", 2}}),
              (std::vector<std::string>{"kprC_Step::description has ordinal 0, declared 1",
                                        "kprC_Step::solverInput has ordinal 1, declared 0"}));
    EXPECT_EQ(tst_OrdinalMismatches("kprC_StepNameProcedurePair", {{"stepName", 0}, {"extra", 1}}),
              (std::vector<std::string>{
                  "kprC_StepNameProcedurePair::extra has ordinal 1 but is not declared",
                  "kprC_StepNameProcedurePair::procedure is declared with ordinal 1 but missing"}));
    EXPECT_EQ(tst_OrdinalMismatches("kprC_Nothing", {}),
              std::vector<std::string>{"kprC_Nothing is not in the table of declared classes"});
    tst_Ordinals const analysis = tst_DeclaredOrdinals(*tst_FindDeclared("kprC_AnalysisStep"));
    ASSERT_EQ(analysis.size(), 10u);
    EXPECT_EQ(analysis[4], (std::pair<std::string, int>{"amd", -1}));
    EXPECT_EQ(analysis[6], (std::pair<std::string, int>{"controls", 6}));
    auto wrong = analysis;
    wrong[5].second = 5;
    EXPECT_EQ(tst_OrdinalMismatches("kprC_AnalysisStep", wrong),
              std::vector<std::string>{"kprC_AnalysisStep::lcc has ordinal 5, declared -1"});
}
