// The one request slot of the one-item write: the only way a screen queues a write to a
// controller.
#pragma once

#include "model/program_state.h"

namespace qd470 {

// Queues a one-item write of SendVal to the target named by SetCh, SetPtn, EditItem and EditIdx.
// The target and value are copied into Pending, so a later refresh or selection on the settings
// screen (which reuses those fields) cannot redirect the write. A newer request replaces a
// pending one. Sets SendReq to 1, unless a bulk job (2 to 5) is requested or running: the job
// keeps its word and the communication tick sends the write after it.
void QueueWrite(ProgramState& state);

}  // namespace qd470
