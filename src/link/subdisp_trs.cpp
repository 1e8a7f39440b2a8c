// The transfer dialog: its controls, texts and the job requests of its buttons.
#include "link/subdisp_trs.h"

#include "model/setting_groups.h"
#include "program/program.h"

namespace qd470 {

namespace {

constexpr int kMenu = 109;  // the settings screen's menu that opens the dialog gives its title
constexpr int kSend = 448;
constexpr int kReceive = 449;
constexpr int kChannel = 357;
constexpr int kCancel = 368;
constexpr int kEnd = 361;

}  // namespace

SubDisp_TRS::SubDisp_TRS(Program& program)
    : forms::Form("SubDisp_TRS"),
      lblName(Add<forms::Label>("lblName")),
      cmbName(Add<forms::ComboBox>("cmbName")),
      cmdSend(Add<forms::CommandButton>("cmdSend")),
      cmdRecv(Add<forms::CommandButton>("cmdRecv")),
      cmdCancel(Add<forms::CommandButton>("cmdCancel")),
      cmdEnd(Add<forms::CommandButton>("cmdEnd")),
      ProgressBar1(Add<forms::ProgressBar>("ProgressBar1")),
      p_(program) {
  Dialog = true;
  Width = 5400;
  Height = 2700;
  lblName.Move(240, 300, 1200, 300);
  cmbName.Move(1500, 240, 3600, 360);
  cmdSend.Move(240, 900, 1500, 480);
  cmdRecv.Move(1920, 900, 1500, 480);
  cmdCancel.Move(3600, 900, 1500, 480);
  ProgressBar1.Move(240, 1620, 4860, 300);
  ProgressBar1.Max = kAllPlaces;
  cmdEnd.Move(3600, 2040, 1500, 480);
  cmdEnd.Cancel = true;
  cmdCancel.LiveDuringWork = true;  // stops the running job
  cmdSend.Click = [this] { cmdSend_Click(); };
  cmdRecv.Click = [this] { cmdRecv_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
  cmdEnd.Click = [this] { cmdEnd_Click(); };
}

void SubDisp_TRS::Form_Load() {
  Caption = MenuTitle(p_.LoadResString(kMenu));
  lblName.Caption = p_.LoadResString(kChannel);
  cmdSend.Caption = p_.LoadResString(kSend);
  cmdRecv.Caption = p_.LoadResString(kReceive);
  cmdCancel.Caption = p_.LoadResString(kCancel);
  cmdEnd.Caption = p_.LoadResString(kEnd);
}

void SubDisp_TRS::RequestJob(int16_t job) {
  p_.CommState = kCommJobs;
  p_.SendReq = job;
}

void SubDisp_TRS::cmdSend_Click() { RequestJob(kReqSendAll); }
void SubDisp_TRS::cmdRecv_Click() { RequestJob(kReqReceiveAll); }
void SubDisp_TRS::cmdCancel_Click() { RequestJob(kReqCancel); }

void SubDisp_TRS::cmdEnd_Click() {
  p_.CommState = kCommMonitoring;
  p_.Forms().Unload(*this);
}

// Leaving the dialog by its window must not leave the tick holding one-item writes back.
void SubDisp_TRS::Form_QueryUnload(bool& /*cancel*/) { p_.CommState = kCommMonitoring; }

}  // namespace qd470
