#include "module/klo/kloC_assert.h"

#include <algorithm>
#include <array>

#include "platform/atr/atr_String.h"
#include "platform/nex/nex_Exception.h"

namespace {
char const* RawMessage(kloC_ErrorEnm code) {
    switch (static_cast<int>(code)) {
#define KLOC_CASE(name, code, message) \
    case code: return message;
        KLOC_ERRORS(KLOC_CASE)
#undef KLOC_CASE
    default: return "";
    }
}

// The codes that scripts see as a refused value rather than a refused command.
constexpr std::array<int, 13> valueErrorCodes{2, 5, 17, 19, 20, 21, 31, 32, 37, 38, 39, 40, 42};
}  // namespace

cow_String kloC_ErrorMessage(kloC_ErrorEnm code) {
    cow_String message = RawMessage(code);
    return message.empty() ? message : atr_translate(message);
}

void kloC_Assert(bool condition, kloC_ErrorEnm code) {
    if (condition) return;
    if (std::ranges::find(valueErrorCodes, static_cast<int>(code)) != valueErrorCodes.end())
        throw omu_ValueErrorException(kloC_ErrorMessage(code));
    throw nex_TextException(kloC_ErrorMessage(code));
}
