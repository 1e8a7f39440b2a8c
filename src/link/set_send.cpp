// The one-item write of the request slot: sent by the communication tick until the controller
// acknowledges or refuses it. After any other attempt (no reply, busy, garbled), one other
// controller is polled before the next attempt.
#include "link/qd470_link.h"
#include "program/program.h"
#include "settings/subdisp_set.h"

namespace qd470::QD470 {
namespace {

constexpr int16_t kModeFirst = 43, kModeLast = 47;  // fixed-value output limits and rate
constexpr int kRefused = 468, kSettingMode = 469;

// The write answered is done with, unless a newer one was queued meanwhile: that one stays.
void EndWrite(Program& p, const PendingWrite& sent) {
  if (p.SendReq != 1 || !(p.Pending == sent)) return;
  p.SendReq = 0;
  p.Pending.Queued = false;
}

}  // namespace

void SetSend(Program& p) {
  if (p.PortOpen == 0) return;
  SubDisp_Set& screen = p.Form<SubDisp_Set>();
  screen.txtSetWait.Visible = true;
  if (auto* pump = p.Svc().pump) pump->DoEvents();
  if (p.EndReq == -1) return;  // the program ends: nothing more is sent or shown
  if (p.SendReq != 1) return;  // a job was requested meanwhile; the write waits for it
  // The write goes out as it stands in the slot now.
  const PendingWrite sent = p.Pending;
  LinkState& link = p.Link();
  // The last attempt of this write failed: one other controller is polled first. A newer write
  // in the slot goes out at once.
  if (link.unanswered == sent) {
    if (PollStep(p, sent.SetCh)) link.unanswered.reset();
    return;
  }
  link.unanswered.reset();
  const auto item = WireItemMap(sent.EditItem, sent.SetPtn, sent.EditIdx);
  if (!item) {  // no data item: nothing can be sent, and nothing is sent to a wrong one
    screen.txtSetWait.Visible = false;
    EndWrite(p, sent);
    return;
  }
  if (sent.EditItem >= kModeFirst && sent.EditItem <= kModeLast) SetModeChk(p, sent.SetCh);
  switch (WriteItem(p, sent.SetCh, *item, sent.SendVal)) {
    case kRecvAck:
      screen.txtSetWait.Visible = false;
      EndWrite(p, sent);
      if (p.SendReq2 != 0) {
        screen.SetDispUpDate();
        p.SendReq2 = 0;
      }
      return;
    case kRecvRefused:
      screen.txtSetWait.Visible = false;
      EndWrite(p, sent);
      p.MsgBox(p.LoadResString(kRefused) + "\n" + p.LoadResString(kSettingMode));
      return;
    default:  // no reply, busy or garbled: the poll goes on before the next attempt
      link.unanswered = sent;
      return;
  }
}

}  // namespace qd470::QD470
