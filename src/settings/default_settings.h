// The default settings of all 32 controllers (`Datainitial`) and the input-range defaults they
// take from each controller's specification record.
#pragma once

#include <cstdint>

#include "model/program_state.h"

namespace qd470 {

// Raw low and high of an input type, as the default setting-value, transmission and scaling
// limits use them.
struct DefaultRange {
  int16_t low;
  int16_t high;
};

// The default range of input type `in_range`: from the 44-entry table when `ctrl_type` is 1, else
// from the 34-entry table. A negative type or one beyond the end of its table gives the range of
// type 0.
DefaultRange DefaultInputRange(int16_t ctrl_type, int16_t in_range);

// Writes the fixed defaults, the input-range defaults and the block defaults into the setting
// tables of controllers 0 to 31. A negative InRange in DevRec is set to 0 in memory. Every other
// setting keeps its value; nothing is sent. Every controller then holds the defaults (SourceTbl).
void Datainitial(ProgramState& state);

}  // namespace qd470
