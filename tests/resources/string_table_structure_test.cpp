// Checks over the whole string table (both languages agree, line breaks, blanks, encoding,
// numbers without a text) and the choice of the language from the locale.
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <set>
#include <string_view>

#include "resources/string_table.h"
#include "resources/strings.h"

namespace qd470 {
namespace {

std::set<int> Numbers(std::span<const StringEntry> table) {
  std::set<int> numbers;
  for (const StringEntry& entry : table) numbers.insert(entry.number);
  return numbers;
}

int CountCrLf(std::string_view text) {
  int count = 0;
  for (std::size_t pos = text.find("\r\n"); pos != std::string_view::npos;
       pos = text.find("\r\n", pos + 2)) {
    ++count;
  }
  return count;
}

// True when every CR is followed by LF and every LF follows a CR.
bool LineBreaksAreCrLf(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (int k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

TEST(StringTableStructure, BothLanguagesHaveTheSameNumbers) {
  EXPECT_EQ(Numbers(EnglishStringTable()), Numbers(JapaneseStringTable()));
}

TEST(StringTableStructure, NumbersLieWithinTheTable) {
  for (const StringEntry& entry : EnglishStringTable()) {
    SCOPED_TRACE(entry.number);
    EXPECT_GE(entry.number, 1);
    EXPECT_LE(entry.number, kLastStringNumber);
    EXPECT_FALSE(entry.text.empty());
  }
}

TEST(StringTableStructure, JapaneseTextsAreTranslated) {
  // Only the menu separators and the OK caption read the same in both languages.
  for (const StringEntry& entry : EnglishStringTable()) {
    if (entry.text == "-" || entry.text == "OK") continue;
    SCOPED_TRACE(entry.number);
    EXPECT_NE(ResString(Language::kJapanese, entry.number), entry.text);
  }
}

TEST(StringTableStructure, JapaneseTitleDiffersFromTheEnglishOne) {
  // Start-up picks the data files by comparing string 1 with the English title.
  EXPECT_NE(ResString(Language::kJapanese, 1), "QD-470 Monitoring software");
  EXPECT_TRUE(ResString(Language::kJapanese, 1).starts_with("QD-470 "));
}

TEST(StringTableStructure, LineBreaksAreCrLfAndAgreeBetweenLanguages) {
  for (const StringEntry& entry : EnglishStringTable()) {
    SCOPED_TRACE(entry.number);
    const std::string_view japanese = ResString(Language::kJapanese, entry.number);
    EXPECT_TRUE(LineBreaksAreCrLf(entry.text));
    EXPECT_TRUE(LineBreaksAreCrLf(japanese));
    EXPECT_EQ(CountCrLf(japanese), CountCrLf(entry.text));
    // A list entry that starts with its line breaks keeps them in front in both languages.
    EXPECT_EQ(japanese.starts_with("\r\n"), entry.text.starts_with("\r\n"));
    EXPECT_EQ(japanese.ends_with("\r\n"), entry.text.ends_with("\r\n"));
  }
}

TEST(StringTableStructure, MultiLineTextsHaveTheirLineCount) {
  const struct {
    int number;
    int line_breaks;
  } kRows[] = {{243, 2}, {266, 2}, {299, 1}, {300, 1}, {302, 2}, {363, 5}};
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.number);
    EXPECT_EQ(CountCrLf(ResString(Language::kEnglish, row.number)), row.line_breaks);
    EXPECT_EQ(CountCrLf(ResString(Language::kJapanese, row.number)), row.line_breaks);
  }
}

TEST(StringTableStructure, EdgeBlanksAgreeBetweenLanguages) {
  // Captions are composed from these texts (" block " + number, "Pattern " + number), and the
  // range hints are padded; the Japanese texts keep the same blanks at either end. Multi-line
  // help texts are shown as they are and are not composed.
  for (const StringEntry& entry : EnglishStringTable()) {
    if (entry.text.find('\n') != std::string_view::npos) continue;
    SCOPED_TRACE(entry.number);
    const std::string_view japanese = ResString(Language::kJapanese, entry.number);
    EXPECT_EQ(japanese.starts_with(' '), entry.text.starts_with(' '));
    EXPECT_EQ(japanese.ends_with(' '), entry.text.ends_with(' '));
  }
}

TEST(StringTableStructure, TextsAreValidUtf8) {
  for (const StringEntry& entry : EnglishStringTable()) {
    SCOPED_TRACE(entry.number);
    EXPECT_TRUE(IsValidUtf8(entry.text));
    EXPECT_TRUE(IsValidUtf8(ResString(Language::kJapanese, entry.number)));
  }
}

TEST(StringTableStructure, NumbersWithoutTextGiveEmptyText) {
  // 0 and 591 lie outside the table, 2, 434 and 581 are gaps between numbered texts.
  for (int number : {0, -1, 2, 303, 434, 581, 591, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(number);
    EXPECT_TRUE(ResString(Language::kEnglish, number).empty());
    EXPECT_TRUE(ResString(Language::kJapanese, number).empty());
  }
}

TEST(StringTableStructure, LookupFindsTheFirstAndLastEntries) {
  const std::span<const StringEntry> table = JapaneseStringTable();
  EXPECT_EQ(ResString(Language::kJapanese, table.front().number), table.front().text);
  EXPECT_EQ(ResString(Language::kJapanese, table.back().number), table.back().text);
}

struct LocaleRow {
  const char* lc_all;
  const char* lc_messages;
  const char* lang;
  Language expected;
};

TEST(StringTableLocale, FirstSetVariableDecides) {
  constexpr LocaleRow kRows[] = {
      {nullptr, nullptr, nullptr, Language::kEnglish},
      {"", "", "", Language::kEnglish},
      {nullptr, nullptr, "ja_JP.UTF-8", Language::kJapanese},
      {nullptr, nullptr, "en_US.UTF-8", Language::kEnglish},
      {nullptr, "ja_JP.eucJP", nullptr, Language::kJapanese},
      {"ja", nullptr, nullptr, Language::kJapanese},
      // A set variable hides the later ones, whatever they say.
      {"C", nullptr, "ja_JP.UTF-8", Language::kEnglish},
      {"en_GB.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", Language::kEnglish},
      {nullptr, "en_US.UTF-8", "ja_JP.UTF-8", Language::kEnglish},
      {"ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8", Language::kJapanese},
      // An empty variable counts as not set.
      {"", "", "ja_JP.UTF-8", Language::kJapanese},
      {"", "ja_JP.UTF-8", "en_US.UTF-8", Language::kJapanese},
      // Only the prefix "ja" names Japanese.
      {nullptr, nullptr, "j", Language::kEnglish},
      {nullptr, nullptr, "POSIX", Language::kEnglish},
      {nullptr, nullptr, "de_DE.UTF-8", Language::kEnglish},
  };
  for (const LocaleRow& row : kRows) {
    SCOPED_TRACE(testing::Message() << (row.lc_all ? row.lc_all : "(null)") << " / "
                                    << (row.lc_messages ? row.lc_messages : "(null)") << " / "
                                    << (row.lang ? row.lang : "(null)"));
    EXPECT_EQ(LanguageFromLocale(row.lc_all, row.lc_messages, row.lang), row.expected);
  }
}

}  // namespace
}  // namespace qd470
