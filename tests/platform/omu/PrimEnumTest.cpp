#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/omu/omu_PrimEnum.h"
#include "platform/nex/nex_Exception.h"
#include "platform/omu/omn_FixedString.h"
#include "support/tst_Message.h"

OMU_PRIM_ENUM(test_ColourEnm, RED, GREEN, BLUE)
OMU_PRIM_ENUM(test_ShadeEnm, RED, DARK)

// A hand-written table with repeated strings and values: the first entry wins both ways.
enum class test_RepeatEnm : unsigned int {};
template <>
struct omu_EnumTable<test_RepeatEnm, 1> {
    static constexpr omu_EnumEntry entries[] = {{"A", 0}, {"B", 1}, {"A", 2}, {"C", 1}, {nullptr, 0}};
};

namespace {
using Colour = omu_PrimEnum<test_ColourEnm, 1>;
using Shade = omu_PrimEnum<test_ShadeEnm, 1>;
using Repeat = omu_PrimEnum<test_RepeatEnm, 1>;

// Installs a translator that records what it is given and marks its output.
struct RecordingTranslator {
    std::vector<std::string> seen;
    atr_Translator previous;
    RecordingTranslator() {
        previous = atr_SetTranslator([this](std::string_view s) {
            seen.emplace_back(s);
            return "T[" + std::string(s) + "]";
        });
    }
    ~RecordingTranslator() { atr_SetTranslator(previous); }
};

template <class Make>
std::string Refusal(Make make) { return tst_MessageOf<omu_ValueErrorException>(make); }

TEST(PrimEnum, ConstructorsRefuseWithTheirOwnMessageTranslatedBeforeSubstitution) {
    Colour green(test_ColourEnm::GREEN);
    Shade dark(test_ShadeEnm::DARK);
    struct Case {
        std::function<void()> make;
        std::string format, message;
    } const cases[] = {
        {[] { Colour c(static_cast<test_ColourEnm>(9)); },
         "omu_PrimEnum(Enum) - Enum value not allowed: %d  Permissible: %s",
         "omu_PrimEnum(Enum) - Enum value not allowed: 9  Permissible: RED, GREEN, BLUE"},
        {[] { Colour c(cow_String("red")); }, "omu_PrimEnum(const cow_String&) - str not allowed: %s  Permissible: %s",
         "omu_PrimEnum(const cow_String&) - str not allowed: red  Permissible: RED, GREEN, BLUE"},
        {[&] { Colour c(dark); }, "omu_PrimEnum(const omu_PrimEnumBase&) - str not allowed: %s",
         "omu_PrimEnum(const omu_PrimEnumBase&) - str not allowed: DARK"},
        {[] { Colour c(omu_FromStored{}, ""); },
         "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: %s  Permissible: %s",
         "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed:   Permissible: RED, GREEN, BLUE"},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Refusal(c.make), c.message);
        RecordingTranslator translator;
        EXPECT_EQ(Refusal(c.make), "T[" + c.message + "]");
        ASSERT_EQ(translator.seen.size(), 1u);
        EXPECT_EQ(translator.seen[0], c.format);
    }
    EXPECT_EQ(Colour(cow_String("BLUE")).Value(), test_ColourEnm::BLUE);
    EXPECT_EQ(Colour(omu_FromStored{}, "RED").Value(), test_ColourEnm::RED);
    EXPECT_EQ(Colour(Shade(test_ShadeEnm::RED)).Value(), test_ColourEnm::RED);
    EXPECT_EQ(green.AsString(), "GREEN");
    EXPECT_EQ(green.UnsignedValue(), 1u);
}

TEST(PrimEnum, RefusedSetValueReportsFalseAndKeepsTheValue) {
    Colour c(test_ColourEnm::BLUE);
    for (char const* refused : {"blue", "BLUE ", " BLUE", "BLU", "BLUEX", "", static_cast<char const*>(nullptr)}) {
        EXPECT_FALSE(c.SetValue(refused)) << (refused ? refused : "(null)");
        EXPECT_EQ(c.AsString(), "BLUE");
        EXPECT_EQ(c.Value(), test_ColourEnm::BLUE);
    }
    EXPECT_FALSE(c.SetValue(static_cast<test_ColourEnm>(3)));
    EXPECT_EQ(c.AsString(), "BLUE");
    EXPECT_TRUE(c.SetValue("RED"));
    EXPECT_EQ(c.Value(), test_ColourEnm::RED);
    EXPECT_TRUE(c.SetValue(test_ColourEnm::GREEN));
    EXPECT_EQ(c.AsString(), "GREEN");
}

TEST(PrimEnum, FirstMatchingEntryWinsInBothDirections) {
    Repeat r(cow_String("A"));
    EXPECT_EQ(r.UnsignedValue(), 0u);
    EXPECT_TRUE(r.SetValue(static_cast<test_RepeatEnm>(1)));
    EXPECT_EQ(r.AsString(), "B");
    EXPECT_TRUE(r.SetValue(static_cast<test_RepeatEnm>(2)));
    EXPECT_EQ(r.AsString(), "A");
    EXPECT_EQ(r.UnsignedValue(), 2u);
    EXPECT_TRUE(r.SetValue("C"));
    EXPECT_EQ(r.UnsignedValue(), 1u);
    EXPECT_EQ(r.PermissibleValuesAsString(), "A, B, A, C");
}

TEST(PrimEnum, CopiesAreIndependentAndEqualityNeedsTheSameEnumeration) {
    Colour red(test_ColourEnm::RED);
    std::unique_ptr<Colour> copy(red.Copy());
    EXPECT_TRUE(*copy == red);
    copy->SetValue("BLUE");
    EXPECT_EQ(red.AsString(), "RED");
    EXPECT_FALSE(*copy == red);
    // Same string and value, different enumeration.
    EXPECT_FALSE(red == Shade(test_ShadeEnm::RED));
    omu_Primitive const& asPrimitive = red;
    EXPECT_TRUE(asPrimitive == Colour(cow_String("RED")));
}

TEST(PrimEnum, PermissibleValuesInTableOrderAndAsMap) {
    Colour c(test_ColourEnm::RED);
    EXPECT_EQ(c.PermissibleValuesAsString(), "RED, GREEN, BLUE");
    cow_Map<cow_String, unsigned int> const expected{{"RED", 0}, {"GREEN", 1}, {"BLUE", 2}};
    EXPECT_EQ(c.PermissibleValues(), expected);
    EXPECT_STREQ(Colour::StringOf(test_ColourEnm::BLUE), "BLUE");
    EXPECT_EQ(Colour::StringOf(static_cast<test_ColourEnm>(3)), nullptr);
}

TEST(PrimEnum, FormattingFunctionTranslatesThenSubstitutesIntegerAndText) {
    EXPECT_EQ((atr<test_ColourEnm, char const*>("%d of %s", test_ColourEnm::BLUE, "x")), "2 of x");
    RecordingTranslator translator;
    EXPECT_EQ((atr<test_ColourEnm, char const*>("%d of %s", test_ColourEnm::GREEN, "y")), "T[1 of y]");
    EXPECT_EQ(translator.seen, std::vector<std::string>{"%d of %s"});
    enum class Signed : int { MINUS = -3 };
    EXPECT_EQ((atr<Signed, char const*>("%d", Signed::MINUS, "")), "T[-3]");
}

TEST(FixedString, ComparesAndConvertsAsItsText) {
    constexpr omn_FixedString name("setValues");
    EXPECT_EQ(name, "setValues");
    EXPECT_FALSE(name == "setValue");
    EXPECT_STREQ(name.c_str(), "setValues");
    EXPECT_EQ(name.String(), std::string("setValues"));
}

}  // namespace
