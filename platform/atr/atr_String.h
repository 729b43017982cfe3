#pragma once
// Text translation: identity unless the host installs a translator, and the
// placeholder substitution used to build messages.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

using atr_String = std::string;
using atr_Translator = std::function<std::string(std::string_view)>;

// Without an installed translator: the text itself, less a trailing translation
// context "\@CONTEXT" ("Frequency\@PROCEDURE_FREQUENCY" reads "Frequency").
atr_String atr_translate(std::string_view text);

// Installs a translator for every later atr_translate call; an empty function restores identity.
// Returns the translator that was installed before.
atr_Translator atr_SetTranslator(atr_Translator translator);

// Replaces the printf-style placeholders (%d, %s, ...) of `format` in one pass: the
// i-th placeholder by values[i]. "%%" stands for a single "%"; placeholders without a
// value are left as they are, so a substituted value is never scanned again.
atr_String atr_SubstituteFormat(std::string_view format, std::vector<std::string> const& values);
