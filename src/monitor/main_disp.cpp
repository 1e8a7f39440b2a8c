// The main screen's handlers: names, pattern numbers and manual MVs, the pattern pad, the
// settings menu behind the password and the exit question.
#include "monitor/main_disp.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <string>

#include "editing/subdisp_tenkey.h"
#include "monitor/subdisp_pass.h"
#include "program/program.h"
#include "program/zero_clip.h"
#include "settings/subdisp_set.h"

namespace qd470 {
namespace {

constexpr int16_t kPatternItem = 95;
constexpr int kPatternHint = 396;       // " 0 to 9 "
constexpr int16_t kManualDecimals = 1;  // manual MV in 0.1 %

// The number a pattern label shows; 0 when it holds none or 10 and more.
int PatternOfLabel(const std::string& caption) {
  int pattern = 0;
  auto [end, ec] = std::from_chars(caption.data(), caption.data() + caption.size(), pattern);
  if (ec != std::errc() || end != caption.data() + caption.size()) return 0;
  return pattern >= 0 && pattern < kPatterns ? pattern : 0;
}

}  // namespace

void MainDisp::Form_Load() {
  Caption = p_.LoadResString(1);
  mnuSetDisp.Caption = p_.LoadResString(118);
  lblAMptnHead.Caption = p_.LoadResString(123);
  for (auto& [k, head] : lblAM32ptnHead) head->Caption = p_.LoadResString(123);
  lblSelName.Caption = p_.LoadResString(134);
  lblSelptnHead.Caption = p_.LoadResString(123);
  for (auto& [i, updown] : updAMman) {
    updown->Min = std::numeric_limits<int16_t>::min();
    updown->Max = std::numeric_limits<int16_t>::max();
  }
  updSelman.Min = std::numeric_limits<int16_t>::min();
  updSelman.Max = std::numeric_limits<int16_t>::max();
  p_.SelStepNow = -1;
  NameSet();
}

int MainDisp::PageChannel(int index) const { return TabStrip1.Tab() * kPageChannels + index; }

int MainDisp::SelChannel() const {
  int16_t index = static_cast<int16_t>(cmbName.ListIndex());
  return QD470::ZeroClip(index);
}

void MainDisp::NameSet() {
  const int count = p_.CommCond.DevCount;
  const int selected = std::clamp(cmbName.ListIndex(), 0, count - 1);
  cmbName.Clear();
  for (int ch = 0; ch < count; ++ch) cmbName.AddItem(p_.DevNames[ch].Name);
  for (int ch = 0; ch < kMaxDevices; ++ch) {
    lblAM32name(ch).Caption = p_.DevNames[ch].Name;
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &lblAM32name(ch), &lblAM32ptn(ch), &cmdAM32run(ch), &cmdAM32stop(ch)}) {
      c->Visible = ch < count;
    }
  }
  lblAM32ptnHead(1).Visible = count > kMaxDevices / 2;
  for (int t = 0; t < kPages; ++t) TabStrip1.SetTabEnabled(t, t * kPageChannels < count);
  cmbName.SetListIndex(selected);  // shows the one-channel view
  TabStrip1_Click();
}

void MainDisp::PtnManDisp() {
  showing_ = true;
  for (int ch = 0; ch < kMaxDevices; ++ch) {
    lblAM32ptn(ch).Caption = std::to_string(p_.PtnNoTbl()[ch]);
  }
  for (int i = 0; i < kPageChannels; ++i) {
    const int ch = PageChannel(i);
    lblAMrptn(i).Caption = std::to_string(p_.PtnNoTbl()[ch]);
    ShowManual(ch, lblAMman(i), updAMman(i));
  }
  lblSelptn.Caption = std::to_string(p_.PtnNoTbl()[SelChannel()]);
  ShowManual(SelChannel(), lblSelman, updSelman);
  showing_ = false;
}

// The end of a poll cycle: the pattern numbers and manual MVs, and the settings screen's
// communication-error frame while the controller it shows failed its last transaction.
void MainDisp::CRTAllMon() {
  PtnManDisp();
  if (!p_.Forms().IsLoaded<SubDisp_Set>()) return;
  SubDisp_Set& screen = p_.Form<SubDisp_Set>();
  const int c = screen.cmbName.ListIndex();
  if (c < 0 || c >= kMaxDevices) return;
  screen.frmComerrSet.Visible = p_.CommErr[c] != 0;
}

void MainDisp::ShowManual(int ch, forms::Label& label, forms::UpDown& updown) {
  const int16_t value = p_.ManMvTbl()[ch];
  label.Caption = SubDisp_Set::DpValText(value, kManualDecimals);
  updown.SetValue(value);
}

// The columns of the page: names, and only the connected controllers shown.
void MainDisp::TabStrip1_Click() {
  for (int i = 0; i < kPageChannels; ++i) lblAMname(i).Caption = p_.DevNames[PageChannel(i)].Name;
  for (forms::Control* c : Children(&TabStrip1)) {
    if (c->Index() >= 0) c->Visible = PageChannel(c->Index()) < p_.CommCond.DevCount;
  }
  PtnManDisp();
}

void MainDisp::cmbName_Click() {
  p_.SelStepNow = -1;
  PtnManDisp();
}

void MainDisp::lblAM32ptn_DblClick(int index) { OpenPatternPad(index, lblAM32ptn(index)); }

void MainDisp::lblAMrptn_DblClick(int index) {
  OpenPatternPad(PageChannel(index), lblAMrptn(index));
}

void MainDisp::lblSelptn_DblClick() { OpenPatternPad(SelChannel(), lblSelptn); }

void MainDisp::OpenPatternPad(int ch, const forms::Control& near) {
  OpenPadFromMainScreen(p_, static_cast<int16_t>(ch), kPatternItem,
                        std::to_string(p_.PtnNoTbl()[ch]), kPatternHint, &near);
}

void MainDisp::updAMman_Change(int index) { ManualChange(PageChannel(index), updAMman(index)); }

void MainDisp::updSelman_Change() { ManualChange(SelChannel(), updSelman); }

// In manual mode a step of the up-down is written at once; otherwise (or outside the limits) the
// up-down goes back to the value in force.
void MainDisp::ManualChange(int ch, forms::UpDown& updown) {
  if (showing_) return;
  const int16_t value = static_cast<int16_t>(updown.Value());
  const bool manual = (p_.DevStatus[ch] & kStatManual) != 0;
  if (!manual || !p_.RoomForWrite(ch, kManualMvItem) || !QueueManualMv(p_, ch, value)) {
    showing_ = true;
    updown.SetValue(p_.ManMvTbl()[ch]);
    showing_ = false;
  }
  PtnManDisp();
}

void MainDisp::mnuSetDisp_Click() {
  forms::FormHost& host = p_.Forms();
  SubDisp_Pass& pass = p_.Form<SubDisp_Pass>();
  pass.PassOK = kFalse;
  pass.txtPass.SetText("");
  host.Show(pass, true);
  if (!host.IsLoaded<SubDisp_Pass>() || pass.PassOK != kTrue) return;
  host.Unload(pass);
  SubDisp_Set& screen = p_.Form<SubDisp_Set>();
  screen.cmbName.Clear();
  for (int i = 0; i < p_.CommCond.DevCount; ++i) screen.cmbName.AddItem(p_.DevNames[i].Name);
  screen.cmbName.SetListIndex(cmbName.ListIndex());
  screen.cmbSelptn.SetListIndex(PatternOfLabel(lblSelptn.Caption));
  screen.SetDispUpDate();
  host.Show(screen);
}

void MainDisp::Form_QueryUnload(bool& cancel) {
  auto answer = p_.MsgBox(p_.LoadResString(71), forms::MsgButtons::kYesNo,
                          forms::MsgIcon::kQuestion, p_.LoadResString(72));
  if (answer != forms::MsgResult::kYes) {
    cancel = true;
    return;
  }
  p_.EndReq = -1;
  for (forms::Form* form : p_.Forms().LoadedForms()) {
    if (form != this) p_.Forms().Unload(*form);
  }
}

}  // namespace qd470
