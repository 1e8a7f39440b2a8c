// The communication tick: one read after auto-tuning, one poll step, the pending one-item write,
// or a whole transfer job.
#include "link/qd470_link.h"
#include "link/subdisp_copy.h"
#include "link/subdisp_trs.h"
#include "model/request_slot.h"
#include "model/setting_catalogue.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "program/zero_clip.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_set.h"

namespace qd470 {
namespace {

constexpr int kSourceUnread = 454;  // "... could not be read. Nothing was sent ..."

// Whether the waiting one-item write, queued before the job, sets a value that the job moved.
bool JobMovedWrite(Program& p, const PendingWrite& write) {
  const JobRecord& job = p.Link().job;
  if (write.seq > job.writes_before) return false;
  // An operator command is no stored setting: it goes out after the job whatever the job moved.
  return !IsOperatorCommand(write.EditItem) && job.Moved(write.SetCh, write.item);
}

// A job is over. Each one-item write queued before it to a value the job moved is dropped: the
// job's value stands in memory and in the controller alike. The others go out next.
void EndJob(Program& p) {
  LinkState& link = p.Link();
  std::erase_if(p.Pending, [&](const PendingWrite& write) { return JobMovedWrite(p, write); });
  p.SendReq = p.Pending.empty() ? 0 : kReqWrite;
  if (p.Forms().IsLoaded<SubDisp_Set>()) p.Form<SubDisp_Set>().ShowWaitText();
  link.progress = nullptr;
  link.job = {};
}

// The copy's in-memory step overwrote every setting of controller dev.
void RecordOverwritten(Program& p, int16_t dev) {
  for (const GroupPlace& place : AllGroupPlaces()) {
    if (place.ref.HasValue()) p.Link().job.moved.insert({dev, place.data_item});
  }
}

// The job's progress bar starts at `base` of its count.
void StartProgress(Program& p, forms::ProgressBar& bar, int base) {
  bar.Value = base;
  p.Link().progress = &bar;
  p.Link().progress_base = base;
}

int16_t Chosen(const forms::ComboBox& list) {
  int16_t index = static_cast<int16_t>(list.ListIndex());
  return QD470::ZeroClip(index);
}

// A send changes no value on the settings screen, only where its status line says the values
// came from.
void ShowSentSource(Program& p) {
  if (p.Forms().IsLoaded<SubDisp_Set>()) p.Form<SubDisp_Set>().SetStatusLine();
}

void CopyJob(Program& p, MainDisp& main) {
  SubDisp_Copy& dialog = p.Form<SubDisp_Copy>();
  const int16_t a = Chosen(dialog.cmbName(0));
  const int16_t b = Chosen(dialog.cmbName(1));
  StartProgress(p, dialog.ProgressBar1, 0);
  if (!main.SetTRecive(a) || p.EndReq == -1) {
    // B is never overwritten with values that were not read from A.
    if (p.SendReq == kReqCopy && p.EndReq != -1) p.MsgBox(p.LoadResString(kSourceUnread));
    return;
  }
  // FilecopyallOTR, FilecopyallPRG for every pattern onto itself, FilecopyallBLK.
  p.Form<SubDisp_File>().CopyWholeController(a, b);
  RecordOverwritten(p, b);
  p.Form<SubDisp_Set>().SetDispUpDate();
  StartProgress(p, dialog.ProgressBar1, kAllPlaces);
  main.SetTRsend(b);
  ShowSentSource(p);
  if (p.SendReq == kReqCopy) QD470::TellShortPass(p, &dialog, b, true);
}

// After a job the keyboard focus of its dialog rests on END, which starts nothing: neither Enter
// nor Space meant for a box the job showed starts another job.
template <class Dialog>
void FocusEnd(Program& p) {
  if (!p.Forms().IsLoaded<Dialog>()) return;
  Dialog& dialog = p.Form<Dialog>();
  dialog.SetFocus(dialog.cmdEnd);
}

void RunJob(Program& p, MainDisp& main) {
  if (p.SendReq >= kReqSendAll && p.SendReq <= kReqCopy) p.Link().job.writes_before = p.PendingSeq;
  switch (p.SendReq) {
    case kReqSendAll: {
      SubDisp_TRS& dialog = p.Form<SubDisp_TRS>();
      StartProgress(p, dialog.ProgressBar1, 0);
      const int16_t dev = Chosen(dialog.cmbName);
      main.SetTRsend(dev);
      ShowSentSource(p);
      // Cancelled (4) or stopped by a refusal already told (0): nothing more is said.
      if (p.SendReq == kReqSendAll) QD470::TellShortPass(p, &dialog, dev, true);
      FocusEnd<SubDisp_TRS>(p);
      break;
    }
    case kReqReceiveAll: {
      SubDisp_TRS& dialog = p.Form<SubDisp_TRS>();
      StartProgress(p, dialog.ProgressBar1, 0);
      const int16_t dev = Chosen(dialog.cmbName);
      main.SetTRecive(dev);
      if (p.EndReq == -1) break;  // the program ends: the screens are gone, nothing is redrawn
      p.Form<SubDisp_Set>().SetDispUpDate();
      if (p.SendReq == kReqReceiveAll) QD470::TellShortPass(p, &dialog, dev, false);
      FocusEnd<SubDisp_TRS>(p);
      break;
    }
    case kReqCopy:
      CopyJob(p, main);
      FocusEnd<SubDisp_Copy>(p);
      // The copy dialog is modeless and, unlike the transfer dialog, never returns to
      // monitoring: one-item writes would be held back from now on.
      p.CommState = kCommMonitoring;
      break;
    case kReqCancel:
      break;
    default:  // no job: poll, and hold a pending write back
      QD470::PollStep(p);
      return;
  }
  EndJob(p);
}

// A job takes no input while it runs; a poll step or a write attempt holds it back until it
// has returned.
forms::WorkKind TickWork(const Program& p) {
  const bool job = p.CommState == kCommJobs && p.SendReq >= kReqSendAll && p.SendReq <= kReqCopy;
  return job ? forms::WorkKind::kBlocking : forms::WorkKind::kTick;
}

// The window of the job a tick runs, kept in front while it runs (nullptr: no job).
forms::Form* JobWindow(Program& p) {
  if (TickWork(p) != forms::WorkKind::kBlocking) return nullptr;
  if (p.SendReq == kReqCopy) return &p.Form<SubDisp_Copy>();
  return &p.Form<SubDisp_TRS>();
}

}  // namespace

void MainDisp::tmrComm_Timer() {
  LinkState& link = p_.Link();
  if (link.in_tick || p_.EndReq == -1) return;
  forms::FormHost::WorkScope work(p_.Forms(), TickWork(p_), JobWindow(p_));
  link.in_tick = true;
  if (p_.CommState == kCommMonitoring) {
    // A job word left behind by a dialog that has closed is dropped.
    if (p_.SendReq >= kReqSendAll && p_.SendReq <= kReqCopy) EndJob(p_);
    if (!link.at_end.empty()) {
      QD470::AtEndRecv(p_);  // the PID values after auto-tuning go before polls and writes
    } else if (p_.SendReq == kReqWrite) {
      QD470::SetSend(p_);
    } else {
      QD470::PollStep(p_);
    }
  } else if (p_.CommState == kCommJobs) {
    RunJob(p_, *this);
  }
  link.in_tick = false;
}

}  // namespace qd470
