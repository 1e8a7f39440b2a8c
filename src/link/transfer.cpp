// All settings of one controller: the group reads and sends, receive and send of the transfer
// jobs, and the read of a controller chosen on the settings screen.
#include <string>
#include <utility>

#include "forms/control.h"
#include "link/qd470_link.h"
#include "link/wait_disp.h"
#include "model/request_slot.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "resources/strings.h"

namespace qd470::QD470 {
namespace {

constexpr int kPatternRefused = 65;
constexpr int kSentShort = 585, kReceivedShort = 586, kLineLost = 587, kCheckAndRetry = 588;

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

// A value of the place went between memory and the controller.
void RecordMoved(Program& p, int16_t dev, const GroupPlace& place) {
  JobRecord& job = p.Link().job;
  ++job.values;
  job.moved.insert({dev, place.data_item});
}

// After a transaction: the pass gives up when the line is gone or the controller has answered
// kSilentReads transactions in a row with neither an acknowledgement nor a refusal.
bool LineGivenUp(Program& p, RecvCode code, GroupTally& tally) {
  const bool answered = code == kRecvAck || code == kRecvRefused;
  tally.unanswered = answered ? 0 : tally.unanswered + 1;
  return tally.unanswered >= kSilentReads || p.Comm().Lost();
}

bool RecvGroup(Program& p, int16_t dev, SettingGroup group, GroupTally& tally) {
  int done = PlacesBefore(group);
  for (const GroupPlace& place : GroupPlaces(group)) {
    if (place.ref.HasValue() && tally.keep_waiting && WriteWaits(p, dev, place.data_item)) {
      ++p.Link().job.values;
    } else if (place.ref.HasValue()) {
      RecvCode code = kRecvNone;
      if (auto value = ReadItem(p, dev, place.data_item, &code)) {
        *ResolveStorage(p, dev, place.ref) = *value;
        RecordMoved(p, dev, place);
      } else {
        ++tally.failed;
      }
      if (LineGivenUp(p, code, tally)) return false;
    }
    if (!Advance(p, done)) return false;
  }
  return true;
}

bool SendGroup(Program& p, int16_t dev, SettingGroup group, GroupTally& tally) {
  int done = PlacesBefore(group);
  for (const GroupPlace& place : GroupPlaces(group)) {
    if (place.ref.HasValue()) {
      if (group == SettingGroup::FIX && NeedsSettingMode(place.data_item)) SetModeChk(p, dev);
      const int16_t value = *ResolveStorage(p, dev, place.ref);
      const RecvCode code = WriteItem(p, dev, place.data_item, value);
      if (code == kRecvAck) RecordMoved(p, dev, place);
      if (code == kRecvRefused && group == SettingGroup::PTN) {
        // The job stops; the program goes on with every setting still in memory.
        p.SendReq = 0;
        p.MsgBox(p.LoadResString(kPatternRefused));
        return false;
      }
      if (LineGivenUp(p, code, tally)) return false;
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

// A pass of all settings of dev has ended: the values it moved hold in memory what the
// controller holds.
void RecordPass(Program& p, int16_t dev) {
  p.SourceTbl[dev] = {SettingSource::kLine, static_cast<int16_t>(p.Link().job.values)};
}

}  // namespace

void TellShortPass(Program& p, forms::Form* owner, int16_t dev, bool send) {
  const int values = p.Link().job.values;
  if (values >= kValuePlaces || p.EndReq == -1) return;
  std::string text = p.LoadResString(send ? kSentShort : kReceivedShort);
  ReplaceFirst(text, "%1", dev >= 0 && dev < kMaxDevices ? p.DevNames[dev].Name : "");
  ReplaceFirst(text, "%2", std::to_string(values));
  // The port is opened only at start-up: a lost line stays lost.
  text += "\n" + p.LoadResString(p.Comm().Lost() ? kLineLost : kCheckAndRetry);
  if (!owner) return p.MsgBox(text);
  forms::FormHost::OpenerScope opener(p.Forms(), *owner);
  p.MsgBox(text);
}

bool RecvAll(Program& p, int16_t dev, bool poll_between, bool job) {
  using Group = bool (*)(Program&, int16_t, GroupTally&);
  p.Link().job.values = 0;
  GroupTally tally;
  tally.keep_waiting = !job;
  bool first = true;
  for (Group group : {Group{PtnRecv}, Group{BlkRecv}, Group{OtrRecv}, Group{FixRecv}}) {
    if (!first && poll_between) PollAll(p);
    if (p.EndReq == -1) return false;  // the program ended while the polls let events run
    first = false;
    if (!group(p, dev, tally)) return false;
  }
  if (tally.failed != 0) return false;
  SetBit(p.RcvMask, dev);
  return true;
}

bool PtnRecv(Program& p, int16_t dev, GroupTally& tally) {
  return RecvGroup(p, dev, SettingGroup::PTN, tally);
}
bool BlkRecv(Program& p, int16_t dev, GroupTally& tally) {
  return RecvGroup(p, dev, SettingGroup::BLK, tally);
}
bool OtrRecv(Program& p, int16_t dev, GroupTally& tally) {
  return RecvGroup(p, dev, SettingGroup::OTR, tally);
}
bool FixRecv(Program& p, int16_t dev, GroupTally& tally) {
  return RecvGroup(p, dev, SettingGroup::FIX, tally);
}
bool PtnSend(Program& p, int16_t dev, GroupTally& tally) {
  return SendGroup(p, dev, SettingGroup::PTN, tally);
}
bool BlkSend(Program& p, int16_t dev, GroupTally& tally) {
  return SendGroup(p, dev, SettingGroup::BLK, tally);
}
bool OtrSend(Program& p, int16_t dev, GroupTally& tally) {
  return SendGroup(p, dev, SettingGroup::OTR, tally);
}
bool FixSend(Program& p, int16_t dev, GroupTally& tally) {
  return SendGroup(p, dev, SettingGroup::FIX, tally);
}

void SetAllRecv(Program& p, int16_t& dev) {
  if (dev < 0 || dev >= kMaxDevices) return;
  if (static_cast<uint32_t>(p.SetLoadMask) & Bit(dev)) return;
  if (p.PortOpen == 0) return;
  // The read takes no input while it runs: no other controller is chosen and read inside it.
  // A controller other than 0 is read behind the wait form, which stays in front meanwhile.
  WaitDisp* wait = dev != 0 ? &p.Form<WaitDisp>() : nullptr;
  forms::FormHost::WorkScope work(p.Forms(), forms::WorkKind::kBlocking, wait);
  LinkState& link = p.Link();
  // A job that let events run may be under way (the copy dialog is modeless): its progress and
  // record go on after this read.
  forms::ProgressBar* const progress = std::exchange(link.progress, nullptr);
  const int progress_base = std::exchange(link.progress_base, 0);
  JobRecord job = std::exchange(link.job, JobRecord{});
  if (wait) {
    wait->ProgressBar1.Value = 0;
    link.progress = &wait->ProgressBar1;
    p.Forms().Show(*wait);
  }
  const bool whole = RecvAll(p, dev, p.CommState != 0, false);
  RecordPass(p, dev);
  // A controller chosen on the settings screen (not the read at start-up) that was not read
  // whole is said so, over the wait form while it still shows where the read stopped.
  if (!whole && p.CommState != 0) TellShortPass(p, wait, dev, false);
  if (wait) p.Forms().Hide(*wait);
  link.progress = progress;
  link.progress_base = progress_base;
  link.job = std::move(job);
  // Only a controller read whole is skipped from now on; another is read again when chosen.
  if (whole) SetBit(p.SetLoadMask, dev);
}

}  // namespace qd470::QD470

namespace qd470 {

void MainDisp::SetTRsend(int16_t dev) {
  p_.Link().job.values = 0;
  QD470::GroupTally tally;
  QD470::PtnSend(p_, dev, tally) && QD470::BlkSend(p_, dev, tally) &&
      QD470::OtrSend(p_, dev, tally) && QD470::FixSend(p_, dev, tally);
  QD470::RecordPass(p_, dev);
}

bool MainDisp::SetTRecive(int16_t dev) {
  const bool whole = QD470::RecvAll(p_, dev, false, true);
  QD470::RecordPass(p_, dev);
  return whole;
}

}  // namespace qd470
