// The numeric pad: its controls, captions, typing rules, clear, cancel and opening.
#include "editing/subdisp_tenkey.h"

#include <string>

#include "program/program.h"
#include "settings/decimal_point.h"
#include "settings/edit_limits.h"
#include "settings/subdisp_set.h"

namespace qd470 {

using forms::CommandButton;
using forms::Label;

PadTarget PadTarget::FromSlot(const ProgramState& st) {
  return {st.SetCh,   st.SetPtn, st.EditItem, st.EditIdx,
          st.EditSub, st.EditDp, st.EditLo,   st.EditHi};
}

void PadTarget::ToSlot(ProgramState& st) const {
  st.SetCh = SetCh;
  st.SetPtn = SetPtn;
  st.EditItem = EditItem;
  st.EditIdx = EditIdx;
  st.EditSub = EditSub;
  st.EditDp = EditDp;
  st.EditLo = EditLo;
  st.EditHi = EditHi;
}

SubDisp_Tenkey::SubDisp_Tenkey(Program& program)
    : forms::Form("SubDisp_Tenkey"),
      Label1(Add<Label>("Label1")),
      lblNow(Add<Label>("lblNow")),
      Label2(Add<Label>("Label2")),
      lblLimit(Add<Label>("lblLimit")),
      txtNewSet(Add<forms::TextBox>("txtNewSet")),
      lblInput(Add<Label>("lblInput")),
      cmdNot(Add<CommandButton>("cmdNot")),
      cmdCE(Add<CommandButton>("cmdCE")),
      cmdOK(Add<CommandButton>("cmdOK")),
      cmdCAN(Add<CommandButton>("cmdCAN")),
      p_(program) {
  Width = 4695;
  Height = 3975;
  Label1.Move(240, 120, 2025, 285);
  lblNow.Move(2400, 120, 1665, 285);
  Label2.Move(240, 480, 1275, 285);
  lblLimit.Move(1560, 480, 3075, 645);
  txtNewSet.Move(240, 1320, 2175, 495);
  txtNewSet.FontSize = 18;
  txtNewSet.FontBold = true;
  lblInput.Move(2760, 1440, 1515, 315);
  // Digit keys in three columns, 7 8 9 on top, 0 alone in the bottom row.
  constexpr int kColumns[] = {240, 960, 1680};
  constexpr int kRows[] = {2880, 2400, 1920};  // 1 2 3, 4 5 6, 7 8 9
  for (int d = 0; d <= 9; ++d) {
    CommandButton& key = AddMember(Ten_key, "Ten_key", d);
    key.Caption = std::to_string(d);
    if (d == 0) {
      key.Move(240, 3360, 735, 495);
    } else {
      key.Move(kColumns[(d - 1) % 3], kRows[(d - 1) / 3], 735, 495);
    }
  }
  cmdNot.Move(960, 3360, 735, 495);
  cmdNot.Caption = "+/-";
  cmdCE.Move(1680, 3360, 735, 495);
  cmdCE.Caption = "CE";
  cmdOK.Move(2880, 2280, 1215, 495);
  cmdCAN.Move(2880, 3120, 1215, 495);
  WireHandlers();
}

void SubDisp_Tenkey::WireHandlers() {
  for (const auto& [d, key] : Ten_key) {
    key->Click = [this, d] { Ten_key_Click(d); };
    key->KeyPress = [this](int& k) { Button_KeyPress(k); };
  }
  cmdNot.Click = [this] { cmdNot_Click(); };
  cmdCE.Click = [this] { cmdCE_Click(); };
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCAN.Click = [this] { cmdCAN_Click(); };
  for (CommandButton* b : {&cmdNot, &cmdCE, &cmdOK, &cmdCAN}) {
    b->KeyPress = [this](int& k) { Button_KeyPress(k); };
  }
  txtNewSet.KeyPress = [this](int& k) { txtNewSet_KeyPress(k); };
  txtNewSet.Change = [this] { txtNewSet_Change(); };
}

void SubDisp_Tenkey::Form_Load() {
  Caption = p_.LoadResString(388);
  Label1.Caption = p_.LoadResString(389);
  Label2.Caption = p_.LoadResString(390);
  cmdOK.Caption = p_.LoadResString(367);
  cmdCAN.Caption = p_.LoadResString(368);
}

void SubDisp_Tenkey::Open(const forms::Control* near) {
  target_ = PadTarget::FromSlot(p_);
  // A pad already open shows its entry by the new item's decimals at once; a newly opened one
  // starts with an empty box, since nothing has been typed. Either comes to the front beside the
  // value it now edits.
  if (Visible()) ShowEntry();
  OpenNear = near;
  p_.Forms().Show(*this);
  SetFocus(txtNewSet);
}

void SubDisp_Tenkey::ShowEntry() {
  lblInput.Caption = entry_.Text();
  const int16_t dp = target_.EditDp;
  const bool decimals = dp >= 1 && dp <= 3;
  txtNewSet.SetText(decimals ? SubDisp_Set::DpValText(entry_.Value(), dp) : entry_.Text());
}

void SubDisp_Tenkey::txtNewSet_Change() { ShowEntry(); }

void SubDisp_Tenkey::Ten_key_Click(int Index) {
  entry_.AppendDigit(Index);
  ShowEntry();
}

// The sign key refuses a sign that takes the entry beyond a limit; each limit is tested on the
// entry as it then stands.
void SubDisp_Tenkey::cmdNot_Click() {
  const PadEntry before = entry_;
  entry_.Negate();
  if (entry_.Value() > target_.EditHi) {
    p_.MsgBox(p_.LoadResString(397));
    entry_ = before;
  }
  if (entry_.Value() < target_.EditLo) {
    p_.MsgBox(p_.LoadResString(397));
    entry_ = before;
  }
  ShowEntry();
}

void SubDisp_Tenkey::ClearEntry() {
  entry_.Clear();
  lblInput.Caption = "";
  txtNewSet.SetText("");  // the change handler then shows the empty entry by the display rule
}

void SubDisp_Tenkey::cmdCE_Click() { ClearEntry(); }

void SubDisp_Tenkey::cmdCAN_Click() { Close(); }

void SubDisp_Tenkey::Close() { p_.Forms().Unload(*this); }

void SubDisp_Tenkey::txtNewSet_KeyPress(int& KeyAscii) {
  constexpr int kEnter = 13, kBackspace = 8;
  if (KeyAscii >= '0' && KeyAscii <= '9') {
    Ten_key_Click(KeyAscii - '0');
  } else if (KeyAscii == '-') {
    entry_.Negate();
    ShowEntry();
  } else if (KeyAscii == kEnter) {
    cmdOK_Click();
  } else if (KeyAscii == kBackspace || KeyAscii == '.') {
    ClearEntry();
  } else {
    ShowEntry();
  }
}

void SubDisp_Tenkey::Button_KeyPress(int& KeyAscii) {
  SetFocus(txtNewSet);
  txtNewSet_KeyPress(KeyAscii);
}

void OpenPadFromMainScreen(Program& p, int16_t ch, int16_t item, const std::string& now_text,
                           int hint_string, const forms::Control* near) {
  p.SetCh = ch;
  p.EditItem = item;
  setdecimalpoint(p);
  set_lim(p);
  SubDisp_Tenkey& pad = p.Form<SubDisp_Tenkey>();
  pad.lblNow.Caption = now_text;
  pad.lblLimit.Caption = p.LoadResString(hint_string);
  pad.Open(near);
}

}  // namespace qd470
