// Lookup of the string table by number and the choice of the language from the locale.
#include "resources/strings.h"

#include <algorithm>

#include "resources/string_table.h"

namespace qd470 {

std::string_view ResString(Language lang, int number) {
  const std::span<const StringEntry> table =
      lang == Language::kJapanese ? JapaneseStringTable() : EnglishStringTable();
  const auto it =
      std::lower_bound(table.begin(), table.end(), number,
                       [](const StringEntry& entry, int wanted) { return entry.number < wanted; });
  if (it == table.end() || it->number != number) return {};
  return it->text;
}

void ReplaceFirst(std::string& text, std::string_view mark, std::string_view by) {
  if (const size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), by);
}

std::string MenuTitle(std::string_view menu_caption) {
  // A trailing "(&X)" goes as a whole; an "&" inside the text only marks the letter after it.
  if (menu_caption.size() >= 4 && menu_caption.ends_with(')') &&
      menu_caption.substr(menu_caption.size() - 4, 2) == "(&") {
    menu_caption.remove_suffix(4);
  }
  std::string title;
  for (char c : menu_caption) {
    if (c != '&') title += c;
  }
  return title;
}

Language LanguageFromLocale(const char* lc_all, const char* lc_messages, const char* lang) {
  // The first variable that is set and not empty decides, as the C library's message catalogue
  // lookup does; a later one is not consulted even if it names Japanese.
  for (const char* value : {lc_all, lc_messages, lang}) {
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).starts_with("ja") ? Language::kJapanese : Language::kEnglish;
  }
  return Language::kEnglish;
}

}  // namespace qd470
