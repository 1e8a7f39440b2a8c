// The two setting-file dialogs: their own controls, texts and file layouts.
#include "settings/subdisp_loadsave.h"

#include "program/program.h"
#include "program/zero_clip.h"

namespace qd470 {

namespace {

constexpr int kOneTitle = 372;
constexpr int kAllTitle = 373;
constexpr int kAllLabel = 374;
constexpr int kChannel = 357;

}  // namespace

SubDisp_LoadSave::SubDisp_LoadSave(Program& program)
    : SettingFileForm("SubDisp_LoadSave", program) {
  AddMember(lblFileall, "lblFileall", 2).Move(1200, 300, 1200, 300);
  AddMember(cmbName, "cmbName", 0).Move(1200, 660, 3960, 360);
}

void SubDisp_LoadSave::Form_Load() {
  LoadTexts(kOneTitle);
  lblFileall(2).Caption = p_.LoadResString(kChannel);
}

SettingFileLayout SubDisp_LoadSave::Layout() {
  int16_t dev = static_cast<int16_t>(cmbName(0).ListIndex());
  return OneControllerFile(QD470::ZeroClip(dev));
}

SubDisp_AllLoadSave::SubDisp_AllLoadSave(Program& program)
    : SettingFileForm("SubDisp_AllLoadSave", program), Label1(Add<forms::Label>("Label1")) {
  Label1.Move(1200, 480, 3960, 600);
}

void SubDisp_AllLoadSave::Form_Load() {
  LoadTexts(kAllTitle);
  Label1.Caption = p_.LoadResString(kAllLabel);
}

SettingFileLayout SubDisp_AllLoadSave::Layout() { return AllControllersFile(p_.CommCond.DevCount); }

}  // namespace qd470
