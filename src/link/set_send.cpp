// The one-item writes of the request slot: the communication tick sends the oldest waiting write
// of a controller until the controller acknowledges or refuses it, one transaction a tick. After
// any other answer (no reply, busy, garbled) that controller's writes wait until one other
// controller has been polled; the writes of the others go out meanwhile.
#include "link/qd470_link.h"
#include "model/request_slot.h"
#include "model/setting_catalogue.h"
#include "program/program.h"
#include "settings/subdisp_set.h"

namespace qd470::QD470 {
namespace {

constexpr int16_t kModeFirst = 43, kModeLast = 47;  // fixed-value output limits and rate
constexpr int kRefused = 468, kSettingMode = 469;

using ModeStep = LinkState::ModeStep;

bool Answered(RecvCode code) { return code == kRecvAck || code == kRecvRefused; }

// The write that goes out next: the oldest waiting write of a controller whose last attempt did
// not fail, so that each controller gets its writes in the order they were made.
PendingWrite* NextWrite(Program& p) {
  for (PendingWrite& write : p.Pending) {
    if (!p.Link().write_failed.count(write.SetCh)) return &write;
  }
  return nullptr;
}

// The transaction of this tick for `write`: a step of the setting-mode access that comes before
// a fixed-value output limit, or the write itself (`wrote` set).
RecvCode Attempt(Program& p, const PendingWrite& write, bool& wrote) {
  LinkState& link = p.Link();
  wrote = false;
  if (write.EditItem >= kModeFirst && write.EditItem <= kModeLast) {
    if (link.mode_write != write.seq) link.mode_write = write.seq, link.mode_step = ModeStep::kRead;
    if (link.mode_step == ModeStep::kRead) {
      bool in_mode = false;
      const RecvCode code = ReadMode(p, write.SetCh, &in_mode);
      if (Answered(code)) link.mode_step = in_mode ? ModeStep::kWrite : ModeStep::kAsk;
      return code;
    }
    if (link.mode_step == ModeStep::kAsk) {
      const RecvCode code = AskMode(p, write.SetCh);
      if (Answered(code)) link.mode_step = ModeStep::kWrite;
      return code;
    }
    link.mode_write = 0;
  }
  wrote = true;
  return WriteItem(p, write.SetCh, write.item, write.SendVal);
}

// The controller holds the value sent: the write is done with.
void Acknowledged(Program& p, const PendingWrite& sent) {
  DropWrite(p, sent.seq);
  if (p.SendReq2 != 0) {
    p.Form<SubDisp_Set>().SetDispUpDate();
    p.SendReq2 = 0;
  }
}

// The controller keeps its old value: memory and the screen return to it, and the operator is
// told. The settings screen shows it when it shows that controller (the pattern number and the
// manual MV are shown on the main screen, at the end of the poll cycle).
void Refused(Program& p, const PendingWrite& sent) {
  UndoWrite(p, sent.seq);
  const SettingDef* def = FindSetting(sent.EditItem);
  SubDisp_Set& screen = p.Form<SubDisp_Set>();
  if (sent.before && def && def->kind != SettingKind::kCommand && screen.ShownCh() == sent.SetCh) {
    screen.SetDispUpDate();
  }
  p.MsgBox(p.LoadResString(kRefused) + "\n" + p.LoadResString(kSettingMode));
}

}  // namespace

void SetSend(Program& p) {
  if (p.PortOpen == 0) return;
  SubDisp_Set& screen = p.Form<SubDisp_Set>();
  screen.ShowWaitText();
  if (auto* pump = p.Svc().pump) pump->DoEvents();
  if (p.EndReq == -1) return;  // the program ends: nothing more is sent or shown
  if (p.SendReq != 1) return;  // a job was requested meanwhile; the writes wait for it
  if (p.Pending.empty()) {
    p.SendReq = 0;
    return;
  }
  LinkState& link = p.Link();
  std::erase_if(link.write_failed, [&](int16_t ch) { return !WriteWaits(p, ch); });
  const PendingWrite* next = NextWrite(p);
  if (!next) {  // every controller with a write failed its last attempt: the poll goes on first
    if (PollStep(p, p.Pending.front().SetCh)) link.write_failed.clear();
    return;
  }
  // The write goes out as it stands in the queue now; no event runs until it is answered.
  const PendingWrite sent = *next;
  bool wrote = false;
  const RecvCode code = Attempt(p, sent, wrote);
  if (!Answered(code)) {
    link.mode_write = 0;  // the access starts again with the next attempt
    link.write_failed.insert(sent.SetCh);
  } else if (wrote && code == kRecvAck) {
    Acknowledged(p, sent);
  } else if (wrote) {
    Refused(p, sent);
  }
  if (p.Forms().IsLoaded<SubDisp_Set>()) screen.ShowWaitText();
}

}  // namespace qd470::QD470
