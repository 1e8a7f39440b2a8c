// The numeric pad driven as an operator does: the settings screen shows a controller, a value
// label is double-clicked, keys are pressed on the pad.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "editing/subdisp_tenkey.h"
#include "settings/default_settings.h"
#include "settings/subdisp_set.h"
#include "support/test_program.h"

namespace qd470::testing {

inline constexpr int16_t kDcInput = 12;         // a DC input of the types other than 1
inline constexpr int16_t kOneDecimalInput = 6;  // a one-decimal input of the types other than 1

class PadTest : public ProgramTest {
 protected:
  explicit PadTest(Language lang = Language::kEnglish) : ProgramTest(lang) {}

  // Controller ch of the given type and input, with the defaults of its input.
  void Device(int ch, int16_t ctrl_type, int16_t in_range, int16_t decimal_point = 1) {
    p().DevRec[ch].CtrlType = ctrl_type;
    p().DevRec[ch].InRange = in_range;
    Datainitial(p());
    p().PrmData[0x2E][ch] = decimal_point;
  }
  SubDisp_Set& s() { return p().Form<SubDisp_Set>(); }
  SubDisp_Tenkey& pad() { return p().Form<SubDisp_Tenkey>(); }
  bool PadOpen() { return p().Forms().IsLoaded<SubDisp_Tenkey>() && pad().Visible(); }

  // The settings screen shows controller ch and pattern ptn.
  void Show(int ch, int ptn = 0) {
    s().cmbSelptn.SetListIndex(ptn);
    s().cmbName.SetListIndex(ch);
  }
  forms::Label& L(const std::string& name, int index = -1) {
    forms::Label* label = s().FindAs<forms::Label>(name, index);
    if (!label) throw std::logic_error("no label " + name);
    return *label;
  }
  void DblClick(const std::string& name, int index = -1) { L(name, index).RaiseDblClick(); }
  // Keys typed into the entry box: '\r' is Enter, '\b' Backspace.
  void Type(std::string_view keys) {
    for (char c : keys) {
      int key = static_cast<unsigned char>(c);
      pad().txtNewSet.RaiseKeyPress(key);
    }
  }
  // Digit keys clicked on the pad.
  void Click(std::string_view digits) {
    for (char c : digits) pad().Ten_key(c - '0').RaiseClick();
  }
  std::string Box() { return pad().txtNewSet.Text(); }
};

}  // namespace qd470::testing
