// Raw limits of the current edit item (EditLo, EditHi): the limits table of both controller-type
// columns and the rules it names.
#pragma once

#include <cstdint>
#include <optional>

#include "model/program_state.h"

namespace qd470 {

// Sets EditLo and EditHi for the current edit item; controller type 1 goes to set_limB.
void set_lim(ProgramState& st);
void set_limB(ProgramState& st);

// Span of the input type of controller SetCh (types other than 1): rated high minus rated low,
// scaling high minus scaling low for a DC input, empty for a code outside 0 to 33.
std::optional<int32_t> cal_scale_band(const ProgramState& st);

// Rules of the controller types other than 1, for controller SetCh.
void LimSh(ProgramState& st);
void LimSl(ProgramState& st);
void LimTrsh(ProgramState& st);
void LimTrsl(ProgramState& st);
void LimAlarm(ProgramState& st, int16_t f);

// Rules of controller type 1, for controller dev.
void LimAlarmB(ProgramState& st, int16_t dev, int16_t f);
void LimTrshB(ProgramState& st, int16_t dev);
void LimTrslB(ProgramState& st, int16_t dev);
void LimOutB(ProgramState& st, int16_t dev);

}  // namespace qd470
