// What the device link keeps between communication ticks: the poll position, the guard that
// keeps a tick from starting inside another, where a running job shows its progress and what it
// has moved.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <utility>

#include "model/program_state.h"

namespace qd470 {

namespace forms {
class ProgressBar;
}

// What the running job moved between memory and a controller.
struct JobRecord {
  // The settings (controller, data item) that the job made hold one value in memory and in the
  // controller: stored from a read, acknowledged as written, or overwritten by the copy in memory.
  std::set<std::pair<int16_t, uint16_t>> moved;
  // Values of the job's last pass of all settings stored from the controller or acknowledged by
  // it, counted per place (the pattern values stand ten times in a pass).
  int values = 0;
  // The sequence number of the last one-item write queued when the job started: only writes
  // waiting from before the job can be ended by it.
  uint32_t writes_before = 0;
  bool Moved(int16_t dev, uint16_t item) const { return moved.count({dev, item}) != 0; }
};

struct LinkState {
  int16_t poll_dev = 0;   // controller of the next poll step
  int16_t poll_item = 0;  // index into the poll items of that controller
  bool in_tick = false;   // a communication tick is running
  // Controllers whose last write attempt was neither acknowledged nor refused (no reply, busy,
  // garbled). Their writes wait until the ticks have polled one other controller, so that the
  // cycle goes on and its end shows the trouble; writes to the others go out meanwhile.
  std::set<int16_t> write_failed;
  // A write of a fixed-value output limit goes out over three ticks: the mode read, the request
  // for setting mode when needed, the write. The write (by sequence number) and its next step.
  enum class ModeStep { kRead, kAsk, kWrite };
  uint32_t mode_write = 0;
  ModeStep mode_step = ModeStep::kRead;
  // Controllers whose auto-tuning has ended, oldest first: their PID values are read again, one
  // read a tick, from read `at_end_read` of the first one on.
  std::deque<int16_t> at_end;
  int at_end_read = 0;
  // Progress of the running transfer: the bar it moves (none when null) and the count it
  // started from (1933 for the sending half of a copy).
  forms::ProgressBar* progress = nullptr;
  int progress_base = 0;
  JobRecord job;  // of the running job, or of the read of a controller while it runs
};

}  // namespace qd470
