// Operator commands of the main screen: which setting number and value each command button
// queues, by the controller's status word.
#pragma once

#include <cstdint>

#include "model/program_state.h"

namespace qd470 {

enum class Command {
  kRun,         // cmdAM32run: run
  kStop,        // cmdAM32stop: stop
  kRunStop,     // cmdAMrun, cmdSelrun: run or stop, the opposite of the running bit
  kHold,        // cmdAMhold, cmdSelhold: hold, or run on when the controller already holds
  kAdvance,     // cmdAMadv, cmdSeladv: step advance
  kBack,        // cmdAMbadv, cmdSelbadv: step back
  kMode,        // cmdAMprg, cmdSelprg: program or fixed-value mode
  kAutoTuning,  // cmdAMat, cmdSelat: auto-tuning on or off
  kManual,      // cmdAMmu, cmdSelmanu: manual or auto
};

// Setting number of the manual MV, written by the up-downs without the pad.
inline constexpr int16_t kManualMvItem = 103;

struct CommandWrite {
  int16_t item;   // setting number 96 to 102
  int16_t value;  // raw value sent
};

// The write a command stands for, given the controller's status word.
CommandWrite CommandFor(Command command, int16_t status);

// Queues the command for controller `ch` through the request slot.
void QueueCommand(ProgramState& st, int ch, Command command);

// Queues manual MV `value` (setting 103) for controller `ch` when it is in manual mode and the
// value lies within its limits: stores it into ManMvTbl first. Returns whether it queued.
bool QueueManualMv(ProgramState& st, int ch, int16_t value);

}  // namespace qd470
