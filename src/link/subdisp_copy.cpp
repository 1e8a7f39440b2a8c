// The device-to-device copy dialog: its controls, texts and the job request of its start button.
#include "link/subdisp_copy.h"

#include "program/program.h"

namespace qd470 {

namespace {

constexpr int kMenu = 110;  // the settings screen's menu that opens the dialog gives its title
constexpr int kSource = 356;
constexpr int kChannel = 357;
constexpr int kTarget = 358;
constexpr int kStart = 367;
constexpr int kEnd = 361;

}  // namespace

SubDisp_Copy::SubDisp_Copy(Program& program)
    : forms::Form("SubDisp_Copy"),
      cmdStart(Add<forms::CommandButton>("cmdStart")),
      cmdEnd(Add<forms::CommandButton>("cmdEnd")),
      ProgressBar1(Add<forms::ProgressBar>("ProgressBar1")),
      p_(program) {
  Dialog = true;
  Width = 6000;
  Height = 2760;
  for (int i = 0; i < 2; ++i) {
    const int left = 240 + i * 2880;
    AddMember(lblFileall, "lblFileall", 2 * i).Move(left, 240, 2640, 300);
    AddMember(lblFileall, "lblFileall", 2 * i + 1).Move(left, 600, 2640, 300);
    AddMember(cmbName, "cmbName", i).Move(left, 900, 2640, 360);
  }
  ProgressBar1.Move(240, 1500, 5520, 300);
  ProgressBar1.Max = kProgressMax;
  // No default button: a stray Enter (one meant for a box the copy showed) starts no copy.
  cmdStart.Move(2760, 2040, 1440, 480);
  cmdEnd.Move(4320, 2040, 1440, 480);
  cmdEnd.Cancel = true;
  cmdStart.Click = [this] { cmdStart_Click(); };
  cmdEnd.Click = [this] { cmdEnd_Click(); };
}

void SubDisp_Copy::Form_Load() {
  Caption = MenuTitle(p_.LoadResString(kMenu));
  const int captions[] = {kSource, kChannel, kTarget, kChannel};
  for (int i = 0; i < 4; ++i) lblFileall(i).Caption = p_.LoadResString(captions[i]);
  cmdStart.Caption = p_.LoadResString(kStart);
  cmdEnd.Caption = p_.LoadResString(kEnd);
}

void SubDisp_Copy::cmdStart_Click() {
  p_.CommState = kCommJobs;
  p_.SendReq = kReqCopy;
}

void SubDisp_Copy::cmdEnd_Click() { p_.Forms().Hide(*this); }

}  // namespace qd470
