// The one request slot of the one-item write.
#include "model/request_slot.h"

namespace qd470 {

void QueueWrite(ProgramState& state) {
  state.Pending.SetCh = state.SetCh;
  state.Pending.SetPtn = state.SetPtn;
  state.Pending.EditItem = state.EditItem;
  state.Pending.EditIdx = state.EditIdx;
  state.Pending.SendVal = state.SendVal;
  state.Pending.Queued = true;
  // A bulk job requested or running keeps its job word; the write goes out after the job.
  if (state.SendReq == 0 || state.SendReq == 1) state.SendReq = 1;
}

}  // namespace qd470
