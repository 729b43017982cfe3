#pragma once
// The procedures module's assertion: turns a kprC_ErrorEnm code into a nex_TextException
// carrying the code's message. Exported for the other libraries of the host.
#include "module/kpr/kprC_ErrorCodes.h"
#include "platform/cow/cow_String.h"

// Codes 0 to 244; the underlying type is fixed so that any number converts safely.
enum kprC_ErrorEnm : int {
#define KPRC_ENUMERATOR(name, code, message) kprC_##name = code,
    KPRC_PUBLISHED_ERRORS(KPRC_ENUMERATOR)
    KPRC_LOCAL_ERRORS(KPRC_ENUMERATOR)
#undef KPRC_ENUMERATOR
    kprC_LAST_ERROR = 244
};

// The message raised for `code`: the raw text, translated for 163-165 and 232-244;
// empty for a code without a message.
cow_String kprC_ErrorMessage(kprC_ErrorEnm code);

// Throws nex_TextException with kprC_ErrorMessage(code) when `condition` is false.
void kprC_Assert(bool condition, kprC_ErrorEnm code);
