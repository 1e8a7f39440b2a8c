// What the device link keeps between communication ticks: the poll position, the guard that
// keeps a tick from starting inside another, and where a running job shows its progress.
#pragma once

#include <cstdint>

namespace qd470 {

namespace forms {
class ProgressBar;
}

struct LinkState {
  int16_t poll_dev = 0;   // controller of the next poll step
  int16_t poll_item = 0;  // index into the poll items of that controller
  bool in_tick = false;   // a communication tick is running
  // Progress of the running transfer: the bar it moves (none when null) and the count it
  // started from (1933 for the sending half of a copy).
  forms::ProgressBar* progress = nullptr;
  int progress_base = 0;
};

}  // namespace qd470
