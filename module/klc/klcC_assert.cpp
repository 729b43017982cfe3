#include "module/klc/klcC_assert.h"

#include "platform/atr/atr_String.h"
#include "platform/nex/nex_Exception.h"

namespace {
#define KLCC_CASE(name, code, message) \
    case code: return message;

char const* RawCompoundMessage(klcC_CompoundErrorEnm code) {
    switch (static_cast<int>(code)) {
        KLCC_COMPOUND_ERRORS(KLCC_CASE)
    default: return "";
    }
}
}  // namespace

cow_String klcC_ErrorMessage(klcC_ErrorEnm code) {
    switch (static_cast<int>(code)) {
        KLCC_ERRORS(KLCC_CASE)
    default: return "";
    }
}
#undef KLCC_CASE

cow_String klcC_LoadCaseContentMessage(klcC_CompoundErrorEnm code, cow_String const& name) {
    return atr_SubstituteFormat(RawCompoundMessage(code), {name});
}

void klcC_Assert(bool condition, klcC_ErrorEnm code) {
    if (!condition) throw nex_TextException(klcC_ErrorMessage(code));
}

void klcC_AssertLoadCaseContent(bool condition, klcC_CompoundErrorEnm code, cow_String const& name) {
    if (!condition) throw nex_TextException(klcC_LoadCaseContentMessage(code, name));
}
