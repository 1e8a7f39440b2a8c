// `QD470.ZeroClip`.
#include "program/zero_clip.h"

namespace qd470::QD470 {

int16_t ZeroClip(int16_t& x) {
  if (x < 0) x = 0;
  return x;
}

}  // namespace qd470::QD470
