// A compile-time set of setting numbers (0 to 127), written as single numbers and ranges, so
// that a row of an edit-item table lists its setting numbers the way a reader would.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace qd470 {

// An inclusive run of setting numbers: {5, 8} is 5 to 8, {60} is 60 alone.
struct ItemRun {
  constexpr ItemRun(int first_number) : first(first_number), last(first_number) {}
  constexpr ItemRun(int first_number, int last_number) : first(first_number), last(last_number) {}
  int first;
  int last;
};

class ItemSet {
 public:
  static constexpr int kCapacity = 128;

  constexpr ItemSet(std::initializer_list<ItemRun> runs) {
    for (const ItemRun& run : runs) {
      for (int n = run.first; n <= run.last; ++n) Add(n);
    }
  }

  constexpr bool Contains(int n) const {
    if (n < 0 || n >= kCapacity) return false;
    return (bits_[n / 64] >> (n % 64)) & 1u;
  }

  constexpr bool Overlaps(const ItemSet& other) const {
    return (bits_[0] & other.bits_[0]) != 0 || (bits_[1] & other.bits_[1]) != 0;
  }

 private:
  constexpr void Add(int n) {
    if (n >= 0 && n < kCapacity) bits_[n / 64] |= uint64_t{1} << (n % 64);
  }

  uint64_t bits_[2] = {0, 0};
};

}  // namespace qd470
