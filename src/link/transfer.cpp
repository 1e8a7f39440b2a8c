// All settings of one controller: the group reads and sends, receive and send of the transfer
// jobs, and the read of a controller chosen on the settings screen.
#include "forms/control.h"
#include "link/qd470_link.h"
#include "link/wait_disp.h"
#include "monitor/main_disp.h"
#include "program/program.h"

namespace qd470::QD470 {
namespace {

constexpr int kPatternRefused = 65;

// FIX codes before which the controller must be in setting mode (1D, 23 and 1F follow them).
bool NeedsSettingMode(uint16_t item) { return item == 0x001C || item == 0x0022; }

// One place done: the progress moves, pending events run, and the job goes on unless it was
// cancelled or the program is ending.
bool Advance(Program& p, int& done) {
  ++done;
  LinkState& link = p.Link();
  if (link.progress) link.progress->Value = link.progress_base + done;
  if (auto* pump = p.Svc().pump) pump->DoEvents();
  return p.EndReq != -1 && !(p.CommState == kCommJobs && p.SendReq == kReqCancel);
}

// The progress count of the places of the groups before `group`.
int PlacesBefore(SettingGroup group) {
  return static_cast<int>(GroupPlaces(group).data() - AllGroupPlaces().data());
}

bool RecvGroup(Program& p, int16_t dev, SettingGroup group, RecvTally& tally) {
  int done = PlacesBefore(group);
  for (const GroupPlace& place : GroupPlaces(group)) {
    if (place.ref.HasValue()) {
      RecvCode code = kRecvNone;
      if (auto value = ReadItem(p, dev, place.data_item, &code)) {
        *ResolveStorage(p, dev, place.ref) = *value;
      } else {
        ++tally.failed;
      }
      tally.silent = code == kRecvNone ? tally.silent + 1 : 0;
      if (tally.silent >= kSilentReads) return false;
    }
    if (!Advance(p, done)) return false;
  }
  return true;
}

bool SendGroup(Program& p, int16_t dev, SettingGroup group) {
  int done = PlacesBefore(group);
  for (const GroupPlace& place : GroupPlaces(group)) {
    if (place.ref.HasValue()) {
      if (group == SettingGroup::FIX && NeedsSettingMode(place.data_item)) SetModeChk(p, dev);
      const int16_t value = *ResolveStorage(p, dev, place.ref);
      if (WriteItem(p, dev, place.data_item, value) == kRecvRefused && group == SettingGroup::PTN) {
        // The job stops; the program goes on with every setting still in memory.
        p.SendReq = 0;
        p.MsgBox(p.LoadResString(kPatternRefused));
        return false;
      }
    }
    if (!Advance(p, done)) return false;
  }
  return true;
}

uint32_t Bit(int16_t dev) { return uint32_t{1} << dev; }

// Sets controller dev's bit of a 32-bit mask (bit 31 is the sign bit).
void SetBit(int32_t& mask, int16_t dev) {
  mask = static_cast<int32_t>(static_cast<uint32_t>(mask) | Bit(dev));
}

}  // namespace

bool RecvAll(Program& p, int16_t dev, bool poll_between) {
  using Group = bool (*)(Program&, int16_t, RecvTally&);
  RecvTally tally;
  bool first = true;
  for (Group group : {Group{PtnRecv}, Group{BlkRecv}, Group{OtrRecv}, Group{FixRecv}}) {
    if (!first && poll_between) PollAll(p);
    first = false;
    if (!group(p, dev, tally)) return false;
  }
  if (tally.failed != 0) return false;
  SetBit(p.RcvMask, dev);
  return true;
}

bool PtnRecv(Program& p, int16_t dev, RecvTally& tally) {
  return RecvGroup(p, dev, SettingGroup::PTN, tally);
}
bool BlkRecv(Program& p, int16_t dev, RecvTally& tally) {
  return RecvGroup(p, dev, SettingGroup::BLK, tally);
}
bool OtrRecv(Program& p, int16_t dev, RecvTally& tally) {
  return RecvGroup(p, dev, SettingGroup::OTR, tally);
}
bool FixRecv(Program& p, int16_t dev, RecvTally& tally) {
  return RecvGroup(p, dev, SettingGroup::FIX, tally);
}
bool PtnSend(Program& p, int16_t dev) { return SendGroup(p, dev, SettingGroup::PTN); }
bool BlkSend(Program& p, int16_t dev) { return SendGroup(p, dev, SettingGroup::BLK); }
bool OtrSend(Program& p, int16_t dev) { return SendGroup(p, dev, SettingGroup::OTR); }
bool FixSend(Program& p, int16_t dev) { return SendGroup(p, dev, SettingGroup::FIX); }

void SetAllRecv(Program& p, int16_t& dev) {
  if (dev < 0 || dev >= kMaxDevices) return;
  if (static_cast<uint32_t>(p.SetLoadMask) & Bit(dev)) return;
  if (p.PortOpen == 0) return;
  // The read takes no input while it runs: no other controller is chosen and read inside it.
  forms::FormHost::WorkScope work(p.Forms(), forms::WorkKind::kBlocking,
                                  dev != 0 ? &p.Form<WaitDisp>() : nullptr);
  WaitDisp* wait = nullptr;
  LinkState& link = p.Link();
  // A job that let events run may be under way (the copy dialog is modeless): its progress goes
  // on after this read.
  const LinkState job = link;
  link.progress = nullptr;
  link.progress_base = 0;
  if (dev != 0) {
    wait = &p.Form<WaitDisp>();
    wait->ProgressBar1.Value = 0;
    link.progress = &wait->ProgressBar1;
    p.Forms().Show(*wait);
  }
  RecvAll(p, dev, p.CommState != 0);
  if (wait) p.Forms().Hide(*wait);
  link.progress = job.progress;
  link.progress_base = job.progress_base;
  SetBit(p.SetLoadMask, dev);
}

}  // namespace qd470::QD470

namespace qd470 {

void MainDisp::SetTRsend(int16_t dev) {
  QD470::PtnSend(p_, dev) && QD470::BlkSend(p_, dev) && QD470::OtrSend(p_, dev) &&
      QD470::FixSend(p_, dev);
}

bool MainDisp::SetTRecive(int16_t dev) { return QD470::RecvAll(p_, dev, false); }

}  // namespace qd470
