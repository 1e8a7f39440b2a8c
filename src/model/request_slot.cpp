// The request slot of the one-item write: the queue of writes waiting for their controllers.
#include "model/request_slot.h"

#include <algorithm>

#include "model/setting_catalogue.h"

namespace qd470 {
namespace {

// A waiting write of controller ch that sets data item `item`: a command stores nothing there
// and sets no place (the items of the commands are theirs alone).
bool SetsPlace(const PendingWrite& w, int ch, uint16_t item) {
  return w.SetCh == ch && w.item == item && !IsOperatorCommand(w.EditItem);
}

// The waiting write of the place the slot fields name, nullptr when none.
PendingWrite* SamePlace(ProgramState& state, uint16_t item) {
  const auto it =
      std::find_if(state.Pending.begin(), state.Pending.end(),
                   [&](const PendingWrite& w) { return SetsPlace(w, state.SetCh, item); });
  return it == state.Pending.end() ? nullptr : &*it;
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
  return item && WriteWaits(state, ch, *item);
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
    return item ? SetsPlace(w, ch, *item) : w.SetCh == ch;
  });
}

void UndoWrite(ProgramState& state, uint32_t seq) {
  const auto it = std::find_if(state.Pending.begin(), state.Pending.end(),
                               [&](const PendingWrite& w) { return w.seq == seq; });
  if (it == state.Pending.end()) return;
  // Only a value still as the edit left it goes back: one replaced since (a file loaded, a
  // copy) stays. A pulled SV limit was set to the scaling value written.
  const PendingWrite& w = *it;
  if (w.before && ReadSetting(state, w.EditItem, w.SetCh, w.SetPtn, w.EditIdx) == w.SendVal) {
    WriteSetting(state, w.EditItem, w.SetCh, w.SetPtn, w.EditIdx, *w.before);
  }
  if (w.pulled_before && state.PrmData[w.pulled_before->first][w.SetCh] == w.SendVal) {
    state.PrmData[w.pulled_before->first][w.SetCh] = w.pulled_before->second;
  }
  DropWrite(state, seq);
}

void DropWrite(ProgramState& state, uint32_t seq) {
  std::erase_if(state.Pending, [&](const PendingWrite& w) { return w.seq == seq; });
  if (state.Pending.empty() && state.SendReq == 1) state.SendReq = 0;
}

}  // namespace qd470
