// The numeric pad `SubDisp_Tenkey`: one setting value typed on digit keys or the keyboard,
// checked against the item's raw limits, stored into its table and queued for writing.
#pragma once

#include <cstdint>
#include <string>

#include "editing/pad_entry.h"
#include "forms/form.h"
#include "model/program_state.h"

namespace qd470 {

class Program;

// What the pad edits: the request-slot fields and the limits an opener had worked out. The pad
// keeps its own copy from the moment it is opened, so that a refresh of the settings screen or
// a control of the main screen that reuses the request slot cannot move it to another value.
struct PadTarget {
  int16_t SetCh = 0, SetPtn = 0, EditItem = 0, EditIdx = 0, EditSub = 0;
  int16_t EditDp = 0, EditLo = 0, EditHi = 0;

  static PadTarget FromSlot(const ProgramState& st);
  void ToSlot(ProgramState& st) const;
};

class SubDisp_Tenkey : public forms::Form {
 public:
  explicit SubDisp_Tenkey(Program& program);
  void Form_Load() override;

  // Takes the edit item now in the request slot as the pad's target and shows the pad modeless
  // with the keyboard focus in the entry box, in front and beside `near` (a control of another
  // form, may be nullptr), also when it was open already. A newly shown pad opens with an empty
  // box; an open pad keeps the entry typed so far and shows it with the new item's decimal
  // places. The opener has set lblNow and lblLimit.
  void Open(const forms::Control* near);
  const PadTarget& Target() const { return target_; }

  forms::Label& Label1;
  forms::Label& lblNow;
  forms::Label& Label2;
  forms::Label& lblLimit;
  forms::TextBox& txtNewSet;
  forms::Label& lblInput;
  forms::ControlArray<forms::CommandButton> Ten_key;
  forms::CommandButton& cmdNot;
  forms::CommandButton& cmdCE;
  forms::CommandButton& cmdOK;
  forms::CommandButton& cmdCAN;

  void Ten_key_Click(int Index);
  void cmdNot_Click();
  void cmdCE_Click();
  void cmdCAN_Click();
  void cmdOK_Click();
  void txtNewSet_KeyPress(int& KeyAscii);
  void txtNewSet_Change();
  // The key presses of every button: the focus moves to the entry box, which takes the key.
  void Button_KeyPress(int& KeyAscii);

 private:
  void WireHandlers();
  // The display rule: the entry box (and lblInput) from the entry by the target's decimals.
  void ShowEntry();
  void ClearEntry();
  void Close();
  // Acceptance steps 5 to 7 for a value within the limits (pad_accept.cpp).
  void Store(int16_t value);

  Program& p_;
  PadTarget target_;
  PadEntry entry_;
};

// Opens the pad from a control of the main screen: setting `item` (95, the pattern number; 103,
// the manual output) of controller `ch`, its current value text and the string number of its
// range hint; the pad opens beside `near` when given.
void OpenPadFromMainScreen(Program& p, int16_t ch, int16_t item, const std::string& now_text,
                           int hint_string, const forms::Control* near = nullptr);

}  // namespace qd470
