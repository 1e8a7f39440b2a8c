// The program's string table: every visible text, menu caption and message by number, in English
// and in Japanese, and the choice of the language from the locale.
#pragma once

#include <string>
#include <string_view>

namespace qd470 {

enum class Language { kEnglish, kJapanese };

// Highest string number the table can hold.
inline constexpr int kLastStringNumber = 590;

// Text of string `number` in `lang`; empty for a number that has no text.
std::string_view ResString(Language lang, int number);

// Puts `by` in place of the first `mark` ("%1", "%2") of a text that takes numbers or names.
void ReplaceFirst(std::string& text, std::string_view mark, std::string_view by);

// The title of a dialog opened from a menu: the menu's text without its access key
// ("Printer Selection(&S)" gives "Printer Selection").
std::string MenuTitle(std::string_view menu_caption);

// Japanese when LC_ALL, else LC_MESSAGES, else LANG (the first one that is set and non-empty)
// begins with "ja"; English otherwise. Arguments may be null.
Language LanguageFromLocale(const char* lc_all, const char* lc_messages, const char* lang);

}  // namespace qd470
