// The main screen: caption and the exit question.
#include "monitor/main_disp.h"

#include "startup/program.h"

namespace qd470 {

MainDisp::MainDisp(Program& program)
    : forms::Form("MainDisp"), lblTitle(Add<forms::Label>("lblTitle")), p_(program) {
  Width = 12000;
  Height = 7500;
  Resizable = true;
  lblTitle.Move(240, 240, 11000, 600);
  lblTitle.FontSize = 14;
  lblTitle.FontBold = true;
}

void MainDisp::Form_Load() {
  Caption = p_.LoadResString(1);
  lblTitle.Caption = Caption;
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
