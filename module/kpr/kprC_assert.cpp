#include "module/kpr/kprC_assert.h"

#include "platform/atr/atr_String.h"
#include "platform/nex/nex_Exception.h"

namespace {
char const* RawMessage(kprC_ErrorEnm code) {
    switch (static_cast<int>(code)) {
#define KPRC_CASE(name, code, message) \
    case code: return message;
        KPRC_PUBLISHED_ERRORS(KPRC_CASE)
        KPRC_LOCAL_ERRORS(KPRC_CASE)
#undef KPRC_CASE
    default: return "";
    }
}

bool IsTranslated(kprC_ErrorEnm code) {
    return (code >= 163 && code <= 165) || (code >= 232 && code <= 244);
}
}  // namespace

cow_String kprC_ErrorMessage(kprC_ErrorEnm code) {
    cow_String message = RawMessage(code);
    // An empty message stays empty: the translator is never asked about "".
    return IsTranslated(code) && !message.empty() ? atr_translate(message) : message;
}

void kprC_Assert(bool condition, kprC_ErrorEnm code) {
    if (!condition) throw nex_TextException(kprC_ErrorMessage(code));
}
