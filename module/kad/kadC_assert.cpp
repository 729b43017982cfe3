#include "module/kad/kadC_assert.h"

#include "platform/nex/nex_Exception.h"

cow_String kadC_ErrorMessage(kadC_ErrorEnm code) {
    switch (static_cast<int>(code)) {
#define KADC_CASE(name, code, message) \
    case code: return message;
        KADC_ERRORS(KADC_CASE)
#undef KADC_CASE
    default: return "";
    }
}

void kadC_Assert(bool condition, kadC_ErrorEnm code) {
    if (!condition) throw nex_TextException(kadC_ErrorMessage(code));
}
