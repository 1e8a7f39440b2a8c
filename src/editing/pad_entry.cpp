// The numeric pad's entry.
#include "editing/pad_entry.h"

namespace qd470 {

void PadEntry::AppendDigit(int d) {
  if (d < 0 || d > 9) return;
  const int64_t v = Value();
  constexpr int64_t kLargestBeforeLastDigit = 99'999'999'999'999'999;  // 17 digits
  if (v > kLargestBeforeLastDigit || v < -kLargestBeforeLastDigit) return;
  value_ = v < 0 ? v * 10 - d : v * 10 + d;
}

}  // namespace qd470
