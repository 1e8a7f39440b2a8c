// Storage of the string table: one constant array of {number, text} per language, sorted by
// number, so that lookups need no set-up work and no heap at start-up.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace qd470 {

struct StringEntry {
  int number;
  std::string_view text;
};

// True when the numbers of `table` rise strictly (sorted, no number twice).
template <std::size_t N>
constexpr bool IsStrictlyAscending(const StringEntry (&table)[N]) {
  for (std::size_t i = 1; i < N; ++i) {
    if (table[i - 1].number >= table[i].number) return false;
  }
  return true;
}

std::span<const StringEntry> EnglishStringTable();
std::span<const StringEntry> JapaneseStringTable();

}  // namespace qd470
