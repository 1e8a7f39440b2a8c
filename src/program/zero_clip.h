// `QD470.ZeroClip`: turns "nothing selected" into the first entry.
#pragma once

#include <cstdint>

namespace qd470::QD470 {

// Turns a negative value (a list with nothing selected) into 0, in place; returns the result.
int16_t ZeroClip(int16_t& x);

}  // namespace qd470::QD470
