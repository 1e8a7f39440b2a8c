// The list handlers of the settings screen: the nineteen setting lists store the chosen code and
// queue its write; the controller and pattern selectors refill the screen.
#include "forms/control.h"
#include "model/request_slot.h"
#include "model/setting_catalogue.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "program/zero_clip.h"
#include "settings/subdisp_set.h"

namespace qd470 {

// The choice acts on the controller and pattern the screen shows, even when a command of the
// main screen has moved SetCh since the last refresh.
bool SubDisp_Set::StoreChoice(forms::ComboBox& list, int setting) {
  p_.SetCh = shown_ch_;
  p_.SetPtn = shown_ptn_;
  const int16_t k = static_cast<int16_t>(list.ListIndex());
  const auto stored = ReadSetting(p_, setting, p_.SetCh, p_.SetPtn, 0);
  if (k < 0 || !stored || *stored == k) return false;
  if (!p_.RoomForWrite(p_.SetCh, setting, p_.SetPtn, 0)) {
    list.SetListIndex(*stored);  // the list shows the value kept
    return false;
  }
  WriteSetting(p_, setting, p_.SetCh, p_.SetPtn, 0, k);
  p_.EditItem = static_cast<int16_t>(setting);
  p_.SendVal = k;
  QueueWrite(p_, *stored);
  return true;
}

void SubDisp_Set::cmbAl3f_Click() {
  if (StoreChoice(cmbAl3f, 48)) ShowAlarmItems(3, AlarmItemsShown(p_.SendVal));
}
void SubDisp_Set::cmbAl4f_Click() {
  if (StoreChoice(cmbAl4f, 49)) ShowAlarmItems(4, AlarmItemsShown(p_.SendVal));
}
void SubDisp_Set::cmbATmd_Click() { StoreChoice(cmbATmd, 93); }
void SubDisp_Set::cmbCact_Click() { StoreChoice(cmbCact, 65); }

// The pattern link stores 0 for the first entry and 1 for any other.
void SubDisp_Set::cmbChain_Click() {
  p_.SetCh = shown_ch_;
  p_.SetPtn = shown_ptn_;
  const int k = cmbChain.ListIndex();
  int16_t& stored = p_.PtnCom[1][p_.SetCh][p_.SetPtn];
  if (k < 0 || k == stored) return;
  if (!p_.RoomForWrite(p_.SetCh, 32, p_.SetPtn, 0)) return cmbChain.SetListIndex(stored);
  const int16_t before = stored;
  stored = k == 0 ? 0 : 1;
  p_.EditItem = 32;
  p_.SendVal = stored;
  QueueWrite(p_, before);
}

// A new decimal point changes how every value reads: redraw once the controller has it.
void SubDisp_Set::cmbDp_Click() {
  if (StoreChoice(cmbDp, 71)) p_.SendReq2 = 1;
}
void SubDisp_Set::cmbLock_Click() { StoreChoice(cmbLock, 79); }
void SubDisp_Set::cmbStsel_Click() { StoreChoice(cmbStsel, 81); }
void SubDisp_Set::cmbRtyst_Click() { StoreChoice(cmbRtyst, 82); }
void SubDisp_Set::cmbTmsel_Click() { StoreChoice(cmbTmsel, 83); }
void SubDisp_Set::cmbStptime_Click() { StoreChoice(cmbStptime, 84); }
void SubDisp_Set::cmbStptemp_Click() { StoreChoice(cmbStptemp, 85); }
void SubDisp_Set::cmbSvhold_Click() { StoreChoice(cmbSvhold, 87); }
void SubDisp_Set::cmbTrselect_Click() { StoreChoice(cmbTrselect, 76); }
void SubDisp_Set::cmbTS1sel_Click() { StoreChoice(cmbTS1sel, 88); }
void SubDisp_Set::cmbTS2sel_Click() { StoreChoice(cmbTS2sel, 89); }
void SubDisp_Set::cmbTS3sel_Click() { StoreChoice(cmbTS3sel, 90); }
void SubDisp_Set::cmbTS4sel_Click() { StoreChoice(cmbTS4sel, 91); }
void SubDisp_Set::cmbTS5sel_Click() { StoreChoice(cmbTS5sel, 92); }

// Another controller: read its settings (the communication timer stopped meanwhile), then show
// them unless the program is ending.
void SubDisp_Set::cmbName_Click() {
  forms::Timer* timer = nullptr;
  if (p_.Forms().IsLoaded<MainDisp>()) {
    timer = &p_.Form<MainDisp>().tmrComm;
  }
  if (timer) timer->Enabled = false;
  int16_t dev = static_cast<int16_t>(cmbName.ListIndex());
  ReadAllSettings(dev);
  // The operator chose to end the program during the read: the screens are gone, none is shown.
  if (p_.EndReq == -1) return;
  if (timer) timer->Enabled = true;
  int16_t index = static_cast<int16_t>(cmbName.ListIndex());
  p_.SetCh = QD470::ZeroClip(index);
  SetDispUpDate();
}

void SubDisp_Set::cmbSelptn_Click() {
  int16_t index = static_cast<int16_t>(cmbSelptn.ListIndex());
  p_.SetPtn = QD470::ZeroClip(index);
  SetDispUpDate();
}

}  // namespace qd470
