#pragma once
// Shared helpers of the module assertion tests: what a call threw, and a translator
// that marks every text it is asked about.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/atr/atr_String.h"
#include "platform/nex/nex_Exception.h"

enum class Thrown { Nothing, Text, ValueError, Other };

struct Outcome {
    Thrown kind;
    std::string message;
};

template <class Call>
Outcome RunAssert(Call&& call) {
    try {
        call();
        return {Thrown::Nothing, ""};
    } catch (nex_TextException const& e) {
        return {Thrown::Text, e.Message()};
    } catch (omu_ValueErrorException const& e) {
        return {Thrown::ValueError, e.Message()};
    } catch (...) {
        return {Thrown::Other, ""};
    }
}

// One expected refusal: the code, its exact message and the kind of exception.
struct AssertCase {
    int code;
    std::string message;
    Thrown kind = Thrown::Text;
};

// Checks every case against what `fail(code)` threw.
template <class Fail>
void ExpectRefusals(std::vector<AssertCase> const& cases, Fail&& fail) {
    for (auto const& [code, message, kind] : cases) {
        Outcome outcome = fail(code);
        EXPECT_EQ(outcome.kind, kind) << code;
        EXPECT_EQ(outcome.message, message) << code;
    }
}

inline std::string Marked(std::string_view text) { return "<" + std::string(text) + ">"; }

// Installs the marking translator for the lifetime of the object.
class MarkingTranslator {
public:
    MarkingTranslator() : previous_(atr_SetTranslator([](std::string_view text) { return Marked(text); })) {}
    ~MarkingTranslator() { atr_SetTranslator(previous_); }
    MarkingTranslator(MarkingTranslator const&) = delete;
    MarkingTranslator& operator=(MarkingTranslator const&) = delete;

private:
    atr_Translator previous_;
};
