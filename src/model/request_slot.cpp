// The request slot of the one-item write: the queue of writes waiting for their controllers.
#include "model/request_slot.h"

#include <algorithm>

#include "model/setting_catalogue.h"

namespace qd470 {
namespace {

// The waiting write that a new write of setting `number` to (ch, item) replaces: the one of the
// same place, never a command. Pending.end() when there is none.
auto SamePlace(const std::deque<PendingWrite>& pending, int ch, int number, uint16_t item) {
  if (IsOperatorCommand(number)) return pending.end();
  return std::find_if(pending.begin(), pending.end(), [&](const PendingWrite& w) {
    return w.SetCh == ch && w.item == item && !IsOperatorCommand(w.EditItem);
  });
}

PendingWrite* SamePlace(ProgramState& state, uint16_t item) {
  const auto it = SamePlace(state.Pending, state.SetCh, state.EditItem, item);
  return it == state.Pending.end() ? nullptr : &state.Pending[it - state.Pending.begin()];
}

}  // namespace

bool IsOperatorCommand(int number) {
  const SettingDef* def = FindSetting(number);
  return def && def->kind == SettingKind::kCommand && def->table == SettingTable::kNone;
}

bool WriteRoom(const ProgramState& state, int ch, int number, int pattern, int index) {
  // Without a line nothing is sent, and settings may be prepared for a file: no bound then.
  if (state.PortOpen == 0 || state.Pending.size() < kMaxWaitingWrites) return true;
  const auto item = WireItemMap(number, pattern, index);
  return item && SamePlace(state.Pending, ch, number, *item) != state.Pending.end();
}

bool QueueWrite(ProgramState& state, std::optional<int16_t> before) {
  const auto item = WireItemMap(state.EditItem, state.SetPtn, state.EditIdx);
  if (!item || !WriteRoom(state, state.SetCh, state.EditItem, state.SetPtn, state.EditIdx)) {
    return false;
  }
  PendingWrite write{state.SetCh, state.SetPtn, state.EditItem, state.EditIdx,     state.SendVal,
                     *item,       before,       std::nullopt,   ++state.PendingSeq};
  if (PendingWrite* same = SamePlace(state, *item)) {
    write.before = same->before;
    write.pulled_before = same->pulled_before;
    write.seq = same->seq;  // it keeps its turn
    *same = write;
  } else {
    state.Pending.push_back(write);
  }
  // A bulk job requested or running keeps its job word; the write goes out after the job.
  if (state.SendReq == 0 || state.SendReq == 1) state.SendReq = 1;
  return true;
}

void NotePulled(ProgramState& state, uint8_t code, int16_t old) {
  const auto item = WireItemMap(state.EditItem, state.SetPtn, state.EditIdx);
  if (!item) return;
  PendingWrite* write = SamePlace(state, *item);
  if (write && !write->pulled_before) write->pulled_before = {code, old};
}

bool WriteWaits(const ProgramState& state, int ch, std::optional<uint16_t> item) {
  return std::any_of(state.Pending.begin(), state.Pending.end(), [&](const PendingWrite& w) {
    return w.SetCh == ch && (!item || (w.item == *item && !IsOperatorCommand(w.EditItem)));
  });
}

PendingWrite* FindWrite(ProgramState& state, uint32_t seq) {
  const auto it = std::find_if(state.Pending.begin(), state.Pending.end(),
                               [&](const PendingWrite& w) { return w.seq == seq; });
  return it == state.Pending.end() ? nullptr : &*it;
}

void UndoWrite(ProgramState& state, uint32_t seq) {
  const PendingWrite* write = FindWrite(state, seq);
  if (!write) return;
  if (write->before) {
    WriteSetting(state, write->EditItem, write->SetCh, write->SetPtn, write->EditIdx,
                 *write->before);
  }
  if (write->pulled_before) {
    state.PrmData[write->pulled_before->first][write->SetCh] = write->pulled_before->second;
  }
  DropWrite(state, seq);
}

void DropWrite(ProgramState& state, uint32_t seq) {
  std::erase_if(state.Pending, [&](const PendingWrite& w) { return w.seq == seq; });
  if (state.Pending.empty() && state.SendReq == 1) state.SendReq = 0;
}

}  // namespace qd470
