// The main screen: caption and the exit question.
#include "monitor/main_disp.h"

#include "settings/subdisp_set.h"
#include "program/program.h"

namespace qd470 {

MainDisp::MainDisp(Program& program)
    : forms::Form("MainDisp"),
      lblTitle(Add<forms::Label>("lblTitle")),
      mnuSetDisp(AddMenu("mnuSetDisp")),
      tmrComm(Add<forms::Timer>("tmrComm")),
      p_(program) {
  tmrComm.Interval = 10;
  tmrComm.OnTimer = [this] { tmrComm_Timer(); };
  Width = 12000;
  Height = 7500;
  Resizable = true;
  lblTitle.Move(240, 240, 11000, 600);
  lblTitle.FontSize = 14;
  lblTitle.FontBold = true;
  mnuSetDisp.Click = [this] { mnuSetDisp_Click(); };
}

void MainDisp::Form_Load() {
  Caption = p_.LoadResString(1);
  lblTitle.Caption = Caption;
  mnuSetDisp.Caption = p_.LoadResString(118);
}

// Fills the settings screen's controller list with the connected controllers, selects
// controller 0 and pattern 0 (their handlers read and show them), refreshes and shows it.
void MainDisp::mnuSetDisp_Click() {
  SubDisp_Set& screen = p_.Form<SubDisp_Set>();
  screen.cmbName.Clear();
  for (int i = 0; i < p_.CommCond.DevCount; ++i) screen.cmbName.AddItem(p_.DevNames[i].Name);
  screen.cmbName.SetListIndex(0);
  screen.cmbSelptn.SetListIndex(0);
  screen.SetDispUpDate();
  p_.Forms().Show(screen);
}

// Closing the main screen asks first; yes ends the program.
void MainDisp::Form_QueryUnload(bool& cancel) {
  auto answer = p_.MsgBox(p_.LoadResString(71), forms::MsgButtons::kYesNo,
                          forms::MsgIcon::kQuestion, p_.LoadResString(72));
  if (answer != forms::MsgResult::kYes) {
    cancel = true;
    return;
  }
  p_.EndReq = -1;
}

}  // namespace qd470
