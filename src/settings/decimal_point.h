// Decimal places of the current edit item (EditDp), from its setting number and the input of the
// controller being edited.
#pragma once

#include <cstdint>

#include "model/program_state.h"

namespace qd470 {

// Sets EditDp for EditItem of controller SetCh.
void setdecimalpoint(ProgramState& st);

}  // namespace qd470
