// The settings screen's menus: each prepares a dialog (its controller lists filled with the
// connected controllers, the shown controller and pattern preselected) and shows it; printing,
// printer choice, window size and the end of the screen.
#include "link/subdisp_copy.h"
#include "link/subdisp_trs.h"
#include "monitor/module1.h"
#include "monitor/prnselect.h"
#include "program/program.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_loadsave.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"

namespace qd470 {

void SubDisp_Set::WireMenus() {
  const std::pair<forms::MenuItem*, void (SubDisp_Set::*)()> handlers[] = {
      {&mnuCom, &SubDisp_Set::mnuCom_Click},
      {&mnuDevCopy, &SubDisp_Set::mnuDevCopy_Click},
      {&mnuSvCopy, &SubDisp_Set::mnuSvCopy_Click},
      {&mnuYunit, &SubDisp_Set::mnuYunit_Click},
      {&mnuAllyunit, &SubDisp_Set::mnuAllyunit_Click},
      {&mnuSSet, &SubDisp_Set::mnuSSet_Click},
      {&mnuPrint, &SubDisp_Set::mnuPrint_Click},
      {&mnupsel, &SubDisp_Set::mnupsel_Click},
      {&mnunom, &SubDisp_Set::mnunom_Click},
      {&mnuMin, &SubDisp_Set::mnuMin_Click},
      {&mnuMax, &SubDisp_Set::mnuMax_Click},
      {&mnuEnd, &SubDisp_Set::mnuEnd_Click}};
  for (const auto& [menu, handler] : handlers) menu->Click = [this, h = handler] { (this->*h)(); };
}

void SubDisp_Set::FillControllerList(forms::ComboBox& list) {
  list.Clear();
  for (int i = 0; i < p_.CommCond.DevCount && i < kMaxDevices; ++i) {
    list.AddItem(p_.DevNames[i].Name);
  }
  list.SetListIndex(cmbName.ListIndex());
}

void SubDisp_Set::mnuCom_Click() {
  SubDisp_TRS& dialog = p_.Form<SubDisp_TRS>();
  FillControllerList(dialog.cmbName);
  p_.CommState = kCommJobs;
  p_.Forms().Show(dialog, true);
}

void SubDisp_Set::mnuDevCopy_Click() {
  SubDisp_Copy& dialog = p_.Form<SubDisp_Copy>();
  for (int i = 0; i < 2; ++i) FillControllerList(dialog.cmbName(i));
  p_.Forms().Show(dialog);
}

void SubDisp_Set::mnuSvCopy_Click() {
  SubDisp_File& dialog = p_.Form<SubDisp_File>();
  for (int i = 0; i < 4; ++i) FillControllerList(dialog.cmbName(i));
  for (int i = 0; i < 2; ++i) dialog.cmbPtn(i).SetListIndex(cmbSelptn.ListIndex());
  dialog.frmFileall.Visible = false;
  dialog.frmFilesel.Visible = false;
  dialog.cmdFileall.Enabled = true;
  dialog.cmdFilesel.Enabled = true;
  p_.Forms().Show(dialog);
}

void SubDisp_Set::mnuYunit_Click() {
  SubDisp_LoadSave& dialog = p_.Form<SubDisp_LoadSave>();
  FillControllerList(dialog.cmbName(0));
  p_.Forms().Show(dialog);
}

void SubDisp_Set::mnuAllyunit_Click() { p_.Forms().Show(p_.Form<SubDisp_AllLoadSave>()); }

void SubDisp_Set::mnuSSet_Click() {
  SubDisp_SSet& dialog = p_.Form<SubDisp_SSet>();
  dialog.SpcSet(0);
  p_.Forms().Show(dialog, true);
}

// A failure at any step ends the print silently; the captured image may then stay behind.
void SubDisp_Set::mnuPrint_Click() {
  Picture1.Picture = Module1::CaptureForm(p_, *this);
  const std::optional<forms::Image>& picture = Picture1.Picture;
  if (!picture || !p_.Svc().printers) return;
  if (!Module1::PrintPictureToFitPage(p_, p_.Svc().printers->Current(), *picture, Caption)) {
    return;
  }
  Picture1.Picture = std::nullopt;
}

// Asks again while the chosen name matches no printer; cancelling keeps the current printer. The
// choice is kept by name, so that printers coming and going do not change it.
void SubDisp_Set::mnupsel_Click() {
  forms::PrinterService* printers = p_.Svc().printers;
  if (!printers) return;
  do {
    p_.PrnIndex = -2;  // a dialog that returns without an answer was closed
    p_.Forms().Show(p_.Form<prnselect>(), true);
    if (p_.PrnIndex == -2) return;
  } while (p_.PrnIndex < 0);
  printers->SetCurrent(p_.Form<prnselect>().cmbPrinter.Text());
  p_.Forms().Unload<prnselect>();
}

void SubDisp_Set::mnunom_Click() { State = forms::WindowState::kNormal; }
void SubDisp_Set::mnuMin_Click() { State = forms::WindowState::kMinimized; }
void SubDisp_Set::mnuMax_Click() { State = forms::WindowState::kMaximized; }

// Unloading keeps every table as it is; the main screen's menu loads the screen again.
void SubDisp_Set::mnuEnd_Click() { p_.Forms().Unload(*this); }

}  // namespace qd470
