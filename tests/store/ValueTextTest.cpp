#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "store/sto_ModelFileException.h"
#include "store/sto_ValueText.h"

namespace {

using Ints = std::vector<std::int64_t>;
using Doubles = std::vector<double>;
using Strings = std::vector<std::string>;

dbs_Value Nested(int depth) {
    dbs_Value v = 1;
    for (int i = 0; i < depth; ++i) v = dbs_List{v};
    return v;
}

TEST(ValueText, EveryKindHasItsTextAndReadsBackAsTheSameKindAndValue) {
    double const unset = 1.7976931348623157e308;
    struct Case {
        dbs_Value value;
        std::string text;
    } const cases[] = {
        {dbs_Value(), R"({"undefined":true})"}, {dbs_Null{}, "null"}, {42, "42"},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
        {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"}, {42.0, "42.0"}, {-0.0, "-0.0"}, {0.1, "0.1"},
        {unset, "1.7976931348623157e+308"}, {5e-324, "5e-324"}, {HUGE_VAL, R"({"double":"inf"})"},
        {-HUGE_VAL, R"({"double":"-inf"})"}, {"", R"("")"},
        {std::string("q\"b\\s\n\t\x01\x7f\0z", 11), R"("q\"b\\s\n\t\u0001\u007f\u0000z")"},
        {"caf\xc3\xa9 \xff", "\"caf\xc3\xa9 \xff\""}, {true, "true"}, {false, "false"},
        {dbs_EnumString{"ON"}, R"({"enum":"ON"})"}, {dbs_Ref{0x023C0065, 7}, R"({"ref":[37486693,7]})"},
        {dbs_List{}, "[]"},
        {dbs_List{1, 1.0, "1", dbs_Null{}, dbs_Value(), dbs_List{dbs_Ref{2, 0}}},
         R"([1,1.0,"1",null,{"undefined":true},[{"ref":[2,0]}]])"},
        {dbs_List{dbs_List{1, dbs_List{2, dbs_List{3}}, 4}, dbs_List{dbs_Value(dbs_List{5})}, dbs_List{}, 6},
         "[[1,[2,[3]],4],[[5]],[],6]"},
        {dbs_Map{}, R"({"map":[]})"},
        {dbs_Map{{"a", dbs_EnumString{"X"}}, {2, dbs_Map{{dbs_Null{}, Ints{}}}}},
         R"({"map":[["a",{"enum":"X"}],[2,{"map":[[null,{"ints":[]}]]}]]})"},
        {Ints{-1, 0, 9}, R"({"ints":[-1,0,9]})"},
        {Doubles{1, unset, -HUGE_VAL}, R"({"doubles":[1.0,1.7976931348623157e+308,{"double":"-inf"}]})"},
        {Strings{"a", ""}, R"({"strings":["a",""]})"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(sto_ValueText(c.value), c.text);
        auto back = sto_ParseValueText(c.text);
        EXPECT_EQ(back.Kind(), c.value.Kind());
        EXPECT_EQ(back, c.value);
        if (c.value.Kind() == dbs_Kind::Double) {
            EXPECT_EQ(std::signbit(back.AsDouble()), std::signbit(c.value.AsDouble()));
        }
    }
}

TEST(ValueText, NanKeepsItsBits) {
    double nan = std::bit_cast<double>(std::uint64_t(0x7ff8000000000123));
    EXPECT_EQ(sto_ValueText(nan), R"({"double":"0x7ff8000000000123"})");
    EXPECT_EQ(std::bit_cast<std::uint64_t>(sto_ParseValueText(sto_ValueText(nan)).AsDouble()), 0x7ff8000000000123u);
}

TEST(ValueText, ReadsHandWrittenJson) {
    EXPECT_EQ(sto_ParseValueText(" [ 1 , \"\\u00e9\\ud83d\\ude00\\/\" , {\"enum\" : \"A\"} ] "),
              dbs_Value(dbs_List{1, "\xc3\xa9\xf0\x9f\x98\x80/", dbs_EnumString{"A"}}));
    EXPECT_EQ(sto_ParseValueText("1E2").Kind(), dbs_Kind::Double);
}

TEST(ValueText, RefusesMalformedTextNamingTheProblem) {
    struct Case {
        std::string text, message;
    } const cases[] = {
        {"", "missing value at offset 0 of value text"}, {"[1,", "missing value at offset 3 of value text"},
        {"[1 2]", "expected ']' at offset 3 of value text"},
        {"1 1", "unexpected text after the value at offset 2 of value text"},
        {"\"abc", "unterminated string at offset 4 of value text"},
        {"\"a\x01\"", "control character in string at offset 3 of value text"},
        {R"("\q")", "bad escape at offset 3 of value text"},
        {R"("\ud800")", "unpaired surrogate at offset 7 of value text"},
        {"9223372036854775808", "integer out of range at offset 19 of value text"},
        {"1e999", "number out of range at offset 5 of value text"}, {"-", "bad number at offset 1 of value text"},
        {"nul", "unexpected character at offset 0 of value text"},
        {R"({"set":[]})", "unknown tag \"set\" at offset 7 of value text"},
        {R"({"ref":[-1,0]})", "class id out of range at offset 13 of value text"},
        {R"({"ref":[1,0.5]})", "expected an integer at offset 13 of value text"},
        {R"({"doubles":[1]})", "a double array holds a value that is not a double at offset 13 of value text"},
        {R"({"double":"nan"})", "bad special double \"nan\" at offset 15 of value text"},
        {R"({"enum":"A","x":1})", "expected '}' at offset 11 of value text"},
        {R"({"undefined":false})", "expected true at offset 13 of value text"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            sto_ParseValueText(c.text);
            ADD_FAILURE() << "accepted";
        } catch (sto_Problem const& p) {
            EXPECT_EQ(p.text, c.message);
        }
    }
}

TEST(ValueText, NestingIsLimitedTheSameWayOnBothSides) {
    auto deepest = sto_ValueText(Nested(sto_MaxValueDepth));
    EXPECT_EQ(sto_ParseValueText(deepest), Nested(sto_MaxValueDepth));
    EXPECT_THROW(sto_ValueText(Nested(sto_MaxValueDepth + 1)), sto_Problem);
    EXPECT_THROW(sto_ParseValueText("[" + deepest + "]"), sto_Problem);
    EXPECT_THROW(sto_ParseValueText(std::string(100000, '[')), sto_Problem);
}

}  // namespace
