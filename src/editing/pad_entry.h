// The numeric pad's entry: a signed whole number in raw units, typed digit by digit from the
// right, or nothing at all. Held as a number of at most 18 digits, so that no run of keys can
// overflow it; an entry that long lies far outside every setting's limits and is refused there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qd470 {

class PadEntry {
 public:
  static constexpr int kMaxDigits = 18;

  bool Empty() const { return !value_; }
  // The number the entry reads; 0 when it is empty.
  int64_t Value() const { return value_.value_or(0); }
  // The plain decimal text of the entry ("", "0", "7", "-53").
  std::string Text() const { return value_ ? std::to_string(*value_) : std::string(); }

  // The entry followed by digit d: 12 and 3 give 123, -5 and 3 give -53. A digit beyond
  // kMaxDigits is not taken.
  void AppendDigit(int d);
  // Minus the entry; an empty entry becomes 0.
  void Negate() { value_ = -Value(); }
  void Clear() { value_.reset(); }

 private:
  std::optional<int64_t> value_;
};

}  // namespace qd470
