#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quintaro {

// Texts the core puts together for the player are looked up here in the player's
// language. The program installs a translator at start-up; without one (the core's own
// tests, the command-line tools) every text stays as written, in English.
//
// The translators' tools find a text where it is written: as a literal in the call, or,
// for one kept in a table and passed here later, marked with QUINTARO_TEXT in that table
// under the same context. `count` fills "%n" in the text, and chooses its plural form.
using TextTranslator = std::string (*)(const char* context, const char* source,
                                       const char* disambiguation, int count);

void setTextTranslator(TextTranslator translator);

std::string translatedText(const char* context, const char* source,
                           const char* disambiguation = nullptr, int count = -1);

// `text` with each "%1" to "%9" replaced by the value of that number, as Qt's arg() does,
// so a translation may put them in its own order. A marker without a value is left.
std::string withArguments(std::string text, std::initializer_list<std::string_view> values);

} // namespace quintaro

// Marks a literal kept in a table for the translators' tools; where it is shown, it goes
// through translatedText (or Qt's translate) with the same context.
#define QUINTARO_TEXT(context, text) text
