// The wait form: layout and texts.
#include "link/wait_disp.h"

#include "model/setting_groups.h"
#include "program/program.h"

namespace qd470 {
namespace {

constexpr int kTitle = 452;    // "Reading the setting values"
constexpr int kMessage = 453;  // "Reading ... from the controller. Please wait."

}  // namespace

WaitDisp::WaitDisp(Program& program)
    : forms::Form("WaitDisp"),
      lblWait(Add<forms::Label>("lblWait")),
      ProgressBar1(Add<forms::ProgressBar>("ProgressBar1")),
      p_(program) {
  Dialog = true;
  Width = 5400;
  Height = 1620;
  lblWait.Move(240, 200, 4920, 640);  // two lines for the longer texts
  ProgressBar1.Move(240, 960, 4920, 300);
  ProgressBar1.Max = kAllPlaces;
}

void WaitDisp::Form_Load() {
  Caption = p_.LoadResString(kTitle);
  lblWait.Caption = p_.LoadResString(kMessage);
}

}  // namespace qd470
