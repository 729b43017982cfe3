// A load case: its scale factors and its copies.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "module/klc/klcC_assert.h"
#include "module/klc/loadcases/klcC_LoadCase.h"
#include "support/tst_Message.h"

// Every scale factor must be finite and non-zero; the boundary conditions are asked
// first. A float that holds the unset double reads as infinity and is refused too.
TEST(klcC_LoadCase, ScaleFactorsAreFiniteAndNonZero) {
    std::string const refused = "A scale factor cannot be zero or blank.";
    float const unset = float(std::numeric_limits<double>::max());
    struct Case {
        klcC_ScaleFactors boundaryConditions, loads;
        std::string message;
    };
    for (auto const& c : {Case{{}, {}, ""}, Case{{}, {{"Load-1", -2.0f}}, ""}, Case{{}, {{"Load-1", 0.0f}}, refused},
                          Case{{}, {{"Load-1", std::nanf("")}}, refused}, Case{{}, {{"Load-1", unset}}, refused},
                          Case{{{"BC-1", 0.0f}}, {{"Load-1", 0.0f}}, refused}}) {
        klcC_LoadCase loadCase;
        loadCase.boundaryConditions(c.boundaryConditions);
        loadCase.loads(c.loads);
        EXPECT_EQ(tst_MessageOf<nex_Exception>([&] { loadCase.AssertValid(); }), c.message);
    }
    klcC_LoadCase withField;
    withField.fields({{"Temp", std::numeric_limits<float>::infinity()}});
    EXPECT_EQ(tst_MessageOf<nex_Exception>([&] { withField.AssertValid(); }), refused);
}

// A copy is another object: it has an identity of its own, and keeps the contents.
TEST(klcC_LoadCase, CopiesTakeFreshIdentities) {
    klcC_LoadCase original;
    original.loads({{"Load-1", 1.5f}});
    original.includeActiveBaseStateBC(false);
    klcC_LoadCase const copy(original);
    std::unique_ptr<klcC_LoadCase> const copied(original.Copy());
    EXPECT_NE(copy.Uid(), original.Uid());
    EXPECT_NE(copied->Uid(), original.Uid());
    EXPECT_EQ(copy.loads(), original.loads());
    EXPECT_FALSE(copied->includeActiveBaseStateBC());
}
