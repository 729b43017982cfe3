#include "platform/atr/atr_String.h"

#include <mutex>

namespace {
std::mutex translatorMutex;
atr_Translator& Translator() {
    static atr_Translator translator;
    return translator;
}
}  // namespace

atr_String atr_translate(std::string_view text) {
    std::lock_guard lock(translatorMutex);
    auto const& translator = Translator();
    if (translator) return translator(text);
    // A registered text may end in a translation context, "\@CONTEXT", that tells
    // translators apart two uses of one word; it is never shown.
    return std::string(text.substr(0, text.find("\\@")));
}

atr_Translator atr_SetTranslator(atr_Translator translator) {
    std::lock_guard lock(translatorMutex);
    std::swap(Translator(), translator);
    return translator;
}

atr_String atr_SubstituteFormat(std::string_view format, std::vector<std::string> const& values) {
    std::string out;
    out.reserve(format.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        if (format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // A conversion: optional flags, width and precision, then a letter.
        std::size_t end = i + 1;
        while (end < format.size() && std::string_view("-+ #0123456789.lhz").find(format[end]) != std::string_view::npos)
            ++end;
        if (end >= format.size() || next >= values.size()) {
            out += format.substr(i, end + 1 - i);
            i = end;
            continue;
        }
        out += values[next++];
        i = end;
    }
    return out;
}
